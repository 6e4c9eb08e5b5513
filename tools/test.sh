#!/usr/bin/env bash
# Builds and runs every test: the portable code natively (with sanitizers), the fuzz
# targets for a bounded time, and the Windows build under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

cmake --workflow --preset native
cmake --workflow --preset fuzz

cleanup() { WINEPREFIX="$PWD/build/windows/wineprefix" wineserver -k 2>/dev/null || true; }
trap cleanup EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" cmake --workflow --preset windows
