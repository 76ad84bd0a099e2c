#!/usr/bin/env bash
# End-to-end: the main window's "戸籍住民票" button opens the request dialog
# beside it; afterwards both windows take typing; Esc closes the dialog, and
# Ctrl+Q the main window, storing what was typed into each.
#   family_request.sh KOPIRA X11_WINDOW_TOOL SCREENSHOT.png
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"

kopira=$1
tool=$2
screenshot=$3
main_caption='Kopira　v2.0'
dialog_caption='戸籍謄本と住民票の写し'

enter_scratch_folder "$kopira"
provide_note_files
start_program

main=$(find_window "$main_caption")
# BitBtn4 sits at 125, 48 (99 x 31) in Panel4, which sits at 506, 13.
xdotool mousemove --window "$main" 680 76 click 1
dialog=$(find_window "$dialog_caption")
geometry=$(xdotool getwindowgeometry "$dialog" | sed -n 's/ *Geometry: //p')
[ "$geometry" = "565x348" ] || fail "dialog is $geometry, expected 565x348"
xdotool search --onlyvisible --name "^${main_caption}\$" >/dev/null || fail "the main window is no longer shown"

# The main window's bar association box (506, 504; 239 x 23), then the
# dialog's mayor box (145, 41 in GroupBox1 at 8, 16; 368 x 23).
type_at "$main" 620 515 "Daiichi" replace
type_at "$dialog" 330 68 "Minato" replace
# And the main window once more, with the dialog still open.
type_at "$main" 620 565 "54321" replace
xdotool search --onlyvisible --name "^${dialog_caption}\$" >/dev/null || fail "the dialog closed"
sleep 0.3
"$tool" grab "$dialog" "$screenshot" || fail "no screenshot"

xdotool windowfocus --sync "$dialog"
xdotool mousemove --window "$dialog" 330 68 click 1 key Escape
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name "^${dialog_caption}\$" >/dev/null 2>&1 || break
  sleep 0.1
done
if xdotool search --onlyvisible --name "^${dialog_caption}\$" >/dev/null 2>&1; then fail "Esc left the dialog open"; fi
xdotool windowfocus --sync "$main"
xdotool mousemove --window "$main" 620 515 click 1 key ctrl+q
wait_for_end

[ "$(ini_value memo edit1.text)" = Daiichi ] || fail "typing into the main window did not arrive: '$(ini_value memo edit1.text)'"
[ "$(ini_value memo edit2.text)" = 54321 ] || fail "typing into the main window after the dialog did not arrive: '$(ini_value memo edit2.text)'"
[ "$(ini_value jyu edit1.text)" = Minato ] || fail "typing into the dialog did not arrive: '$(ini_value jyu edit1.text)'"
echo "dialog $geometry beside the main window; typing reached both; Esc and Ctrl+Q closed them; screenshot $screenshot"
