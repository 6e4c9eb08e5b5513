#!/usr/bin/env bash
# Installs Kalvex3 silently into a Wine prefix, checks where its files, control registrations
# and uninstall entry went, removes it silently and checks that nothing of it is left in the
# files or either registry view, while the user's own settings stay.
# With the 32-bit Vantor1.dll as last argument the prefix is a WoW64 one: the given 64-bit pair
# belongs in Program Files and the 64-bit view, the 32-bit library in Program Files (x86) and
# the 32-bit view. Without it the prefix is a 32-bit one and the given pair is the 32-bit one.
# Usage: test_install_and_remove.sh WINE_RUN PREFIX SETUP.exe Kalvex3.exe Vantor1.dll [Vantor1-32.dll]
set -euo pipefail
run="$1" prefix="$2" setup="$3" built_exe="$4" built_dll="$5" built_dll32="${6:-}"
view=32
[ -z "$built_dll32" ] || view=64

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
programs='./Program Files/Kalvex3' programs32='./Program Files (x86)/Kalvex3'
# The uninstaller goes on in a copy of itself in the user's temporary folder (~nsu*.tmp) and
# returns at once. The prefix's server outlives it, serving the other tests: wait for the copy.
uninstaller_running() {
  local pid
  for pid in $(pgrep -f '~nsu' || true); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && return 0
  done
  return 1
}
await_uninstaller() {
  local tenths=0
  while uninstaller_running; do
    [ $((tenths += 1)) -le 1200 ] || return 1
    sleep 0.1
  done
}
fail() {
  echo "FAILED: $*" >&2
  # Remove a failed installation too: a prefix left with it would fail the next run as well.
  [ ! -f "$programs/Uninstall.exe" ] || { "$run" "$PWD/$programs/Uninstall.exe" /S; await_uninstaller; }
  exit 1
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# The data of value NAME of KEY in VIEW, or of its default value without NAME; empty if absent.
reg_data() {
  local query=(/v "${3:-}") name="${3:-(Default)}"
  [ -n "${3:-}" ] || query=(/ve)
  { "$run" reg query "$1" "${query[@]}" "/reg:$2" 2>/dev/null || true; } | tr -d '\r' |
    sed -n "s/^ *$name \{4\}REG_[A-Z_]* \{4\}//p"
}

# Every key and value of the machine's software branch in both views (one and the same in a
# 32-bit prefix) and of the user's, each line prefixed with its view and key, and every path
# below drive C, but for Wine's own keys in the user's branch, which Wine writes itself when
# the prefix's first programs start. The uninstaller runs from a copy in the user's temporary
# folder, which it cannot delete while running; that folder is left for Windows to clear, as
# on any NSIS removal.
snapshot() {
  local branch
  for branch in 'HKLM\Software 64' 'HKLM\Software 32' 'HKCU\Software 64'; do
    "$run" reg export "${branch% *}" "$(windows_path "$work/export.reg")" "/reg:${branch#* }" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' |
      awk -v view="${branch#* }" '/^\[/ { key = view $0; print key; next } NF { print key " " $0 }'
  done | grep -vF '[HKEY_CURRENT_USER\Software\Wine\' | sort > "$work/$1.registry"
  find . -mindepth 1 | grep -v '/Temp/~nsu[^/]*\.tmp' | sort > "$work/$1.files"
}

settings='HKCU\SOFTWARE\www.kalvex.example\ICQLiteKalvex\Settings'
"$run" reg add "$settings" /v Language /t REG_SZ /d 2 /f /reg:64 >/dev/null
cd "$prefix/drive_c"
snapshot before

"$run" "$setup" /S || fail "the installer ended with exit code $?"

snapshot installed
{
  printf '%s\n' "$programs"{,/Kalvex3.exe,/Uninstall.exe,/Vantor1.dll} \
    './ProgramData/Microsoft/Windows/Start Menu/Programs/Kalvex 3.lnk'
  [ -z "$built_dll32" ] || printf '%s\n' "$programs32"{,/Vantor1.dll}
} | sort > "$work/expected.files"
comm -13 "$work/before.files" "$work/installed.files" | diff "$work/expected.files" - >&2 ||
  fail "the setup did not add the files expected (<) but those marked >"
cmp -s "$programs/Kalvex3.exe" "$built_exe" || fail "Kalvex3.exe is not the one built"
cmp -s "$programs/Vantor1.dll" "$built_dll" || fail "Vantor1.dll is not the one built"
[ -z "$built_dll32" ] || cmp -s "$programs32/Vantor1.dll" "$built_dll32" || fail "the 32-bit Vantor1.dll is not the one built"

class='HKLM\Software\Classes\CLSID\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\InprocServer32'
server="$(reg_data "$class" $view)"
[ "${server,,}" = 'c:\program files\kalvex3\vantor1.dll' ] || fail "in the $view-bit view the button class is served by '$server'"
if [ -n "$built_dll32" ]; then
  server="$(reg_data "$class" 32)"
  [ "${server,,}" = 'c:\program files (x86)\kalvex3\vantor1.dll' ] || fail "in the 32-bit view the button class is served by '$server'"
fi
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvex3'
[ "$(reg_data "$uninstall_key" $view QuietUninstallString)" = '"C:\Program Files\Kalvex3\Uninstall.exe" /S' ] ||
  fail "no silent uninstall entry in the $view-bit view"

"$run" "$PWD/$programs/Uninstall.exe" /S || fail "the uninstaller ended with exit code $?"
await_uninstaller || fail "the uninstaller did not end within two minutes"

snapshot after
comm -13 "$work/before.registry" "$work/after.registry" > "$work/left.registry"
comm -13 "$work/before.files" "$work/after.files" > "$work/left.files"
if [ -s "$work/left.registry" ] || [ -s "$work/left.files" ]; then
  cat "$work/left.registry" "$work/left.files" >&2
  fail "the removal left the entries above"
fi
[ "$(reg_data "$settings" 64 Language)" = 2 ] || fail "the user's settings were removed"
echo "Installed in the $view-bit places, checked and removed without a trace; the user's settings stay."
