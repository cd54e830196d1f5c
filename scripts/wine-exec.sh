#!/usr/bin/env bash
# Runs one Windows program under Wine and returns its exit code. Its output goes to a
# file and is printed afterwards: a pipe would be held open by any program it starts.
# With PILO_FAKETIME_FILE set, the program and all it starts see the clock that file
# names (libfaketime, re-read at every call), so a test can set the date of each run.
set -uo pipefail
log=$(mktemp)
if [ -n "${PILO_FAKETIME_FILE:-}" ]; then
  echo "+0" >"$PILO_FAKETIME_FILE"
  export LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
  export FAKETIME_TIMESTAMP_FILE=$PILO_FAKETIME_FILE FAKETIME_NO_CACHE=1 NO_FAKE_STAT=1
fi
timeout "${PILO_TEST_TIMEOUT:-600}" wine "$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
