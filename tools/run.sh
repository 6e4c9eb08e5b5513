#!/usr/bin/env bash
# Builds Kalvex3 for Windows and starts it under Wine. Without a display it starts a
# virtual one, saves a screenshot of the program and prints the screenshot's path.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kalvex3

export WINEPREFIX="${WINEPREFIX:-$PWD/build/run/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

program="$PWD/build/windows/app/Kalvex3.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$program"
fi

shot="$PWD/build/run/screenshot.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine "$1" & program=$!
  sleep 4
  import -window root "$2"
  kill $program 2>/dev/null || true
  wineserver -k 2>/dev/null || true
' _ "$program" "$shot"
echo "No display: the program ran on a virtual one. Screenshot: $shot"
