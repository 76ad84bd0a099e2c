# Shared by the end-to-end scripts: runs them inside a fresh X server and
# offers the steps a user takes. Source it with the script's arguments; the
# script sets `tool` to the x11_window_tool before closing a window.
# The server never resets: it would when its last client leaves (an xdotool
# call, say), and a program connecting during the reset aborts.
if [ -z "${KOPIRA_E2E_IN_XVFB:-}" ]; then
  exec env KOPIRA_E2E_IN_XVFB=1 xvfb-run -a -s "-screen 0 ${KOPIRA_E2E_SCREEN:-1280x1024x24} -noreset ${KOPIRA_E2E_XVFB_ARGS:-}" "$0" "$@"
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

# Clicks at a point of a window's client area and puts text there; with
# "replace" it replaces the box's text.
type_at() {
  local window=$1 x=$2 y=$3
  xdotool windowfocus --sync "$window"
  xdotool mousemove --window "$window" "$x" "$y" click 1
  type_here "$4" "${5:-append}"
}

# Puts text into the box with the keyboard focus and waits until the box
# holds it. The text goes through the clipboard: xdotool typing Japanese
# changes the keymap for each character and loses characters on a busy
# machine. A paste that came too early is made again.
type_here() {
  local text=$1 how=${2:-append}
  for _ in 1 2 3; do
    offer_clipboard "$text"
    if [ "$how" = replace ]; then xdotool key ctrl+a ctrl+v; else xdotool key ctrl+End ctrl+v; fi
    if copied_by ctrl+a ctrl+c | grep -qF -- "$text"; then
      xdotool key ctrl+End
      return 0
    fi
  done
  fail "the box does not show '$text'"
}

# Whether the box with the keyboard focus holds the text (copied out of it).
focused_box_holds() {
  offer_clipboard "kopira-e2e: nothing copied"
  copied_by ctrl+a ctrl+c | grep -qF -- "$1"
}

# Serves text as the clipboard's content, from a process ($clip) that ends
# as soon as another program takes the clipboard.
offer_clipboard() {
  printf '%s' "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
  clip=$!
  for _ in $(seq 1 100); do
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ] && return 0
    sleep 0.05
  done
  fail "the clipboard does not take a text"
}

# Presses keys that copy out of the program, waits until the program holds
# the clipboard (the offer_clipboard process then ends; keys are handled in
# order, so whatever came before the copy is done) and prints its content.
copied_by() {
  xdotool key "$@"
  for _ in $(seq 1 100); do
    kill -0 "$clip" 2>/dev/null || break
    sleep 0.05
  done
  kill "$clip" 2>/dev/null || true
  wait "$clip" 2>/dev/null || true
  xclip -o -selection clipboard 2>/dev/null || true
}

# The program's files are CP932; ini_value prints a stored setting: section, key.
utf8() { iconv -f CP932 -t UTF-8 "$1"; }
ini_value() { utf8 Kopira.ini | tr -d '\r' | sed -n "/^\[$1\]/,/^\[/p" | sed -n "s/^$2=//p"; }

# The colleagues of a folder shared through a group: kopira-e2e-a and
# kopira-e2e-b in the group $office, kopira-e2e-c outside it.
office=kopira-e2e-office
make_office_users() {
  getent group "$office" >/dev/null || groupadd --system "$office"
  for u in kopira-e2e-a kopira-e2e-b kopira-e2e-c; do
    id "$u" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$u"
  done
  usermod -a -G "$office" kopira-e2e-a
  usermod -a -G "$office" kopira-e2e-b
}

# Closes a window as its close button does and waits for the program's end.
close_and_wait_for_end() {
  "$tool" close "$1"
  wait_for_end
}

# Waits for the program's end, which must be a clean one.
wait_for_end() {
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then fail "the program still runs after its main window closed"; fi
  wait "$pid" || fail "the program ended with status $?"
}
