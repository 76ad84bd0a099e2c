# Shared by the end-to-end scripts: runs them inside a fresh X server and
# offers the steps a user takes. Source it with the script's arguments; the
# script sets `tool` to the x11_window_tool before closing a window.
if [ -z "${KOPIRA_E2E_IN_XVFB:-}" ]; then
  exec env KOPIRA_E2E_IN_XVFB=1 xvfb-run -a -s "-screen 0 ${KOPIRA_E2E_SCREEN:-1280x1024x24} ${KOPIRA_E2E_XVFB_ARGS:-}" "$0" "$@"
fi
unset QT_QPA_PLATFORM

pid=
fail() { echo "FAIL: $*" >&2; exit 1; }

# A scratch folder holding a copy of the program: the settings file goes
# beside the program, the history and notes into the working folder.
enter_scratch_folder() {
  scratch=$(mktemp -d)
  trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
  cp "$1" "$scratch/kopira"
  cd "$scratch"
}

# With both note files there the program starts without asking for them.
provide_note_files() {
  printf '' > memo2.txt
  printf '' > memo3.txt
}

start_program() {
  ./kopira &
  pid=$!
}

# Openbox, to see the windows as a user's desktop frames them; it ends
# with the X server.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not start"
}

# A framed window's outer bounds, frame included: "LEFT,TOP WIDTHxHEIGHT".
outer_bounds() {
  local x y w h left right top bottom
  read -r x y w h < <(xwininfo -id "$1" | sed -n 's/.*\(Absolute upper-left [XY]\|Width\|Height\): *//p' | tr '\n' ' ')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')
  echo "$((x - left)),$((y - top)) $((w + left + right))x$((h + top + bottom))"
}

# Waits until a window's outer bounds (or, with a pattern, the part it
# matches) are as expected; prints what they last were.
wait_for_outer_bounds() {
  local window=$1 expected=$2 seen=
  for _ in $(seq 1 30); do
    seen=$(outer_bounds "$window")
    [[ "$seen" == $expected ]] && break
    sleep 0.1
  done
  echo "$seen"
}

# The id of the shown window with exactly this title, waiting for it.
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

# Clicks at a point of a window's client area and types there; with
# "replace" the box's text is selected first.
type_at() {
  local window=$1 x=$2 y=$3 text=$4 how=${5:-append}
  xdotool windowfocus --sync "$window"
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.2
  if [ "$how" = replace ]; then xdotool key ctrl+a; else xdotool key ctrl+End; fi
  xdotool type --delay 80 "$text"
  sleep 0.2
}

# The program's files are CP932; ini_value prints a stored setting: section, key.
utf8() { iconv -f CP932 -t UTF-8 "$1"; }
ini_value() { utf8 Kopira.ini | tr -d '\r' | sed -n "/^\[$1\]/,/^\[/p" | sed -n "s/^$2=//p"; }

# Closes a window as its close button does and waits for the program's end.
close_and_wait_for_end() {
  "$tool" close "$1"
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then fail "the program still runs after its main window closed"; fi
  wait "$pid" || fail "the program ended with status $?"
}
