#!/usr/bin/env bash
# The installation road on a sample product directory, then two logons on two dates in
# which the shell itself starts what the installer put into StartUp:
#   demo.sh [--interactive]
# Runs under scripts/with-wine.sh (own prefix and Xvfb) unless --interactive is given
# with a display, when the user works the dialog. Saves build/piloinst-dialog.png and
# copies it to docs/piloinst-dialog.png. Uses the x86_64 build (what runs here).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=$top/build/x86_64/bin
interactive=no
[ "${1:-}" = "--interactive" ] && interactive=yes

if [ -z "${PILO_DEMO_INSIDE:-}" ]; then
  "$top/scripts/setup.sh"
  "$top/scripts/build.sh"
  prefix=$top/build/x86_64/demoprefix
  rm -rf "$prefix"
  if [ "$interactive" = yes ] && [ -n "${DISPLAY:-}" ]; then
    mkdir -p "$prefix"
    export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
    wineboot -i >/dev/null 2>&1
    trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
    PILO_DEMO_INSIDE=1 bash "$0" "$@"
    exit
  fi
  PILO_DEMO_INSIDE=1 exec "$top/scripts/with-wine.sh" "$prefix" bash "$0" "$@"
fi

user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -i '^public$' | head -n 1)
menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
product_unix="$WINEPREFIX/drive_c/Pilo Demo"
product_win='C:\Pilo Demo'
log=$(mktemp -d)

echo "== sample product directory: $product_win"
mkdir -p "$product_unix/convert"
cp "$bin/PiloInst.exe" "$product_unix/PiloInst.exe"
if [ -x "$bin/ReminderDouble.exe" ]; then
  cp "$bin/ReminderDouble.exe" "$product_unix/Pilo.exe"      # the reminder double
else
  cp "$bin/VersionedPilo.exe" "$product_unix/Pilo.exe"       # a stand-in with a version
fi
if [ -x "$bin/PiloOnce.exe" ]; then cp "$bin/PiloOnce.exe" "$product_unix/piloonce.exe"
else echo "dummy" >"$product_unix/piloonce.exe"; fi
for f in pilo.hlp piloap.exe pilodb.exe convert/pilo4to5.exe; do echo "dummy product file" >"$product_unix/$f"; done
ls -R "$product_unix" | sed 's/^/   /'

shot=$top/build/piloinst-dialog.png
echo "== the installer"
if [ "$interactive" = yes ]; then
  echo "   work the dialog; the picture is taken 3 s after it shows"
  wine "$product_unix/PiloInst.exe" inst >"$log/inst.txt" 2>&1 &
  sleep 5; import -window root "$shot" || true
  wait || true
else
  ready=$log/ready.txt go=$log/go.txt
  wine "$bin/DemoInstallDriver.exe" "$product_win" "Ann Example" 0 7 30 \
       "$(winepath -w "$ready")" "$(winepath -w "$go")" >"$log/driver.txt" 2>&1 &
  driver=$!
  for _ in $(seq 300); do [ -s "$ready" ] && break; sleep 0.1; done
  sleep 0.5  # let the last repaint land
  read -r left top_ width height <"$ready"
  import -window root -crop "${width}x${height}+${left}+${top_}" +repage "$shot"
  touch "$go"
  wait "$driver" || true
  sed 's/^/   /' "$log/driver.txt"
fi
mkdir -p "$top/docs" && cp "$shot" "$top/docs/piloinst-dialog.png"
echo "   screenshot: $shot (copied to docs/piloinst-dialog.png)"
sleep 2  # the shell carries the macros out after the installer has sent them

show_ini() { echo "-- $1"; if [ -f "$2" ]; then sed 's/^/   /; s/\r$//' "$2"; else echo "   (none)"; fi; }
echo "== settings after the installation"
show_ini "Pilo.ini in the product directory" "$product_unix/Pilo.ini"
show_ini "PILO.INI in the Windows directory" "$WINEPREFIX/drive_c/windows/PILO.INI"
echo "== Start Menu items the shell made"
(cd "$menu" && find "Pilo! Mindkeep!" StartUp -name '*.lnk' 2>/dev/null | sort | sed 's/^/   /')

faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
logon() {  # date
  echo "== logon on $1: wine wineboot (runs the StartUp items)"
  local offset=$(( $(date -d "$1 08:00:00" +%s) - $(date +%s) ))
  [ "$offset" -ge 0 ] && offset="+$offset"
  LD_PRELOAD=$faketime_lib FAKETIME="${offset}" NO_FAKE_STAT=1 wine wineboot >"$log/boot.txt" 2>&1 || true
  sleep 3
  show_ini "Pilo.ini" "$product_unix/Pilo.ini"
}
logon 2027-03-01
logon 2027-03-02
echo "== what the reminder double received"
found=no
for f in "$product_unix"/*.log "$product_unix"/*double*.txt; do
  [ -f "$f" ] || continue; found=yes; echo "-- $(basename "$f")"; sed 's/^/   /' "$f"
done
[ "$found" = yes ] || echo "   (no log: the reminder double is not built in this tree)"
rm -rf "$log"
