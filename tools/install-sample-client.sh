#!/usr/bin/env bash
# Installs the sample ICQ Lite client of tools/sample-client into the Wine prefix named by
# WINEPREFIX, unless a client is registered there already: a user's own client is never
# touched. It is installed as the real 32-bit client is on 64-bit Windows: into
# Program Files (x86), registered in the 32-bit registry view. The client registers a file
# two folders below its installation folder, so that the program's locator, which cuts two
# path components off the registered name, arrives at the folder holding ICQLite.exe.
# That program file is the build's (target sample_client), a real 32-bit program without a
# manifest, which KX_SAMPLE_CLIENT_PROGRAM names when it is not the 64-bit build's.
set -euo pipefail
cd "$(dirname "$0")/.."
: "${WINEPREFIX:?names the Wine prefix to install into}"
program="${KX_SAMPLE_CLIENT_PROGRAM:-build/windows/sample-client/ICQLite.exe}"
# The 64-bit loader where there is one: a host may run no 32-bit code at all.
wine="${KX_WINE:-wine}"

key='HKLM\SOFTWARE\Mirabilis\ICQ\ICQLite'
registered_in() {  # VIEW: 32 or 64
  "$wine" reg query "$key" /v FileName "/reg:$1" 2>/dev/null | tr -d '\r' |
    awk '$1 == "FileName" { sub(/^ *FileName +REG_[A-Z_]+ */, ""); print }'
}
registered="$(registered_in 32)" || true
[ -n "$registered" ] || registered="$(registered_in 64)" || true
if [ -n "$registered" ]; then
  echo "Using the ICQ Lite client registered in $WINEPREFIX: $registered"
  exit 0
fi

[ -f "$program" ] || { echo "No $program: build the target sample_client first" >&2; exit 1; }
install_dir="$WINEPREFIX/drive_c/Program Files (x86)/ICQLite"
mkdir -p "$install_dir"
cp -R tools/sample-client/ICQLite/. "$install_dir/"
cp "$program" "$install_dir/ICQLite.exe"
"$wine" reg add "$key" /v FileName /t REG_SZ /d 'C:\Program Files (x86)\ICQLite\Bin\ICQLite.exe' /reg:32 /f >/dev/null
echo "Installed the sample ICQ Lite client in C:\\Program Files (x86)\\ICQLite of $WINEPREFIX"
