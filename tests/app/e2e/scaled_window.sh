#!/usr/bin/env bash
# End-to-end: with the desktop's scale factor at 2 (QT_SCALE_FACTOR, or the
# screen's Xft.dpi at 192) the main window and every control in it come out
# twice their 96-dpi size and position: the window is 1540 x 1400 device
# pixels and, shrunk to half, looks like the window at scale factor 1.
#   scaled_window.sh KOPIRA X11_WINDOW_TOOL FOLDER-FOR-SCREENSHOTS
set -euo pipefail
export KOPIRA_E2E_SCREEN=1600x1500x24  # room for the doubled window
export KOPIRA_E2E_XVFB_ARGS=-noreset   # the X resources stay when a client leaves
source "$(dirname "$0")/e2e_lib.sh"

kopira=$1
tool=$2
shots=$3
caption='Kopira　v2.0'
mkdir -p "$shots"

enter_scratch_folder "$kopira"
provide_note_files

# Starts the program with a setting and saves a screenshot of its window.
shot_with() {
  local setting=$1 expected=$2 window geometry
  env "$setting" ./kopira &
  pid=$!
  window=$(find_window "$caption")
  geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')
  [ "$geometry" = "$expected" ] || fail "with $setting the window is $geometry, expected $expected"
  xdotool windowmove --sync "$window" 0 0
  sleep 0.8  # let the first paint reach the server
  "$tool" grab "$window" "$shots/$setting.png" || fail "no screenshot"
  close_and_wait_for_end "$window"
}

expect_enlarged() {
  local differing
  differing=$("$tool" halved "$shots/$1.png" "$shots/QT_SCALE_FACTOR=1.png")
  echo "$1: pixels that differ from the 96-dpi window after halving: $differing %"
  awk -v d="$differing" 'BEGIN { exit !(d < 1) }' || fail "with $1 the window is not the 96-dpi one enlarged ($differing % differ)"
}

shot_with QT_SCALE_FACTOR=1 770x700
shot_with QT_SCALE_FACTOR=2 1540x1400
expect_enlarged QT_SCALE_FACTOR=2
"$tool" resources "$(printf 'Xft.dpi:\t192\n')"
shot_with XFT_DPI=192 1540x1400
expect_enlarged XFT_DPI=192
