#!/usr/bin/env bash
# Sets up the machine, builds everything and runs all tests under Wine on a fresh prefix.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
rm -rf "$top/build/x86_64/wineprefix"
"$top/scripts/with-wine.sh" "$top/build/x86_64/wineprefix" \
  ctest --test-dir "$top/build/x86_64" --output-on-failure "$@"
