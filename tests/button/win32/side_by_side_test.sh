#!/bin/sh
# Both bitnesses registered machine-wide, as the setup does on 64-bit Windows: unregistering
# either leaves the other whole in its own registry view, and the shared ProgID and type
# library go only with the last one. Arguments: the Wine runner of the 64-bit build, the
# 64-bit library, the 32-bit library.
set -eu
run="$1"
lib64="$($run winepath -w "$2" | tr -d '\r')"
lib32="$($run winepath -w "$3" | tr -d '\r')"
classes='HKLM\Software\Classes'
server="$classes\\CLSID\\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\\InprocServer32"
typelib="$classes\\TypeLib\\{AADDFFBD-A1AD-4AA5-A0EC-623AB86D0480}\\e.0"
progid="$classes\\Vantor1.cButton\\Clsid"

fail() { echo "FAILED: $*"; exit 1; }
# The default value of a key in one view, empty when the key is missing.
value() { "$run" reg query "$1" /ve "$2" 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
regsvr32() { "$run" "C:\\windows\\$1\\regsvr32.exe" /s $2 "$3" || fail "regsvr32 $2 $3 returned $?"; }
expect() { [ "$(value "$1" "$2")" = "$3" ] || fail "$1 $2 is '$(value "$1" "$2")', not '$3'"; }

for leaving in 64 32; do
  regsvr32 syswow64 "" "$lib32"
  regsvr32 system32 "" "$lib64"
  if [ $leaving = 64 ]; then regsvr32 system32 /u "$lib64"; else regsvr32 syswow64 /u "$lib32"; fi
  staying=$((96 - leaving))
  eval "path=\$lib$staying"
  expect "$server" /reg:$leaving ""
  expect "$server" /reg:$staying "$path"
  expect "$typelib\\409\\win$leaving" /reg:64 ""
  expect "$typelib\\409\\win$staying" /reg:64 "$path"
  expect "$progid" /reg:64 "{B6653820-FA71-47CE-9CEB-75C9CF9C1196}"
  if [ $staying = 64 ]; then regsvr32 system32 /u "$lib64"; else regsvr32 syswow64 /u "$lib32"; fi
done
expect "$progid" /reg:64 ""
expect "$typelib" /reg:64 ""
echo "each bitness unregistered alone, the other stayed whole"
