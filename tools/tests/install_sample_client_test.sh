#!/usr/bin/env bash
# Checks that the sample client lands where the program's locator looks for it, and that a
# client already registered in the prefix is left as it is. It starts from a prefix without
# any client and leaves none behind.
# Usage: install_sample_client_test.sh WINE_RUN PREFIX
set -euo pipefail
cd "$(dirname "$0")/../.."
export KX_WINE="$1" WINEPREFIX="$2"
fail() { echo "FAILED: $*" >&2; exit 1; }
key='HKLM\SOFTWARE\Mirabilis\ICQ\ICQLite'
registered() {  # VIEW
  "$KX_WINE" reg query "$key" /v FileName "/reg:$1" 2>/dev/null | tr -d '\r' | sed -n 's/^ *FileName \{4\}REG_SZ \{4\}//p'
}
unregister() { for view in 32 64; do "$KX_WINE" reg delete 'HKLM\SOFTWARE\Mirabilis' "/reg:$view" /f >/dev/null 2>&1 || true; done; }
installed="$WINEPREFIX/drive_c/Program Files (x86)/ICQLite"

forget_client() { unregister; rm -rf "$installed"; }
trap forget_client EXIT
forget_client

tools/install-sample-client.sh >/dev/null
# As the 32-bit client registers itself on 64-bit Windows: in the 32-bit view only.
[ -z "$(registered 64)" ] || fail "registered in the 64-bit view"
# The locator cuts the registered name back by two components and expects ICQLite.exe there.
name="$(registered 32)"
folder="${name%\\*}"
folder="${folder%\\*}"
[ "${folder:0:3}" = 'C:\' ] || fail "registered '$name' is not on drive C"
folder="$WINEPREFIX/drive_c/${folder:3}"
[ -f "${folder//\\//}/ICQLite.exe" ] || fail "no ICQLite.exe two folders above '$name'"
for file in climage.html climage.gif banners.xml clbanner.xml; do
  cmp -s "${folder//\\//}/LiteDataFiles/$file" "tools/sample-client/ICQLite/LiteDataFiles/$file" ||
    fail "LiteDataFiles/$file is missing or differs"
done

# A client registered in either view stays as it is.
for view in 32 64; do
  rm -rf "$installed"
  unregister
  "$KX_WINE" reg add "$key" /v FileName /t REG_SZ /d 'D:\Own\ICQLite\Bin\ICQLite.exe' "/reg:$view" /f >/dev/null
  tools/install-sample-client.sh >/dev/null
  [ "$(registered "$view")" = 'D:\Own\ICQLite\Bin\ICQLite.exe' ] || fail "the client registered in view $view was replaced"
  [ ! -e "$installed" ] || fail "the sample client was installed beside one registered in view $view"
done
echo "The sample client is found through its registration and never replaces another."
