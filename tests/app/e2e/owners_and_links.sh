#!/usr/bin/env bash
# End-to-end with real users and a real group: in a folder the group shares,
# two users type and close in turn, and every file keeps its owner, group,
# mode and identity, so both lines reach the history; root typing in a
# user's folder leaves the user's files the user's, and the user can still
# save; a history that is a link to a file on another file system is saved
# through to it; a settings file holding bytes that are not CP932 is kept
# aside, told, before the close writes over it.
#   owners_and_links.sh KOPIRA X11_WINDOW_TOOL
# Needs root: it creates the users and the group, and mounts a tmpfs.
set -euo pipefail
export KOPIRA_E2E_XVFB_ARGS=-ac  # the other users' programs connect too
source "$(dirname "$0")/e2e_lib.sh"

kopira=$1
tool=$2
main_caption='Kopira　v2.0'
[ "$(id -u)" -eq 0 ] || fail "needs root to create users and a group and to mount a tmpfs"
make_office_users

base=$(mktemp -d)
chmod 755 "$base"
mounted=
cleanup() {
  [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
  [ -z "$mounted" ] || umount "$mounted"
  rm -rf "$base"
}
trap cleanup EXIT

# A case's folders: prog/ with the program and its settings, work/ the
# working folder with the history and both note files.
new_case() {
  case=$1
  dir=$base/$case
  mkdir -p "$dir"/{prog,work}
  cp "$kopira" "$dir/prog/kopira"
  printf '' > "$dir/work/memo2.txt"
  printf '' > "$dir/work/memo3.txt"
  echo "== $case"
}
cp932() { printf "$1" | iconv -f UTF-8 -t CP932; }
history_holds() { utf8 "$dir/work/kopiralog.txt" | tr -d '\r' | grep -qx -- "$1" || fail "$case: the history lacks '$1': $(utf8 "$dir/work/kopiralog.txt")"; }
# Owner, group and mode (with FORMAT %i the identity too) of the kept files.
files_as_they_are() { stat -L -c "%n ${1:-} %U:%G %a" "$dir/prog/Kopira.ini" "$dir/work/"{kopiralog,memo2,memo3}.txt; }
nothing_beside() {
  local left
  left=$(ls -A "$@" | grep -e kopira-tmp -e kopira-old || true)
  [ -z "$left" ] || fail "$case: left behind: $left"
}

# Starts the program as a user (with a home of its own) in the case's
# working folder.
start_as() {
  local who=$1 home=$dir/home-$1
  mkdir -p "$home"
  chown "$who" "$home"
  (cd "$dir/work" && exec setpriv --reuid="$who" --regid="$(id -g "$who")" --init-groups \
    env HOME="$home" XDG_STATE_HOME="$home/state" XDG_CONFIG_HOME="$home/config" "$dir/prog/kopira") 2>>"$dir/log" &
  pid=$!
  main=$(find_window "$main_caption")
}

# Waits for the program's end; a message box on the way fails the case.
end_without_message() {
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || break
    if xdotool search --onlyvisible --name '^Kopira$' >/dev/null 2>&1; then fail "$case: a message at the close: $(cat "$dir/log")"; fi
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "$case: the program still runs"
  wait "$pid" || fail "$case: the program ended with status $?"
  pid=
}

# A user types a line into the history (Memo5 at 9, 498) and closes.
type_line_as() {
  start_as "$1"
  type_at "$main" 200 580 "$2"
  "$tool" close "$main"
  end_without_message
}

new_case shared_group_folder
cp932 '[memo]\r\nedit1.text=東京\r\n' > "$dir/prog/Kopira.ini"
cp932 'old line\r\n' > "$dir/work/kopiralog.txt"
chown root:"$office" "$dir/prog" "$dir/work" "$dir/prog/Kopira.ini" "$dir/work/"*.txt
chmod 2775 "$dir/prog" "$dir/work"
chmod 664 "$dir/prog/Kopira.ini" "$dir/work/"*.txt
before=$(files_as_they_are %i)
type_line_as kopira-e2e-a "line of a"
type_line_as kopira-e2e-b "line of b"
history_holds "old line"
history_holds "line of a"
history_holds "line of b"
[ "$(files_as_they_are %i)" = "$before" ] || fail "$case: files changed: $(files_as_they_are %i)"
nothing_beside "$dir/prog" "$dir/work"

new_case root_in_a_users_folder
cp932 'old line\r\n' > "$dir/work/kopiralog.txt"
printf '' > "$dir/prog/Kopira.ini"
chown -R kopira-e2e-a: "$dir/prog" "$dir/work"
chmod 644 "$dir/prog/Kopira.ini" "$dir/work/"*.txt
before=$(files_as_they_are)
type_line_as root "line of root"
[ "$(files_as_they_are)" = "$before" ] || fail "$case: root's save changed: $(files_as_they_are)"
type_line_as kopira-e2e-a "line of a"
history_holds "line of root"
history_holds "line of a"
nothing_beside "$dir/prog" "$dir/work"

new_case link_to_another_file_system
mkdir "$dir/share"
mount -t tmpfs -o size=1m tmpfs "$dir/share" || fail "mounting a tmpfs was refused"
mounted=$dir/share
cp932 'shared line\r\n' > "$dir/share/log.txt"
chown kopira-e2e-a:"$office" "$dir/share/log.txt"
chmod 664 "$dir/share/log.txt"
chmod 1777 "$dir/share"
ln -s "$dir/share/log.txt" "$dir/work/kopiralog.txt"
printf '' > "$dir/prog/Kopira.ini"
chown -R kopira-e2e-b: "$dir/prog" "$dir/work"
chown -h root "$dir/work/kopiralog.txt"  # followed by everyone: the superuser's link
target_before=$(stat -c '%U:%G %a' "$dir/share/log.txt")
type_line_as root "line of root"
type_line_as kopira-e2e-b "line of b"
[ -L "$dir/work/kopiralog.txt" ] || fail "$case: the link was replaced by a file"
history_holds "shared line"
history_holds "line of root"
history_holds "line of b"
[ "$(stat -c '%U:%G %a' "$dir/share/log.txt")" = "$target_before" ] || fail "$case: the target is now $(stat -c '%U:%G %a' "$dir/share/log.txt")"
nothing_beside "$dir/share" "$dir/work"
umount "$dir/share"
mounted=

new_case settings_not_cp932
{ cp932 '[jyu]\r\nedit1.text=千代田区長'; printf '\x81\r\n'; cp932 '[memo]\r\nedit2.text=98765\r\n'; } > "$dir/prog/Kopira.ini"
cp "$dir/prog/Kopira.ini" "$base/before.ini"
start_as root
"$tool" close "$main"
box=$(find_window Kopira)
xdotool windowfocus --sync "$box" key Return
end_without_message
grep -q "読み込めなかったファイルを次の名前で残しました" "$dir/log" || fail "$case: not told: $(cat "$dir/log")"
kept=$(ls "$dir/prog/"Kopira.ini.*.bak)
cmp -s "$base/before.ini" "$kept" || fail "$case: $(basename "$kept") is not the file as it was"
grep -q "Kopira.ini → $(basename "$kept")" "$dir/log" || fail "$case: the copy's name was not told: $(cat "$dir/log")"
cd "$dir/prog"
[ "$(ini_value memo edit2.text)" = 98765 ] || fail "$case: a readable value was lost: '$(ini_value memo edit2.text)'"
[ "$(ini_value jyu edit1.text)" = 千代田区長 ] || fail "$case: the readable part of the value was lost: '$(ini_value jyu edit1.text)'"

echo "owners, groups, modes and links stayed as they were; the unreadable settings file was kept aside"
