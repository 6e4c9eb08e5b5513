#!/usr/bin/env bash
# The measuring half of tools/benchmark.sh, run from the repository root on its virtual
# display with WINEPREFIX prepared. Prints the results as a Markdown table.
# Usage: tools/benchmark/measure.sh STARTS
set -euo pipefail
source tools/lib/windows-program.sh
starts="$1"
bare_window="$PWD/build/windows/tools/benchmark/bare_window.exe"
apply_benchmark="$PWD/build/windows/tools/benchmark/apply_benchmark.exe"
size_aim=1000000    # bytes, both binaries together
start_aim=1.15      # Kalvex3's start time as a multiple of the bare window's
apply_aim=2000      # microseconds

now_us() { echo "${EPOCHREALTIME//[.,]/}"; }

# Notes the moment each top-level window is mapped, as the X server tells it: looking for the
# window by polling would add tens of milliseconds of its own. Writes "microseconds id".
note_maps() {
  local line stamp details
  while IFS= read -r line; do
    case "$line" in
      MapNotify*) stamp="${EPOCHREALTIME//[.,]/}"
                  IFS= read -r details
                  details="${details#*window }"
                  echo "$stamp ${details%%,*}" ;;
    esac
  done
}

# The map time and id of the first window of process PID mapped since BEGIN, if any.
window_of() {
  local stamp id
  while read -r stamp id; do
    if [ "$stamp" -ge "$2" ] && [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$1" ]; then
      echo "$stamp $id"
      return
    fi
  done < "$maps"
}

# Starts PROGRAM, waits until its first window is shown and closes it as a user would.
# Prints the microseconds from start to window mapped and the peak resident memory in KiB.
start_once() {
  local begin pid found="" shown window peak
  sleep 0.5  # the previous program's end settles first
  begin="$(now_us)"
  "${KX_WINE:-wine}" "$1" &
  pid=$!
  # Looking seldom keeps the processor to the program; the time comes from the notification.
  until found="$(window_of "$pid" "$begin")"; [ -n "$found" ]; do
    if ! kill -0 "$pid" 2>/dev/null || [ $(( $(now_us) - begin )) -gt 60000000 ]; then
      echo "$1 showed no window" >&2
      kill "$pid" 2>/dev/null || true
      return 1
    fi
    sleep 0.1
  done
  read -r shown window <<< "$found"
  sleep 0.5  # the first paint belongs to the memory it needs
  peak="$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")"
  # Keys typed into the focused window, not sent to it: Wine never sees the release of keys
  # sent to a window that closes on them and would close the next program's window too.
  xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$(( shown - begin )) $peak"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f s", us / 1e6 }'; }
# The median of the start times in microseconds, with their range.
start_times() {
  printf '%s (%s to %s)' "$(seconds "$(median "$@")")" \
    "$(seconds "$(printf '%s\n' "$@" | sort -n | head -n 1)")" "$(seconds "$(printf '%s\n' "$@" | sort -n | tail -n 1)")"
}
milliseconds() { awk -v us="$1" 'BEGIN { printf "%.3f ms", us / 1e3 }'; }
mebibytes() { awk -v kib="$1" 'BEGIN { printf "%.1f MiB", kib / 1024 }'; }
met() { if [ "$1" = 1 ]; then echo yes; else echo no; fi; }

# The time of one Apply, the median of many: the client's page written anew, then the picture
# path and link saved in the registry. Sets apply_text and apply_met.
measure_apply() {
  local result apply page registry
  if ! result="$("${KX_WINE:-wine}" "$apply_benchmark" | tr -d '\r')"; then
    apply_text="failed" apply_met=no
    return
  fi
  # apply=510 page=412 registry=95 repetitions=200
  read -r apply page registry _ <<< "$(sed 's/[a-z]*=//g' <<< "$result")"
  apply_text="$(milliseconds "$apply") (page $(milliseconds "$page"), registry $(milliseconds "$registry"))"
  apply_met="$(met $(( apply < apply_aim )))"
}

maps="$(mktemp)"
stdbuf -oL xev -root -event substructure > >(note_maps > "$maps") &
xev=$!
# A running server and a first start of each program that does not count: every counted
# start then finds Wine equally warm. The two programs take turns.
wineserver -p
trap 'wineserver -k; kill "$xev"; rm -f "$maps"' EXIT
start_once "$bare_window" >/dev/null
start_once "$kx_program" >/dev/null
bare_times=() bare_peaks=() kalvex_times=() kalvex_peaks=()
for _ in $(seq "$starts"); do
  read -r time peak < <(start_once "$bare_window"); bare_times+=("$time"); bare_peaks+=("$peak")
  read -r time peak < <(start_once "$kx_program"); kalvex_times+=("$time"); kalvex_peaks+=("$peak")
done

measure_apply

bare_time="$(median "${bare_times[@]}")"
kalvex_time="$(median "${kalvex_times[@]}")"
ratio="$(awk -v k="$kalvex_time" -v b="$bare_time" 'BEGIN { printf "%.2f", k / b }')"
# The sizes of one bitness's Kalvex3.exe and Vantor1.dll as table rows; the suffix names the bitness.
size_rows() {  # PROGRAM LIBRARY SUFFIX
  local exe_size dll_size=0 dll_text="not built" total
  exe_size="$(stat -c %s "$1")"
  if [ -f "$2" ]; then
    dll_size="$(stat -c %s "$2")"
    dll_text="$dll_size bytes"
  fi
  total=$(( exe_size + dll_size ))
  echo "| Size of Kalvex3.exe$3 | $exe_size bytes | | |"
  echo "| Size of Vantor1.dll$3 | $dll_text | | |"
  echo "| Size of both together$3 | $total bytes | under $size_aim bytes | $(met $(( total < size_aim ))) |"
}

echo
echo "$(wine --version), $starts starts of each program: median (range), $(date +%Y-%m-%d)"
echo
echo "| Measure | Result | Aim | Met |"
echo "|---|---|---|---|"
echo "| Start to window shown, bare Win32 window | $(start_times "${bare_times[@]}") | | |"
echo "| Start to window shown, Kalvex3 | $(start_times "${kalvex_times[@]}") | | |"
echo "| Start time, Kalvex3 / bare window | $ratio | at most $start_aim | $(met "$(awk -v r="$ratio" -v a="$start_aim" 'BEGIN { print (r <= a) }')") |"
size_rows "$kx_program" "$kx_control_library" ", 64-bit"
size_rows "${kx_program%/windows/*}/windows32/app/Kalvex3.exe" \
          "${kx_control_library%/windows/*}/windows32/button/win32/Vantor1.dll" ", 32-bit"
echo "| One Apply | $apply_text | under 2 ms | $apply_met |"
echo "| Peak memory, bare Win32 window | $(mebibytes "$(median "${bare_peaks[@]}")") | | |"
echo "| Peak memory, Kalvex3 | $(mebibytes "$(median "${kalvex_peaks[@]}")") | | |"
