#!/usr/bin/env bash
# Sizes and imports of both programs, and their times against the smallest programs of
# their kind, as ratios of medians under the same Wine:  bench.sh [RUNS]
# - PiloOnce: a same-day run (nothing to write, nothing to bring up) against an empty
#   Windows program;
# - PiloInst: start to dialog shown against a minimal Win32 dialog program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
bin=$top/build/x86_64/bin
[ -x "$bin/DialogStartTimer.exe" ] && [ -x "$bin/EmptyProgram.exe" ] && [ -f "$top/dist/bin/PiloInst.exe" ] \
  || "$top/scripts/build.sh" >/dev/null

echo "== PiloOnce sizes and imports"
for exe in "$top/dist/bin/PiloOnce.exe" "$bin/PiloOnce.exe" "$bin/EmptyProgram.exe"; do
  printf "   %-60s %8d bytes\n" "${exe#$top/}" "$(stat -c %s "$exe")"
done
i686-w64-mingw32-objdump -p "$top/dist/bin/PiloOnce.exe" | awk '/DLL Name/ {print "   " $3}'

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

# PiloOnce on a day it has already seen, in a product folder of its own.
launcher_dir=$top/build/x86_64/bench-launcher
rm -rf "$launcher_dir" && mkdir -p "$launcher_dir"
cp "$bin/PiloOnce.exe" "$launcher_dir/"
today=$(( $(date +%s) / 86400 + 25569 ))
printf '[PILO]\r\nTodaysDay=%d\r\n' "$today" >"$launcher_dir/Pilo.ini"
"$top/scripts/with-wine.sh" "$top/build/x86_64/benchprefix" bash -c "
  time_runs() {  # program -> one run time in ms a line
    for _ in \$(seq $runs); do
      s=\$(date +%s%N); wine \"\$1\" >/dev/null 2>&1 </dev/null; e=\$(date +%s%N)
      echo \$(( (e - s) / 1000000 ))
    done
  }
  time_runs '$bin/EmptyProgram.exe' >'$out/empty.txt'
  time_runs '$launcher_dir/PiloOnce.exe' >'$out/piloonce.txt'
"
median_of() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
empty=$(median_of "$out/empty.txt") piloonce=$(median_of "$out/piloonce.txt")
echo "== same-day run (x86_64 build, $runs runs each, median)"
echo "   EmptyProgram: ${empty} ms"
echo "   PiloOnce:     ${piloonce} ms"
awk -v a="$piloonce" -v b="$empty" 'BEGIN { if (b > 0) printf "   ratio PiloOnce / EmptyProgram: %.2f\n", a / b }'

minimal=$(median "$out/minimal.txt") piloinst=$(median "$out/piloinst.txt")
echo "== start to dialog shown (x86_64 build, $runs runs each, median)"
echo "   MinimalDialog: ${minimal} ms"
echo "   PiloInst:      ${piloinst} ms"
awk -v a="$piloinst" -v b="$minimal" 'BEGIN { if (b > 0) printf "   ratio PiloInst / MinimalDialog: %.2f\n", a / b }'
rm -rf "$out"
