#!/usr/bin/env bash
# Kalvex3 as a standard user meets it: run by an unprivileged Unix user, in a Wine prefix
# that user owns, against a client installed by root (folders 755, files 644), which Wine
# refuses that user's writes to as Windows refuses a standard user. A legacy client gets its
# page and banners in the user's VirtualStore and the next start sees the banners removed;
# a VirtualStore copy that is there already is rewritten; a client whose manifest names an
# execution level gets the question to start as administrator, and nothing is claimed.
# Needs root, which makes the user once; elsewhere it is skipped (exit code 77).
# Usage: standard_user.sh FOLDER Kalvex3.exe driver.exe ICQLite.exe WINE-LOADER
set -euo pipefail
folder="$(realpath -m "$1")" program="$2" driver_program="$3" client_program="$4" loader="$5"
cd "$(dirname "$0")/../.."
user=kx-standard-user
fail() { echo "FAILED: $*" >&2; exit 1; }
[ "$(id -u)" = 0 ] || { echo "Skipped: needs root, to run the program as another, unprivileged user"; exit 77; }
id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
  id -u "$user" >/dev/null || fail "cannot make the user $user"

# Wine wants the prefix and the folder above it owned by the user running it.
prefix="$folder/wineprefix"
mkdir -p "$folder"
chown "$user:" "$folder"
as_user() {
  setpriv --reuid="$user" --regid="$user" --clear-groups env HOME="$folder" WINEPREFIX="$prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" DISPLAY="$display" "$@"
}
display=""
as_user test -r "$program" -a -r "$driver_program" || fail "$user cannot reach the build folder: $program"

# A display of its own that the other user may use.
xvfb_pid=""
pid=""
finish() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  as_user wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap finish EXIT
Xvfb -displayfd 7 -ac -nolisten tcp -screen 0 1024x768x24 7>"$folder/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.05; done
display=":$(cat "$folder/display")"
[ "$display" != ":" ] || fail "no virtual display"

started=$SECONDS
if [ ! -f "$prefix/system.reg" ]; then
  echo "Creating the user's Wine prefix $prefix"
  # The loader of the build's bitness: where 32-bit Linux programs cannot run, Wine's own script fails.
  as_user "$loader" wineboot -i >/dev/null 2>&1
  as_user "$loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /reg:64 /f >/dev/null 2>&1
  as_user "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /reg:64 /f >/dev/null 2>&1
  as_user wineserver -w
fi
if [ -d /usr/share/wine/fonts ] && [ ! -e "$prefix/drive_c/windows/Fonts/sserife.fon" ]; then
  as_user sh -c 'ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"'
fi
echo "Prefix ready after $((SECONDS - started)) s"

client='C:\Program Files (x86)\ICQLite\'
client_dir="$prefix/drive_c/Program Files (x86)/ICQLite"
data="$client_dir/LiteDataFiles"
store="$prefix/drive_c/users/$user/AppData/Local/VirtualStore/Program Files (x86)/ICQLite/LiteDataFiles"
removed_banner='<root> <info>Banner removed with Kalvex</info> </root>'
main=(Kalvex3.Form "ICQLite Kalvex 3")
message=('#32770' Kalvex3)
message_text_id=65535 ok=1 no=7
apply_button=(152 252) remove_banner_button=(92 44) remove_banner_place=16,24

driver() { as_user "$loader" "$driver_program" "$@"; }
install_client() {  # PROGRAM-FILE: as an administrator installs it
  rm -rf "$client_dir" "$prefix/drive_c/users/$user/AppData/Local/VirtualStore"
  mkdir -p "$client_dir"
  cp -R tools/sample-client/ICQLite/. "$client_dir/"
  cp "$1" "$client_dir/ICQLite.exe"
  chown -R root:root "$client_dir"
  chmod -R u=rwX,go=rX "$client_dir"
}
start() {
  as_user "$loader" "$program" &
  pid=$!
  driver wait "${main[@]}" || fail "the main window did not show"
}
stop() {
  driver close "${main[@]}"
  wait "$pid" || fail "the program ended with exit code $?"
  pid=""
}
banner_button() { driver controls "${main[@]}" | awk -F'\t' -v p="$remove_banner_place" '$3 == p { print $4; exit }'; }
eventually() { for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done; "$@"; }
hidden() { (( $(driver attributes "$1") & 2 )); }
unchanged() { for f in climage.html banners.xml clbanner.xml; do cmp -s "$data/$f" "tools/sample-client/ICQLite/LiteDataFiles/$f" || fail "$f of the data folder changed"; done; }
page="<html><head><title>ICQ</title></head><body border=\"0\" topmargin=\"0\" leftmargin=\"0\" scroll=\"no\"><table width=\"100%\" border=\"0\"><tr><a href=\"file://C:/Program Files (x86)/ICQLite/LiteDataFiles/climage.gif\" target=\"_new\"><img src=\"file://C:/Program Files (x86)/ICQLite/LiteDataFiles/climage.gif\" width=\"120\" height=\"90\" border=\"0\"></a></tr></table></body></html>"
apply_confirmed() {
  driver click "${main[@]}" "${apply_button[@]}"
  driver wait "${message[@]}" || fail "no message after Apply"
  [ "$(driver text "${message[@]}" "$message_text_id")" = "Changes have been applied" ] ||
    fail "Apply ended in: $(driver text "${message[@]}" "$message_text_id")"
  driver press "${message[@]}" "$ok"
  driver gone "${message[@]}" || fail "the confirmation did not close"
}

# Wine's registry has UAC off (EnableLUA 0), as if every user were an administrator; a
# standard user's Windows since Vista has it on.
as_user "$loader" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Policies\System' /v EnableLUA \
  /t REG_DWORD /d 1 /reg:64 /f >/dev/null
as_user "$loader" reg add 'HKLM\SOFTWARE\Mirabilis\ICQ\ICQLite' /v FileName /t REG_SZ /d "${client}Bin\\ICQLite.exe" /reg:32 /f >/dev/null
as_user "$loader" reg delete 'HKCU\SOFTWARE\www.kalvex.example' /reg:64 /f >/dev/null 2>&1 || true

echo "A legacy client: Apply and Remove Banner land in the VirtualStore"
install_client "$client_program"
start
apply_confirmed
cmp -s "$store/climage.html" <(printf '%s' "$page") || fail "the VirtualStore has no new page"
hidden "C:\\users\\$user\\AppData\\Local\\VirtualStore\\Program Files (x86)\\ICQLite\\LiteDataFiles\\climage.html" ||
  fail "the VirtualStore page is not hidden"
[ "$(banner_button)" = visible ] || fail "Remove Banner is not shown"
driver click "${main[@]}" "${remove_banner_button[@]}"
eventually [ "$(banner_button)" = hidden ] || fail "Remove Banner is still shown"
for banner in banners.xml clbanner.xml; do
  cmp -s "$store/$banner" <(printf '%s' "$removed_banner") || fail "$banner is not in the VirtualStore"
done
unchanged
stop

echo "The next start sees the banners removed; the VirtualStore's page is rewritten"
printf 'old' > "$store/climage.html"
start
[ "$(banner_button)" = hidden ] || fail "the next start does not see the banners removed"
apply_confirmed
cmp -s "$store/climage.html" <(printf '%s' "$page") || fail "the VirtualStore page was not rewritten"
unchanged
stop

echo "A client that names its execution level: the question, and nothing claimed"
install_client tests/fuzz/program_seeds/asinvoker32.exe
as_user "$loader" reg delete 'HKCU\SOFTWARE\www.kalvex.example' /reg:64 /f >/dev/null 2>&1 || true
start
driver click "${main[@]}" "${apply_button[@]}"
driver wait "${message[@]}" || fail "no question after Apply"
question="Kalvex 3 may not change the files of ICQ Lite in ${client}LiteDataFiles\\. This needs administrator rights. Start Kalvex 3 as administrator?"
[ "$(driver text "${message[@]}" "$message_text_id")" = "$question" ] ||
  fail "Apply ended in: $(driver text "${message[@]}" "$message_text_id")"
driver press "${message[@]}" "$no"
driver gone "${message[@]}" || fail "the question did not close"
[ ! -e "$store" ] || fail "something was written to the VirtualStore"
unchanged
! as_user "$loader" reg query 'HKCU\SOFTWARE\www.kalvex.example\ICQLiteKalvex\Settings' /reg:64 2>/dev/null |
  grep -q PicturePath || fail "the picture path was saved"
stop
echo "A standard user's changes land where the client reads them, $((SECONDS - started)) s in all."
