#!/usr/bin/env bash
# Measures whether asynchronous DDE execute macros reach the server, in order, when the
# sending program ends right after sending them. Prints what arrived; needs the x86_64
# test build (scripts/build.sh). Runs in a prefix of its own.
#   measure-dde-exit.sh [COUNT [SHELL-COUNT]]
# SHELL-COUNT (default 30) items go to the shell's server, which opens explorer windows and
# takes about a tenth of a second per item.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-500}
shell_count=${2:-30}
if [ -z "${WINEPREFIX:-}" ]; then
  exec "$top/scripts/with-wine.sh" "$top/build/x86_64/measure-prefix" bash "$0" "$@"
fi
bin="$top/build/x86_64/bin"
log="$WINEPREFIX/drive_c/recorder.log"
programs=$(find "$WINEPREFIX/drive_c/users" -maxdepth 8 -type d -path '*Start Menu/Programs' | head -n 1)

in_order() {  # the recorder's log holds [Macro(1)]..[Macro(n)] in that order
  awk '{print $4}' "$log" | while read -r hex; do echo "$hex" | xxd -r -p | tr -d '\0'; echo; done |
    sed 's/^\[Macro(\([0-9]*\))\]$/\1/' | awk 'BEGIN{ok=1} {if ($1 != NR) ok=0} END{print ok ? "in order" : "OUT OF ORDER"}'
}

echo "recording server, $count macros:"
for way in component uninitialize exit; do
  for delay in 0 5; do
    rm -f "$log"
    wine "$bin/dde_recorder.exe" PiloMeasure Topic 'C:\recorder.log' "$delay" >/dev/null 2>&1 &
    recorder=$!
    for _ in $(seq 100); do [ -f "$log" ] && break; sleep 0.1; done
    wine "$bin/dde_burst.exe" PiloMeasure Topic "$count" "$way" >/dev/null 2>&1
    at_end=$(wc -l <"$log")
    sleep 5
    echo "  end=$way server-delay=${delay}ms: $at_end arrived when the sender ended, $(wc -l <"$log") after 5 s, $(in_order)"
    kill "$recorder" 2>/dev/null || true
    wait "$recorder" 2>/dev/null || true
  done
done

items_in() { find "$programs/$1" -name '*.lnk' 2>/dev/null | wc -l; }

# The shell's server is slow (it opens a window for each group), so the count is followed
# until it stays the same for 15 s.
echo "shell's Progman server, a group and $shell_count items:"
mkdir -p "$WINEPREFIX/drive_c/measure"
echo x >"$WINEPREFIX/drive_c/measure/item.exe"
for way in component uninitialize exit; do
  group="Pilo Measure $way"
  rm -rf "${programs:?}/$group" || true
  start=$(date +%s)
  wine "$bin/dde_burst.exe" Progman Progman "$shell_count" "$way" "$group" 'C:\measure\item.exe' >/dev/null 2>&1
  ended=$(date +%s)
  at_end=$(items_in "$group")
  last=-1 stable=0
  for _ in $(seq 120); do
    now=$(items_in "$group")
    if [ "$now" = "$last" ]; then stable=$((stable + 1)); else stable=0; fi
    last=$now
    [ "$stable" -ge 3 ] && break
    sleep 5
  done
  echo "  end=$way: sender took $((ended - start)) s; $at_end items when it ended, $last in the end"
  rm -rf "${programs:?}/$group" || true
done
