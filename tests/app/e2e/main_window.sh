#!/usr/bin/env bash
# End-to-end: starts the real program in a fresh X server under a window
# manager, finds the main window by its caption, checks its outer bounds
# (frame included) and size limits, saves a screenshot, closes the window
# and checks that the program ended.
#   main_window.sh KOPIRA X11_WINDOW_TOOL SCREENSHOT.png
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"

kopira=$1
tool=$2
screenshot=$3
caption='Kopira　v2.0'

enter_scratch_folder "$kopira"
provide_note_files
start_window_manager
start_program
window=$(find_window "$caption")

[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption is '$(xdotool getwindowname "$window")'"
# No stored position: the frame's corner at 50, 50.
bounds=$(wait_for_outer_bounds "$window" "50,50 770x700")
[ "$bounds" = "50,50 770x700" ] || fail "window at $bounds, expected 50,50 770x700 with its frame"

sleep 0.5  # let the first paint reach the server
"$tool" grab "$window" "$screenshot" || fail "no screenshot"

# The limits hold for the outer size, whatever the frame.
xdotool windowsize "$window" 300 300
shrunk=$(wait_for_outer_bounds "$window" "* 510x530")
[ "${shrunk#* }" = 510x530 ] || fail "shrunk to ${shrunk#* }, expected 510x530"
xdotool windowsize "$window" 2000 2000
grown=$(wait_for_outer_bounds "$window" "* 770x700")
[ "${grown#* }" = 770x700 ] || fail "grown to ${grown#* }, expected 770x700"

close_and_wait_for_end "$window"
echo "main window $bounds with its frame, limits 510x530 to 770x700, screenshot $screenshot"
