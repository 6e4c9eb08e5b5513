#!/usr/bin/env bash
# Starts a Windows program under Wine on the current display, waits until its first window
# is shown, saves a picture of that window and closes the program the way a user would.
# Usage: screenshot.sh PROGRAM.exe SHOT.png
set -euo pipefail
program="$1" shot="$2"

"${KX_WINE:-wine}" "$program" &
pid=$!
window="$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)" || true
if [ -z "$window" ]; then
  echo "The program showed no window within 60 seconds." >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
sleep 1  # let it finish painting
import -window "$window" "$shot"

# Alt+F4 closes the window as a user would, so that the program saves its settings.
# Keys typed into the focused window, not sent to it: Wine never sees the release of keys
# sent to a window that closes on them and would close the next program's window too.
xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
# Wine's desktop process ends a moment after the program; it must not outlive the display.
timeout 20 wineserver -w || true
