#!/usr/bin/env bash
# Builds and runs every test: the portable code natively (with sanitizers), the fuzz
# targets for a bounded time, and the 32-bit and 64-bit Windows builds under Wine on a
# virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

cmake --workflow --preset native
cmake --workflow --preset fuzz

cleanup() {
  local build
  for build in windows32 windows; do
    WINEPREFIX="$PWD/build/$build/wineprefix" wineserver -k 2>/dev/null || true
  done
}
trap cleanup EXIT
# The 32-bit build first: the 64-bit one takes its binaries into the setup from there.
xvfb-run -a -s "-screen 0 1280x1024x24" cmake --workflow --preset windows32
xvfb-run -a -s "-screen 0 1280x1024x24" cmake --workflow --preset windows
