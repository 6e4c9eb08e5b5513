#!/usr/bin/env bash
# Kalvex3 as a user meets it: the program as built, with Vantor1.dll beside it, in a Wine
# prefix of its own with the sample client, on the current display. First start, a picture
# chosen in the open-file dialog and applied, the banners removed, English chosen in the
# settings, the window moved and closed; the next start finds it all again; then Apply
# against a page that has gone ends in the error report. The program is driven from
# outside: clicks, texts and answers through driver.exe, typing through the X server.
# Usage: scenario.sh WINE_RUN PREFIX Kalvex3.exe driver.exe
set -euo pipefail
run="$1" prefix="$2" program="$3" driver_program="$4"
cd "$(dirname "$0")/../.."
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" KX_WINE="$run"

fail() { echo "FAILED: $*" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || fail "needs a display, for example through xvfb-run"
# The first start speaks the user's language: German, told apart from the English chosen later.
locale -a | grep -qix 'de_DE\.utf-\?8' || fail "needs the de_DE.UTF-8 locale (tools/install-deps.sh makes it)"

pid=""
finish() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
}
trap finish EXIT

driver() { "$run" "$driver_program" "$@"; }
main=(Kalvex3.Form "ICQLite Kalvex 3")
message=('#32770' Kalvex3)
settings_dialog=(Kalvex3.Form Einstellungen)
report=(KalvexShowError Error)
data="$prefix/drive_c/Program Files (x86)/ICQLite/LiteDataFiles"
picture='C:\Bilder\Urlaub.bmp'
settings='HKCU\SOFTWARE\www.kalvex.example\ICQLiteKalvex\Settings'
removed_banner='<root> <info>Banner removed with Kalvex</info> </root>'

# Where the user finds the main window's controls, in pixels of its client area: the stored
# layout's twips at 96 dots per inch. Texts and places as the driver lists them.
open_button=(92 92) remove_banner_button=(92 44) apply_button=(152 252) settings_button=(228 300)
full_size_option=(30 152) url_option=(30 176) preview_centre=(236 69)
remove_banner_place=16,24 url_box_place=32,192 url_box_id=103
red=FF0000
# The settings dialog's language list and its Ok button.
language_list_id=101 ok_button_id=104
# The one text box of the error report window, and the text of a message box.
report_text_id=0 message_text_id=65535

start() {
  LC_ALL=de_DE.UTF-8 "$run" "$program" &
  pid=$!
  driver wait "${main[@]}" || fail "the main window did not show"
}

ended() {
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  ! kill -0 "$pid" 2>/dev/null || fail "the program did not end with its window"
  wait "$pid" || fail "the program ended with exit code $?"
  pid=""
}

# Keys are typed into the focused window, never sent to one: Wine would not see the release
# of keys sent to a window that closes on them.
type_into() {  # X-WINDOW KEYS...
  timeout 10 xdotool windowfocus --sync "$1" || fail "the window did not take the focus"
  shift
  timeout 20 xdotool "$@"
}

# The states (visible or hidden, disabled, checked) of the main window's control with this
# text or at this place.
states_of() {
  driver controls "${main[@]}" | key="$1" awk -F'\t' '$5 == ENVIRON["key"] || $3 == ENVIRON["key"] { print $4; exit }'
}
is() { [ "$(states_of "$1")" = "$2" ]; }
expect() { is "$1" "$2" || fail "'$1' is '$(states_of "$1")', expected '$2'"; }
shows_red_picture() { [ "$(driver pixel "${main[@]}" "${preview_centre[@]}")" = "$red" ]; }
# Tries the check for ten seconds at most: the program may still be on its way there.
eventually() {
  for _ in $(seq 50); do
    "$@" && return 0
    sleep 0.2
  done
  "$@"
}

hidden() {
  local attributes
  attributes="$(driver attributes "C:\\Program Files (x86)\\ICQLite\\LiteDataFiles\\$1")" || return 1
  (( attributes & 2 ))
}
stored() { "$run" reg query "$settings" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 \{4\}REG_SZ \{4\}//p"; }
expect_stored() { [ "$(stored "$1")" = "$2" ] || fail "stored $1 is '$(stored "$1")', expected '$2'"; }

page_for() {  # PICTURE-URL
  printf '%s' "<html><head><title>ICQ</title></head><body border=\"0\" topmargin=\"0\" leftmargin=\"0\" scroll=\"no\">" \
    "<table width=\"100%\" border=\"0\"><tr><a href=\"$1\" target=\"_new\"><img src=\"$1\" width=\"120\" height=\"90\"" \
    " border=\"0\"></a></tr></table></body></html>"
}

echo "First start, without settings, against a freshly installed sample client"
"$run" reg delete 'HKCU\SOFTWARE\www.kalvex.example' /reg:64 /f >/dev/null 2>&1 || true
for view in 32 64; do "$run" reg delete 'HKLM\SOFTWARE\Mirabilis' "/reg:$view" /f >/dev/null 2>&1 || true; done
rm -rf "$prefix/drive_c/Program Files (x86)/ICQLite" "$prefix/drive_c/Bilder"
tools/install-sample-client.sh >/dev/null
mkdir -p "$prefix/drive_c/Bilder"
convert -size 8x6 "xc:#$red" "BMP3:$prefix/drive_c/Bilder/Urlaub.bmp"
start
expect "Vorschau" visible
expect "Beim Klicken auf das Bild..." visible
expect "Bild in original Größe anzeigen" visible,checked
expect "Folgende URL öffnen" visible
expect "Das Bild wurde gelöscht oder verschoben" hidden
expect "$remove_banner_place" visible
expect "$url_box_place" visible,disabled
[ "$(driver text "${main[@]}" "$url_box_id")" = www.kalvex.example ] || fail "the link box does not hold the default"

echo "Choose Picture: the path typed into the open-file dialog"
driver click "${main[@]}" "${open_button[@]}"
driver wait '#32770' '*' || fail "no open-file dialog"
main_window="$(timeout 10 xdotool search --onlyvisible --name '^ICQLite Kalvex 3$' | head -n 1)"
# The dialog's window on the display may come a moment after the dialog itself.
dialog_window=""
for _ in $(seq 50); do
  dialog_window="$(timeout 10 xdotool search --onlyvisible --pid "$pid" | grep -vx "$main_window" | head -n 1)" || true
  [ -z "$dialog_window" ] || break
  sleep 0.2
done
[ -n "$dialog_window" ] || fail "the open-file dialog has no window on the display"
type_into "$dialog_window" type --delay 20 "$picture"
timeout 10 xdotool key Return
driver gone '#32770' '*' || fail "the open-file dialog stays"
eventually shows_red_picture || fail "the preview does not show the chosen picture"
expect "Das Bild wurde gelöscht oder verschoben" hidden

echo "Apply, with a link typed and the picture itself chosen to open"
driver click "${main[@]}" "${url_option[@]}"
eventually is "$url_box_place" visible || fail "the link box is not enabled"
driver settext "${main[@]}" "$url_box_id" 'www.example.org\bilder'
driver click "${main[@]}" "${full_size_option[@]}"
driver click "${main[@]}" "${apply_button[@]}"
driver wait "${message[@]}" || fail "no confirmation"
[ "$(driver text "${message[@]}" "$message_text_id")" = "Änderungen wurden übernommen" ] || fail "wrong confirmation"
cmp "$data/climage.html" <(page_for 'file://C:/Bilder/Urlaub.bmp') || fail "the page differs from the expected one"
hidden climage.html || fail "the page is not hidden"
driver press "${message[@]}" 1
driver gone "${message[@]}" || fail "the confirmation did not close"

echo "Remove Banner"
driver click "${main[@]}" "${remove_banner_button[@]}"
eventually is "$remove_banner_place" hidden || fail "Remove Banner is still shown"
for banner in banners.xml clbanner.xml; do
  cmp "$data/$banner" <(printf '%s' "$removed_banner") || fail "$banner is not neutralised"
  hidden "$banner" || fail "$banner is not hidden"
done
driver gone "${message[@]}" || fail "a message came with the banner removal"

echo "Settings: English, Ok"
driver click "${main[@]}" "${settings_button[@]}"
driver wait "${settings_dialog[@]}" || fail "no settings dialog"
driver select "${settings_dialog[@]}" "$language_list_id" 1
driver press "${settings_dialog[@]}" "$ok_button_id"
driver gone "${settings_dialog[@]}" || fail "the settings dialog stays"
expect "Preview" visible
expect "On Picture click..." visible
expect "Show Picture in original size" visible,checked
expect "Open following URL" visible
expect "Banner is already removed" visible

echo "Move the window, close it with Alt+F4"
driver move "${main[@]}" 200 150
type_into "$main_window" key alt+F4
ended
expect_stored PicturePath "$picture"
expect_stored URL 'www.example.org\bilder'
expect_stored OpenURL False
expect_stored Language 2
expect_stored CloseAfterChange 0
expect_stored ICQLitePath 'C:\Program Files (x86)\ICQLite\'
expect_stored FormLeft 3000  # twips
expect_stored FormTop 2250

echo "Start again: all of it restored"
start
[ "$(driver place "${main[@]}")" = 200,150 ] || fail "the window is at $(driver place "${main[@]}"), not where it was left"
expect "Preview" visible
expect "Show Picture in original size" visible,checked
expect "Open following URL" visible
expect "$remove_banner_place" hidden
expect "Das Bild wurde gelöscht oder verschoben" hidden
eventually shows_red_picture || fail "the preview does not show the stored picture"
[ "$(driver text "${main[@]}" "$url_box_id")" = 'www.example.org\bilder' ] || fail "the link is not restored"

echo "Apply against a page that has gone: the error report"
rm "$data/climage.html"
driver click "${main[@]}" "${url_option[@]}"
eventually is "$url_box_place" visible || fail "the link box is not enabled"
driver settext "${main[@]}" "$url_box_id" 'www.kalvex.example/neu'
driver click "${main[@]}" "${apply_button[@]}"
driver wait "${report[@]}" || fail "no error report"
text="$(driver text "${report[@]}" "$report_text_id" | tr -d '\r')"
grep -qx '  Description: File not found' <<< "$text" || fail "the report does not tell the error: $text"
stack="$(grep '^  Call Stack: ' <<< "$text")" || fail "the report has no call stack: $text"
[ "$(wc -l <<< "$stack")" = 2 ] || fail "the call stack is not two lines: $stack"
[[ "$(sed -n 1p <<< "$stack")" == "  Call Stack: clsKalvex3.ChangePicture(strPicturePath='$picture', "* ]] ||
  fail "the call stack does not begin with ChangePicture: $stack"
[[ "$(sed -n 2p <<< "$stack")" == "  Call Stack: frmMain.cbtnApply_Click()  at Line 40 "* ]] ||
  fail "the call stack does not end with Apply: $stack"
driver gone "${message[@]}" || fail "a confirmation came with the error"
[ ! -e "$data/climage.html" ] || fail "a page was written"
expect_stored URL 'www.example.org\bilder'

driver close "${report[@]}"
driver gone "${report[@]}" || fail "the error report did not close"
driver close "${main[@]}"
ended
echo "Kalvex3 went from first start to restart and error report as a user sees it."
