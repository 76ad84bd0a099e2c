#!/usr/bin/env bash
# End-to-end: starts the real program in a fresh X server, finds the main
# window by its caption, checks its size, saves a screenshot, closes the
# window and checks that the program ended.
#   main_window.sh KOPIRA X11_WINDOW_TOOL SCREENSHOT.png
set -euo pipefail

if [ -z "${KOPIRA_E2E_IN_XVFB:-}" ]; then
  exec env KOPIRA_E2E_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

kopira=$1
tool=$2
screenshot=$3
caption='Kopira　v2.0'

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program keeps its settings beside itself and its history in the
# working folder: run a copy in a scratch folder.
pid=
scratch=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
cp "$kopira" "$scratch/kopira"
cd "$scratch"
unset QT_QPA_PLATFORM
./kopira &
pid=$!

window=
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled '$caption'"

[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption is '$(xdotool getwindowname "$window")'"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')
[ "$geometry" = "770x700" ] || fail "window is $geometry, expected 770x700"

sleep 0.5  # let the first paint reach the server
"$tool" grab "$window" "$screenshot" || fail "no screenshot"

"$tool" close "$window"
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then fail "the program still runs after its main window closed"; fi
wait "$pid" || fail "the program ended with status $?"
echo "main window $geometry, screenshot $screenshot"
