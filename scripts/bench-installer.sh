#!/usr/bin/env bash
# PiloInst's sizes and imports, and its start-to-dialog-shown time against the smallest
# Win32 dialog program we can write (MinimalDialog), as a ratio of medians under the
# same Wine:  bench-installer.sh [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
bin=$top/build/x86_64/bin
[ -x "$bin/DialogStartTimer.exe" ] && [ -f "$top/dist/bin/PiloInst.exe" ] || "$top/scripts/build.sh" >/dev/null

echo "== PiloInst sizes"
for exe in "$top/dist/bin/PiloInst.exe" "$bin/PiloInst.exe" "$bin/MinimalDialog.exe"; do
  printf "   %-60s %8d bytes\n" "${exe#$top/}" "$(stat -c %s "$exe")"
done
echo "== PiloInst imports (i686 deliverable)"
i686-w64-mingw32-objdump -p "$top/dist/bin/PiloInst.exe" | awk '/DLL Name/ {print "   " $3}'

out=$(mktemp -d)
"$top/scripts/with-wine.sh" "$top/build/x86_64/benchprefix" bash -c "
  cd '$bin'
  wine DialogStartTimer.exe $runs '#32770' 'Minimal Dialog' \"\$(winepath -w '$bin/MinimalDialog.exe')\" >'$out/minimal.txt' 2>&1
  wine DialogStartTimer.exe $runs TForm1 'Pilo Installation...' \"\$(winepath -w '$bin/PiloInst.exe')\" inst >'$out/piloinst.txt' 2>&1
"
median() { awk '/^median:/ {print $2}' "$1"; }
minimal=$(median "$out/minimal.txt") piloinst=$(median "$out/piloinst.txt")
echo "== start to dialog shown (x86_64 build, $runs runs each, median)"
echo "   MinimalDialog: ${minimal} ms"
echo "   PiloInst:      ${piloinst} ms"
awk -v a="$piloinst" -v b="$minimal" 'BEGIN { if (b > 0) printf "   ratio PiloInst / MinimalDialog: %.2f\n", a / b }'
rm -rf "$out"
