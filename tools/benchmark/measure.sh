#!/usr/bin/env bash
# The measuring half of tools/benchmark.sh, run from the repository root on its virtual
# display with WINEPREFIX prepared. Prints the results as a Markdown table.
# Usage: tools/benchmark/measure.sh STARTS BIG_PICTURE
set -euo pipefail
source tools/lib/windows-program.sh
starts="$1"
big_picture="$2"   # a 4000 x 3000 JPEG, stored as the picture for the big-picture starts
bare_window="$PWD/build/windows/tools/benchmark/bare_window.exe"
ole_window="$PWD/build/windows/tools/benchmark/ole_window.exe"
apply_benchmark="$PWD/build/windows/tools/benchmark/apply_benchmark.exe"
size_aim=1000000    # bytes, both binaries together
start_aim=1.15      # Kalvex3's start time as a multiple of the bare window's
ole_start_aim=1.25  # the same as a multiple of the OLE window's, the platform's floor
ole_cpu_aim=1.25    # the CPU time to the window shown as a multiple of the OLE window's
big_start_aim=1.2   # the start with the big picture as a multiple of the start with the sample's
big_memory_aim=40   # MiB, peak memory with the big picture
apply_aim=2000      # microseconds
settings_key='HKCU\SOFTWARE\www.kalvex.example\ICQLiteKalvex\Settings'
ticks_per_second="$(getconf CLK_TCK)"

now_us() { echo "${EPOCHREALTIME//[.,]/}"; }
# The user and system CPU time of a process so far, in clock ticks.
cpu_ticks() {
  local fields
  read -r -a fields < "/proc/$1/stat" 2>/dev/null || { echo 0; return; }
  # The name (field 2) holds no blanks for Wine's processes: utime and stime are 14 and 15.
  echo $(( fields[13] + fields[14] ))
}

# This prefix's Wine server: the one whose working folder is the prefix's server folder,
# named after the prefix's device and inode (its parent folder differs between builds of Wine).
server_pid() {
  local folder pid
  folder="$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))"
  for pid in /proc/[0-9]*; do
    if [[ "$(readlink "$pid/cwd" 2>/dev/null)" == */"$folder" && "$(cat "$pid/comm" 2>/dev/null)" == wineserver* ]]; then
      echo "${pid#/proc/}"
      return
    fi
  done
  echo "no Wine server for $WINEPREFIX" >&2
  return 1
}

# Notes the moment each top-level window is mapped, as the X server tells it: looking for the
# window by polling would add tens of milliseconds of its own. With it, the CPU time that the
# program started last (its id in $started) and the Wine server have used so far, read at the
# notice rather than when the script next looks. Writes "microseconds id program server".
note_maps() {
  local line stamp details pid
  while IFS= read -r line; do
    case "$line" in
      MapNotify*) stamp="${EPOCHREALTIME//[.,]/}"
                  pid="$(cat "$started" 2>/dev/null || true)"
                  IFS= read -r details
                  details="${details#*window }"
                  echo "$stamp ${details%%,*} $(cpu_ticks "${pid:-0}") $(cpu_ticks "$server")" ;;
    esac
  done
}

# The map time, id and CPU times of the first window of process PID mapped since BEGIN.
window_of() {
  local stamp id program_ticks server_ticks
  while read -r stamp id program_ticks server_ticks; do
    if [ "$stamp" -ge "$2" ] && [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$1" ]; then
      echo "$stamp $id $program_ticks $server_ticks"
      return
    fi
  done < "$maps"
}

# Starts PROGRAM, waits until its first window is shown and closes it as a user would.
# Prints the microseconds from start to window mapped, the peak resident memory in KiB and
# the CPU time in milliseconds up to the window, the program's and the Wine server's.
start_once() {
  local begin pid found="" shown window peak program_ticks server_ticks server_before
  sleep 0.5  # the previous program's end settles first
  server_before="$(cpu_ticks "$server")"
  begin="$(now_us)"
  "${KX_WINE:-wine}" "$1" &
  pid=$!
  echo "$pid" > "$started"
  # Looking seldom keeps the processor to the program; the time comes from the notification.
  until found="$(window_of "$pid" "$begin")"; [ -n "$found" ]; do
    if ! kill -0 "$pid" 2>/dev/null || [ $(( $(now_us) - begin )) -gt 60000000 ]; then
      echo "$1 showed no window" >&2
      kill "$pid" 2>/dev/null || true
      return 1
    fi
    sleep 0.1
  done
  read -r shown window program_ticks server_ticks <<< "$found"
  sleep 0.5  # the first paint belongs to the memory it needs
  peak="$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")"
  # Keys typed into the focused window, not sent to it: Wine never sees the release of keys
  # sent to a window that closes on them and would close the next program's window too.
  xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$(( shown - begin )) $peak $(( program_ticks * 1000 / ticks_per_second ))" \
       "$(( (server_ticks - server_before) * 1000 / ticks_per_second ))"
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
lowest() { printf '%s\n' "$@" | sort -g | head -n 1; }
highest() { printf '%s\n' "$@" | sort -g | tail -n 1; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f s", us / 1e6 }'; }
# The median of the start times in microseconds, with their range.
start_times() { printf '%s (%s to %s)' "$(seconds "$(median "$@")")" "$(seconds "$(lowest "$@")")" "$(seconds "$(highest "$@")")"; }
milliseconds() { awk -v us="$1" 'BEGIN { printf "%.3f ms", us / 1e3 }'; }
mebibytes() { awk -v kib="$1" 'BEGIN { printf "%.1f MiB", kib / 1024 }'; }
met() { if [ "$1" = 1 ]; then echo yes; else echo no; fi; }
at_most() { awk -v v="$1" -v a="$2" 'BEGIN { print (v <= a) }'; }

# The programs started in each round, in this order, and what each start needs beforehand
# (untimed). A new measured start is one more name here, with its program and preparation.
subjects=(bare ole kalvex big)
declare -A program=([bare]="$bare_window" [ole]="$ole_window" [kalvex]="$kx_program" [big]="$kx_program")
declare -A label=([bare]="bare Win32 window" [ole]="bare window with OLE and common controls 6"
                  [kalvex]="Kalvex3" [big]="Kalvex3 with a 4000 x 3000 JPEG")
prepare() {
  case "$1" in
    kalvex) "$KX_WINE" reg delete "$settings_key" /v PicturePath /f /reg:64 >/dev/null 2>&1 || true ;;
    big) "$KX_WINE" reg add "$settings_key" /v PicturePath /t REG_SZ /d "$("$KX_WINE" winepath -w "$big_picture" | tr -d '\r')" \
           /f /reg:64 >/dev/null ;;
  esac
}

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
started="$(mktemp)"
wineserver -p
server="$(server_pid)"
stdbuf -oL xev -root -event substructure > >(note_maps > "$maps") &
xev=$!
trap 'wineserver -k; kill "$xev"; rm -f "$maps" "$started"' EXIT
# A first start of each program that does not count: every counted start then finds Wine
# equally warm. The programs take turns, so that what else the machine does at a moment
# weighs on all of them alike, and each round's ratios compare starts made side by side.
declare -A times peaks cpu cpu_totals
for subject in "${subjects[@]}"; do prepare "$subject"; start_once "${program[$subject]}" >/dev/null; done
for _ in $(seq "$starts"); do
  for subject in "${subjects[@]}"; do
    prepare "$subject"
    read -r time peak program_ms server_ms < <(start_once "${program[$subject]}")
    total_ms=$(( program_ms + server_ms ))
    times[$subject]+="$time " peaks[$subject]+="$peak " cpu[$subject]+="$total_ms:$program_ms:$server_ms "
    cpu_totals[$subject]+="$total_ms "
  done
done
prepare kalvex

measure_apply

# The median of the rounds' ratios of two subjects' figures (start times or CPU times, the
# array named first), with their range: a ratio of medians would set a quick start of one
# beside a slow start of the other.
ratio() {  # ARRAY A B
  local -n figures="$1"
  local ratios
  read -r -a ratios <<< "$(paste -d ' ' <(tr ' ' '\n' <<< "${figures[$2]}") <(tr ' ' '\n' <<< "${figures[$3]}") |
    awk 'NF == 2 { printf "%.4f ", $1 / $2 }')"
  printf '%.2f (%.2f to %.2f)' "$(median "${ratios[@]}")" "$(lowest "${ratios[@]}")" "$(highest "${ratios[@]}")"
}
ratio_row() {  # ARRAY MEASURE A B TEXT AIM
  local result; result="$(ratio "$1" "$3" "$4")"
  if [ -n "$6" ]; then
    echo "| $2, $5 | $result | at most $6 | $(met "$(at_most "${result%% *}" "$6")") |"
  else
    echo "| $2, $5 | $result | | |"
  fi
}
cpu_row() {
  local totals=() programs=() servers=() entry
  for entry in ${cpu[$1]}; do
    IFS=: read -r total program_ms server_ms <<< "$entry"
    totals+=("$total") programs+=("$program_ms") servers+=("$server_ms")
  done
  echo "| CPU time to window shown, ${label[$1]} | $(median "${totals[@]}") ms (program $(median "${programs[@]}") ms, Wine server $(median "${servers[@]}") ms) | | |"
}
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
echo "$("$KX_WINE" --version), $starts rounds of starts: median (range), $(date +%Y-%m-%d)"
echo
echo "| Measure | Result | Aim | Met |"
echo "|---|---|---|---|"
for subject in "${subjects[@]}"; do
  read -r -a list <<< "${times[$subject]}"
  echo "| Start to window shown, ${label[$subject]} | $(start_times "${list[@]}") | | |"
done
ratio_row times "Start time" ole bare "OLE window / bare window" ""
ratio_row times "Start time" kalvex bare "Kalvex3 / bare window" "$start_aim"
ratio_row times "Start time" kalvex ole "Kalvex3 / OLE window" "$ole_start_aim"
ratio_row times "Start time" big kalvex "4000 x 3000 JPEG / sample picture" "$big_start_aim"
for subject in "${subjects[@]}"; do cpu_row "$subject"; done
ratio_row cpu_totals "CPU time" kalvex ole "Kalvex3 / OLE window" "$ole_cpu_aim"
size_rows "$kx_program" "$kx_control_library" ", 64-bit"
size_rows "${kx_program%/windows/*}/windows32/app/Kalvex3.exe" \
          "${kx_control_library%/windows/*}/windows32/button/win32/Vantor1.dll" ", 32-bit"
echo "| One Apply | $apply_text | under 2 ms | $apply_met |"
for subject in "${subjects[@]}"; do
  read -r -a list <<< "${peaks[$subject]}"
  peak="$(median "${list[@]}")"
  if [ "$subject" = big ]; then
    echo "| Peak memory, ${label[$subject]} | $(mebibytes "$peak") | at most $big_memory_aim MiB |" \
         "$(met "$(at_most "$peak" $(( big_memory_aim * 1024 )))") |"
  else
    echo "| Peak memory, ${label[$subject]} | $(mebibytes "$peak") | | |"
  fi
done
