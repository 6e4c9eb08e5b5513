#!/usr/bin/env bash
# Installs Kalvex3 silently into the test prefix, checks its files, Start-menu entry, control
# registration and uninstall entry, removes it silently and checks that nothing of it is
# left in the files or the registry, while the user's own settings stay.
# Usage: test_install_and_remove.sh WINE_RUN PREFIX SETUP.exe Kalvex3.exe Vantor1.dll
set -euo pipefail
run="$1" prefix="$2" setup="$3" built_exe="$4" built_dll="$5"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# The data of value NAME of KEY, or of its default value without NAME.
reg_data() {
  local query=(/v "${2:-}") name="${2:-(Default)}"
  [ -n "${2:-}" ] || query=(/ve)
  "$run" reg query "$1" "${query[@]}" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$name \{4\}REG_[A-Z_]* \{4\}//p"
}

# Every value of both software branches, each line prefixed with its key, and every path below
# drive C. The uninstaller runs from a copy in the user's temporary folder, which it cannot
# delete while running; that folder is left for Windows to clear, as on any NSIS removal.
snapshot() {
  local hive
  for hive in 'HKEY_LOCAL_MACHINE\Software' 'HKEY_CURRENT_USER\Software'; do
    "$run" regedit /E "$(windows_path "$work/export.reg")" "$hive"
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' |
      awk '/^\[/ { key = $0; print; next } NF { print key " " $0 }'
  done | sort > "$work/$1.registry"
  (cd "$prefix/drive_c" && find . -mindepth 1 | grep -v '/Temp/~nsu[^/]*\.tmp' | sort) > "$work/$1.files"
}

settings='HKCU\SOFTWARE\www.kalvex.example\ICQLiteKalvex\Settings'
"$run" reg add "$settings" /v Language /t REG_SZ /d 2 /f >/dev/null
snapshot before

"$run" "$setup" /S || fail "the installer ended with exit code $?"

folder="$prefix/drive_c/Program Files/Kalvex3"
cmp -s "$folder/Kalvex3.exe" "$built_exe" || fail "Kalvex3.exe is not the one built"
cmp -s "$folder/Vantor1.dll" "$built_dll" || fail "Vantor1.dll is not the one built"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kalvex 3.lnk" ] || fail "no Start-menu entry"

server="$(reg_data 'HKCR\CLSID\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\InprocServer32')"
[ "${server,,}" = 'c:\program files\kalvex3\vantor1.dll' ] || fail "the button class is served by '$server'"
[ -n "$(reg_data 'HKCR\Vantor1.cButton\CLSID')" ] || fail "the button's ProgID is not registered"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvex3'
[ "$(reg_data "$uninstall_key" QuietUninstallString)" = '"C:\Program Files\Kalvex3\Uninstall.exe" /S' ] ||
  fail "no silent uninstall entry"

"$run" "$folder/Uninstall.exe" /S || fail "the uninstaller ended with exit code $?"
# It goes on in its temporary copy; all of it has ended once the prefix's server has.
WINEPREFIX="$prefix" timeout 120 wineserver -w || fail "the uninstaller did not end"

snapshot after
comm -13 "$work/before.registry" "$work/after.registry" > "$work/left.registry"
comm -13 "$work/before.files" "$work/after.files" > "$work/left.files"
if [ -s "$work/left.registry" ] || [ -s "$work/left.files" ]; then
  cat "$work/left.registry" "$work/left.files" >&2
  fail "the removal left the entries above"
fi
[ "$(reg_data "$settings" Language)" = 2 ] || fail "the user's settings were removed"
echo "Installed, checked and removed without a trace; the user's settings stay."
