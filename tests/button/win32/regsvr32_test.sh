#!/bin/sh
# regsvr32 registers Vantor1.dll, the class can then be found by its ProgID, and
# unregistering leaves the classes of the machine and of the user as they were.
# Arguments: the Wine runner of the build, the library.
set -eu
run="$1"
library="$($run winepath -w "$2" | tr -d '\r')"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

classes() {
  for root in 'HKLM\Software\Classes' 'HKCU\Software\Classes'; do
    "$run" reg query "$root" /s 2>/dev/null | tr -d '\r'
  done > "$1"
}
query() { "$run" reg query "$1" /ve 2>/dev/null | tr -d '\r'; }
fail() { echo "FAILED: $*"; exit 1; }

classes "$work/before"
"$run" regsvr32 /s "$library" || fail "regsvr32 returned $?"
query 'HKCR\Vantor1.cButton\Clsid' | grep -q '{B6653820-FA71-47CE-9CEB-75C9CF9C1196}' || fail "no ProgID"
query 'HKCR\CLSID\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\InprocServer32' | grep -qF "$library" || fail "no server path"
query 'HKCR\CLSID\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\Control' >/dev/null || fail "not marked as a control"
query 'HKCR\TypeLib\{AADDFFBD-A1AD-4AA5-A0EC-623AB86D0480}\14.0' | grep -q Vantor1 || fail "no type library"

"$run" regsvr32 /u /s "$library" || fail "regsvr32 /u returned $?"
classes "$work/after"
diff -u "$work/before" "$work/after" || fail "unregistering left changes behind"
echo "registered and unregistered"
