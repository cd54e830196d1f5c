#!/usr/bin/env bash
# Runs a command with a Wine prefix and an X display of its own:
#   with-wine.sh PREFIX-DIR COMMAND...
# The prefix is made when missing; its wineserver is kept running for the whole
# command (so no later program starts one under a faked clock) and stopped at the end,
# together with the Xvfb this script starts.
set -euo pipefail
mkdir -p "$1"
prefix=$(cd "$1" && pwd); shift

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Xvfb picks a free display itself and tells which (safe with several runs at once).
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$display_file")"
rm -f "$display_file"

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

wineserver -p || true
[ -f "$prefix/system.reg" ] || wineboot -i >/dev/null 2>&1
wineserver -p 2>/dev/null || true  # wineboot may have started a server of its own; keep one running

"$@"
