#!/usr/bin/env bash
# Checks that the sample client lands where the program's locator looks for it, and that a
# client already registered in the prefix is left as it is. Uses a prefix of its own, since
# it has to start from a prefix without any client.
# Usage: install_sample_client_test.sh PREFIX
set -euo pipefail
cd "$(dirname "$0")/../.."
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
key='HKLM\SOFTWARE\Mirabilis\ICQ\ICQLite'
registered() { wine reg query "$key" /v FileName 2>/dev/null | tr -d '\r' | sed -n 's/^ *FileName \{4\}REG_SZ \{4\}//p'; }
installed="$WINEPREFIX/drive_c/Program Files/ICQLite"

mkdir -p "$WINEPREFIX"
wine reg delete 'HKLM\SOFTWARE\Mirabilis' /f >/dev/null 2>&1 || true
rm -rf "$installed"

tools/install-sample-client.sh >/dev/null
# The locator cuts the registered name back by two components and expects ICQLite.exe there.
name="$(registered)"
folder="${name%\\*}"
folder="${folder%\\*}"
[ "${folder:0:3}" = 'C:\' ] || fail "registered '$name' is not on drive C"
folder="$WINEPREFIX/drive_c/${folder:3}"
[ -f "${folder//\\//}/ICQLite.exe" ] || fail "no ICQLite.exe two folders above '$name'"
for file in climage.html climage.gif banners.xml clbanner.xml; do
  cmp -s "${folder//\\//}/LiteDataFiles/$file" "tools/sample-client/ICQLite/LiteDataFiles/$file" ||
    fail "LiteDataFiles/$file is missing or differs"
done

rm -rf "$installed"
wine reg add "$key" /v FileName /t REG_SZ /d 'D:\Own\ICQLite\Bin\ICQLite.exe' /f >/dev/null
tools/install-sample-client.sh >/dev/null
[ "$(registered)" = 'D:\Own\ICQLite\Bin\ICQLite.exe' ] || fail "the registered client was replaced"
[ ! -e "$installed" ] || fail "the sample client was installed beside a registered one"
echo "The sample client is found through its registration and never replaces another."
