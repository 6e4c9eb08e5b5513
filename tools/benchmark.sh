#!/usr/bin/env bash
# Measures what the program's performance aims are about and prints a table: the time from
# start to the window shown and the CPU time it took, against a bare Win32 window and one
# that also initialises OLE and common controls 6, under the same Wine; the same with a big
# camera photo as the stored picture; the size of both binaries; the time of one Apply; the
# peak memory of each program. Runs on demand and
# is no part of the tests; everything happens in a Wine prefix and on a virtual display of
# its own.
# Usage: tools/benchmark.sh [STARTS]   (rounds of starts, default 7; the median counts)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib/windows-program.sh
starts="${1:-7}"

tools/install-deps.sh
kx_build_program bare_window ole_window apply_benchmark x86_binaries sample_client >/dev/null

export WINEPREFIX="$PWD/build/benchmark/wineprefix"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  kx_prepare_prefix
  # Without a window manager Wine would wait two seconds for one whenever a window closes.
  "$KX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /reg:64 /f >/dev/null
fi
tools/install-sample-client.sh >/dev/null
wineserver -w

# An ordinary camera photo's size and weight (about 2.5 MB), made once.
big_picture="$PWD/build/benchmark/photo-4000x3000.jpg"
[ -f "$big_picture" ] || convert -size 4000x3000 plasma:fractal -blur 0x1 -quality 92 "$big_picture"

xvfb-run -a -s "-screen 0 1024x768x24" tools/benchmark/measure.sh "$starts" "$big_picture"
kx_build_program button_creation >/dev/null && xvfb-run -a -s "-screen 0 1024x768x24" "$KX_WINE" build/windows/tools/benchmark/button_creation.exe 20
