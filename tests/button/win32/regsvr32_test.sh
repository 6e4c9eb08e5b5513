#!/bin/sh
# regsvr32 registers Vantor1.dll, the class can then be found by its ProgID, and
# unregistering removes every entry that names the library or one of its identities while
# the keys that held them stay. (That nothing else changes is checked key by key in the
# per-user registration test; a whole-registry comparison here would also see what Wine
# itself writes meanwhile.) Arguments: the Wine runner of the build, the library, the
# registry view of the library's bitness (/reg:64 or /reg:32).
set -eu
run="$1"
library="$($run winepath -w "$2" | tr -d '\r')"
view="$3"
ours='Vantor1|B6653820-FA71-47CE-9CEB-75C9CF9C1196|AADDFFBD-A1AD-4AA5-A0EC-623AB86D0480'
ours="$ours|C3253F8D-429D-4A5A-91A1-E081EA0EBFAB|C74404E8-9CEE-4C92-B3CC-965E80BA7C3C"

fail() { echo "FAILED: $*"; exit 1; }
query() { "$run" reg query "$1" /ve "$view" 2>/dev/null | tr -d '\r'; }
entries_of_ours() {
  for root in 'HKLM\Software\Classes' 'HKCU\Software\Classes'; do
    "$run" reg query "$root" /s "$view" 2>/dev/null | tr -d '\r'
  done | grep -iE "$ours" || true
}

[ -z "$(entries_of_ours)" ] || fail "registered before the test"
"$run" regsvr32 /s "$library" || fail "regsvr32 returned $?"
query 'HKCR\Vantor1.cButton\Clsid' | grep -q '{B6653820-FA71-47CE-9CEB-75C9CF9C1196}' || fail "no ProgID"
query 'HKCR\CLSID\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\InprocServer32' | grep -qF "$library" || fail "no server path"
query 'HKCR\CLSID\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\Control' | grep -q Control || fail "not marked as a control"
query 'HKCR\TypeLib\{AADDFFBD-A1AD-4AA5-A0EC-623AB86D0480}\e.0' | grep -q Vantor1 || fail "no type library"
query 'HKCR\Interface\{C3253F8D-429D-4A5A-91A1-E081EA0EBFAB}' | grep -q _cButton || fail "no dual interface"

"$run" regsvr32 /u /s "$library" || fail "regsvr32 /u returned $?"
left="$(entries_of_ours)"
[ -z "$left" ] || fail "unregistering left behind: $left"
for holder in CLSID Interface TypeLib; do
  query "HKLM\\Software\\Classes\\$holder" >/dev/null || fail "removed $holder"
done
echo "registered and unregistered"
