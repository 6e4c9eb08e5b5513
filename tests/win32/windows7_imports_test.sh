#!/bin/sh
# The program and the control library import nothing that Windows 7 SP1 lacks, in either
# bitness: a binary that does is not even loaded there. What later versions add is looked
# up at run time instead. Arguments: objdump, the program and the library of this build,
# then the 32-bit pair that a 64-bit build makes for its setup, skipped when it was not built.
set -eu
objdump="$1"
shift
newer='GetDpiForWindow|GetDpiForSystem|AdjustWindowRectExForDpi|SetThreadDpiAwarenessContext'
newer="$newer|GetThreadDpiAwarenessContext|SetProcessDpiAwarenessContext|GetDpiForMonitor|SetProcessDpiAwareness"
newer="$newer|EnableNonClientDpiScaling|GetSystemMetricsForDpi|SystemParametersInfoForDpi|CreateFile2"
newer="$newer|GetSystemTimePreciseAsFileTime|SetThreadDescription"

fail() { echo "FAILED: $*"; exit 1; }
# A line "library NAME" for each library imported from, "function NAME" for each function.
imports() {
  "$objdump" -p "$1" | awk -F '\t' '
    /^\tDLL Name: / { print "library", substr($2, 11) }
    /^\t[0-9a-f]+\t *[0-9]+  [^ ]+$/ { n = split($3, word, " "); print "function", word[n] }'
}

required=2
for binary in "$@"; do
  if [ ! -f "$binary" ]; then
    [ "$required" -le 0 ] || fail "$binary is missing"
    echo "not built, not checked: $binary"
    continue
  fi
  required=$((required - 1))
  listed="$(imports "$binary")"
  # Each looks functions up at run time itself: without this one the table was not read.
  echo "$listed" | grep -qx 'function GetProcAddress' || fail "no import table read from $binary"
  found="$(echo "$listed" | grep -ixE "function ($newer)|library api-ms-win-.*" || true)"
  [ -z "$found" ] || fail "$binary imports what Windows 7 lacks: $(echo "$found" | tr '\n' ' ')"
  echo "$binary: $(echo "$listed" | grep -c '^function') functions, all in Windows 7"
done
