#!/usr/bin/env bash
# End-to-end: starts the real program in a fresh X server, finds the main
# window by its caption, checks its size, saves a screenshot, closes the
# window and checks that the program ended.
#   main_window.sh KOPIRA X11_WINDOW_TOOL SCREENSHOT.png
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"

kopira=$1
tool=$2
screenshot=$3
caption='Kopira　v2.0'

enter_scratch_folder "$kopira"
provide_note_files
start_program
window=$(find_window "$caption")

[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption is '$(xdotool getwindowname "$window")'"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')
[ "$geometry" = "770x700" ] || fail "window is $geometry, expected 770x700"

sleep 0.5  # let the first paint reach the server
"$tool" grab "$window" "$screenshot" || fail "no screenshot"

close_and_wait_for_end "$window"
echo "main window $geometry, screenshot $screenshot"
