#!/usr/bin/env bash
# Builds and runs every test: the portable code natively (with sanitizers), the fuzz
# targets for a bounded time, and the 32-bit and 64-bit Windows builds under Wine on a
# virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

cmake --workflow --preset native
cmake --workflow --preset fuzz

# Each test prefix keeps one Wine server for the whole run, which the tests' cleanup ends; a
# run broken off before it would leave those servers running.
cleanup() {
  local prefix
  for prefix in $(find build/windows32 build/windows -maxdepth 4 -name system.reg -printf '%h\n' 2>/dev/null); do
    WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true
  done
}
trap cleanup EXIT
# The 32-bit build first: the 64-bit one takes its binaries into the setup from there. A
# host whose kernel runs no 32-bit code cannot run 32-bit Wine: the 64-bit build then makes
# the 32-bit binaries for its setup itself, and says which of its tests it cannot run.
if wine --version >/dev/null 2>&1; then
  xvfb-run -a -s "-screen 0 1280x1024x24" cmake --workflow --preset windows32
else
  echo "NOT RUN: the 32-bit build's tests. This host runs no 32-bit programs, so 32-bit Wine cannot start." >&2
fi
xvfb-run -a -s "-screen 0 1280x1024x24" cmake --workflow --preset windows
