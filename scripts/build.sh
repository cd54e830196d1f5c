#!/usr/bin/env bash
# Builds the 32-bit deliverables into dist/ and the 64-bit build with its tests,
# which is what runs under Wine here.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() {  # build-dir toolchain tests
  cmake -S "$top" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-$2.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DPILO_BUILD_TESTS="$3" >/dev/null
}

configure "$top/build/i686" i686 OFF
cmake --build "$top/build/i686" -j "$jobs"
cmake --install "$top/build/i686" --prefix "$top/dist" >/dev/null

configure "$top/build/x86_64" x86_64 ON
cmake --build "$top/build/x86_64" -j "$jobs"
echo "build: deliverables in dist/bin, test build in build/x86_64"
