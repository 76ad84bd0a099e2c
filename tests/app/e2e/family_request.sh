#!/usr/bin/env bash
# End-to-end: the main window's "戸籍住民票" button opens the request dialog
# beside it; afterwards both windows take typing, and what was typed into
# each is stored when the main window closes.
#   family_request.sh KOPIRA X11_WINDOW_TOOL SCREENSHOT.png
set -euo pipefail

if [ -z "${KOPIRA_E2E_IN_XVFB:-}" ]; then
  exec env KOPIRA_E2E_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

kopira=$1
tool=$2
screenshot=$3
main_caption='Kopira　v2.0'
dialog_caption='戸籍謄本と住民票の写し'

fail() { echo "FAIL: $*" >&2; exit 1; }

find_window() {
  local found=
  for _ in $(seq 1 100); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$found" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    sleep 0.1
  done
  [ -n "$found" ] || fail "no window titled '$1'"
  echo "$found"
}

# Clicks at a point of a window's client area, focuses it, replaces the
# text of the box there with the given text.
type_into() {
  local window=$1 x=$2 y=$3 text=$4
  xdotool windowfocus --sync "$window"
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.2
  xdotool key ctrl+a
  xdotool type --delay 20 "$text"
  sleep 0.2
}

pid=
scratch=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
cp "$kopira" "$scratch/kopira"
cd "$scratch"
printf '' > memo2.txt
printf '' > memo3.txt
unset QT_QPA_PLATFORM
./kopira &
pid=$!

main=$(find_window "$main_caption")
sleep 0.5
# BitBtn4 sits at 125, 48 (99 x 31) in Panel4, which sits at 506, 13.
xdotool mousemove --window "$main" 680 76 click 1
dialog=$(find_window "$dialog_caption")
geometry=$(xdotool getwindowgeometry "$dialog" | sed -n 's/ *Geometry: //p')
[ "$geometry" = "565x348" ] || fail "dialog is $geometry, expected 565x348"
xdotool search --onlyvisible --name "^${main_caption}\$" >/dev/null || fail "the main window is no longer shown"

# The main window's bar association box (506, 504; 239 x 23), then the
# dialog's mayor box (145, 41 in GroupBox1 at 8, 16; 368 x 23).
type_into "$main" 620 515 "Daiichi"
type_into "$dialog" 330 68 "Minato"
# And the main window once more, with the dialog still open.
type_into "$main" 620 565 "54321"
xdotool search --onlyvisible --name "^${dialog_caption}\$" >/dev/null || fail "the dialog closed"
sleep 0.3
"$tool" grab "$dialog" "$screenshot" || fail "no screenshot"

"$tool" close "$main"
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then fail "the program still runs after its main window closed"; fi
wait "$pid" || fail "the program ended with status $?"

ini=$(tr -d '\r' < Kopira.ini)
section() { printf '%s\n' "$ini" | sed -n "/^\[$1\]/,/^\[/p"; }
section memo | grep -qx 'edit1.text=Daiichi' || fail "typing into the main window did not arrive: $(section memo)"
section memo | grep -qx 'edit2.text=54321' || fail "typing into the main window after the dialog did not arrive: $(section memo)"
section jyu | grep -qx 'edit1.text=Minato' || fail "typing into the dialog did not arrive: $(section jyu)"
echo "dialog $geometry beside the main window; typing reached both; screenshot $screenshot"
