#!/usr/bin/env bash
# Builds Kalvex3 for Windows and starts it under Wine against an ICQ Lite client: the one
# installed in the prefix named by WINEPREFIX, or else a sample client in a prefix of its
# own under build/run. Without a display it starts a virtual one, saves a screenshot of the
# program's window, prints the screenshot's path and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib/windows-program.sh

tools/install-deps.sh
kx_build_program sample_client

export WINEPREFIX="${WINEPREFIX:-$PWD/build/run/wineprefix}"
kx_prepare_prefix
tools/install-sample-client.sh

if [ -n "${DISPLAY:-}" ]; then
  exec "$KX_WINE" "$kx_program"
fi

# The steps above ran Wine without a display; its desktop process must end before the
# program starts on the virtual one, or the program's windows would have no display.
wineserver -w

shot="$PWD/build/run/screenshot.png"
mkdir -p "$(dirname "$shot")"
rm -f "$shot"
xvfb-run -a -s "-screen 0 1024x768x24" tools/lib/screenshot.sh "$kx_program" "$shot"
echo "No display: the program ran on a virtual one. Screenshot: $shot"
