# Shared by the end-to-end scripts whose cases run the real program as root
# and as an unprivileged user in folders of their own. Source it with the
# script's arguments (KOPIRA X11_WINDOW_TOOL).
export KOPIRA_E2E_XVFB_ARGS=-ac  # the unprivileged user's program connects too
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

kopira=$1
tool=$2
main_caption='Kopira　v2.0'
[ "$(id -u)" -eq 0 ] || fail "needs root: it runs the program as a second user"
user=kopira-e2e
id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"

base=$(mktemp -d)
chmod 755 "$base"
mounted=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$mounted" ] && umount "$mounted"
  rm -rf "$base"
}
trap cleanup EXIT

# A case's folders: prog/ holds the program and its settings file, work/ is
# the working folder (history and notes), home/ the user's home with its
# state folder. Both note files are there unless a case says otherwise.
new_case() {
  case=$1
  dir=$base/$case
  mkdir -p "$dir"/{prog,work,home}
  cp "$kopira" "$dir/prog/kopira"
  printf '' > "$dir/work/memo2.txt"
  printf '' > "$dir/work/memo3.txt"
  echo "== $case"
}
cp932() { printf "$1" | iconv -f UTF-8 -t CP932; }

# A user's home: the case's one, or with own_homes set one for each user.
home_of() {
  if [ -n "${own_homes:-}" ]; then echo "$dir/home-$1"; else echo "$dir/home"; fi
}

# Starts the program as a user (with the user's groups), who first gets the
# case's folders (unless keep_owner is set: a second copy beside a running
# one, or folders the case shares out itself). With own_homes each user
# also has a runtime folder of his own, as a desktop session gives; without,
# there is none. With through set, the program runs under that command.
start_as() {
  local who=$1 home runtime=
  home=$(home_of "$who")
  [ -n "${keep_owner:-}" ] || chown -R "$who" "$dir"
  [ -z "${after_chown:-}" ] || eval "$after_chown"
  after_chown=
  if [ -n "${own_homes:-}" ]; then
    mkdir -p "$home/runtime"
    chown "$who" "$home" "$home/runtime"
    chmod 700 "$home/runtime"
    runtime=XDG_RUNTIME_DIR=$home/runtime
  fi
  # shellcheck disable=SC2086  # through and runtime are words or nothing
  (cd "$dir/work" && exec ${through:-} setpriv --reuid="$(id -u "$who")" --regid="$(id -g "$who")" --init-groups \
    env -u XDG_RUNTIME_DIR HOME="$home" XDG_STATE_HOME="$home/state" $runtime "$dir/prog/kopira") 2>>"$dir/log" &
  pid=$!
}

# Answers the program's message boxes until its main window (by default the
# editable one's title) shows.
main_window() {
  local caption=${1:-$main_caption}
  for _ in $(seq 1 100); do
    main=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$main" ] && return
    answer_box
    kill -0 "$pid" 2>/dev/null || fail "$case: the program ended; its log: $(cat "$dir/log")"
    sleep 0.1
  done
  fail "$case: no main window"
}
answer_box() {
  local box
  box=$(xdotool search --onlyvisible --name '^Kopira$' 2>/dev/null | head -n 1 || true)
  [ -z "$box" ] || xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
}

# The bar association (Edit1 at 506, 504) and a line of history (Memo5 at 9, 498).
type_inputs() {
  type_at "$main" 620 515 "大阪弁護士会" replace
  type_at "$main" 200 580 "株式会社コピラ"
}

# Closes the main window, answering the message at the end, and waits.
close_program() {
  "$tool" close "$main"
  wait_for_end
}
wait_for_end() {
  for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    answer_box
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "$case: the program still runs"
  wait "$pid" || fail "$case: the program ended with status $?"
  pid=
}

unchanged() { cmp -s "$1" "$2" || fail "$case: $(basename "$2") changed"; }
holds() { iconv -f CP932 -t UTF-8 "$1" | grep -q -- "$2" || fail "$case: $(basename "$1") lacks '$2'"; }
told() { grep -q -- "$1" "$dir/log" || fail "$case: not told '$1'; the log says: $(cat "$dir/log")"; }
# The new content of a file that could not be saved, kept in the state
# folder (of the user given third, with own_homes).
kept() {
  local file
  file=$(ls "$(home_of "${3:-}")"/state/kopira/unsaved/*-"$1" 2>/dev/null | head -n 1 || true)
  [ -n "$file" ] || fail "$case: the new content of $1 was not kept; the log says: $(cat "$dir/log")"
  holds "$file" "$2"
}

# A second start of the same user brings the running copy ($pid, window
# $main), minimised first, to the front and ends within a few seconds with
# status 0, having opened no window.
second_start_brings_it_forward() {
  local first=$pid
  xdotool windowminimize --sync "$main"
  keep_owner=1 start_as "$1"
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "$case: a second copy runs"
  wait "$pid" || fail "$case: the second start ended with status $?"
  pid=$first
  for _ in $(seq 1 100); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ] && break
    sleep 0.1
  done
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ] || fail "$case: the first copy did not come to the front"
  [ "$(xdotool search --onlyvisible --name "^${main_caption}\$" | wc -l)" -eq 1 ] || fail "$case: not one main window"
}

# Waits until the box at a point of the main window holds the text; clicks
# into it each time, as the window manager may give the focus elsewhere.
box_at_holds() {
  for _ in $(seq 1 10); do
    xdotool mousemove --window "$main" "$1" "$2" click 1
    focused_box_holds "$3" && return 0
    sleep 0.1
  done
  fail "$case: the box at $1, $2 does not hold '$3'"
}
