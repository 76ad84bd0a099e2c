#!/usr/bin/env bash
# End-to-end: a folder colleagues share through a group, with real users:
# A and B in the group, C outside it. Nobody can turn it against another:
# without the set-group-id bit B still finds A's lock (and a lock file
# nobody else can open is not passed over); a link B planted to A's private
# file is refused and A's text kept for A; a copy of old content that B's
# killed save left in a sticky folder is put back once, never over A's later
# saves, and one planted by a member who may not write the file never; a
# held lock file whose entry names A tells A who really holds it; sockets C
# left in /tmp do not stop A's second start from bringing A's window
# forward, and A's own sockets go when A's copies end.
#   shared_folder.sh KOPIRA X11_WINDOW_TOOL
# Needs root: it creates the users and the group.
set -euo pipefail
source "$(dirname "$0")/cases_lib.sh"
make_office_users
a=kopira-e2e-a b=kopira-e2e-b c=kopira-e2e-c
own_homes=1 keep_owner=1
read_only_caption="${main_caption}（読み取り専用）"
start_window_manager

helpers=()
end_shared_cases() {
  [ ${#helpers[@]} -eq 0 ] || kill "${helpers[@]}" 2>/dev/null || true
  rm -f /tmp/kopira-"$(id -u "$a")"-*
  cleanup
}
trap end_shared_cases EXIT

# The case's folders as the office shares them: root's, the group's, with
# the mode given; the history and notes A's, with the mode given or 664.
share_folders() {
  cp932 'old line\r\n' > "$dir/work/kopiralog.txt"
  chown root:"$office" "$dir/prog" "$dir/work"
  chmod "$1" "$dir/prog" "$dir/work"
  chown "$a:$office" "$dir/work/"*.txt
  chmod "${2:-664}" "$dir/work/"*.txt
}
lacks() { iconv -f CP932 -t UTF-8 "$1" | grep -q -- "$2" && fail "$case: $(basename "$1") holds '$2'" || true; }

# Runs a Python helper as a user in the background ($helper), waiting until
# it prints that it is ready: script, then its arguments.
helper_as() {
  local who=$1 out=$dir/helper-$1
  shift
  setpriv --reuid="$(id -u "$who")" --regid="$(id -g "$who")" --init-groups /usr/bin/python3 -c "$@" > "$out" 2>&1 &
  helper=$!
  helpers+=("$helper")
  for _ in $(seq 1 100); do
    grep -qs ready "$out" && return 0
    kill -0 "$helper" 2>/dev/null || fail "$case: the helper ended: $(cat "$out")"
    sleep 0.1
  done
  fail "$case: the helper is not ready"
}

new_case group_folder_without_setgid
share_folders 775
start_as "$a"
main_window
first=$pid first_main=$main
type_at "$main" 200 580 "line of a"
[ "$(stat -c '%G %a' "$dir/work/.kopira.lock")" = "$office 664" ] || fail "$case: the lock file is $(stat -c '%U:%G %a' "$dir/work/.kopira.lock")"
start_as "$b"
find_window Kopira >/dev/null
told "Kopira は $(hostname) で $a が使用中です。"
main_window "$read_only_caption"  # answers with the default: read-only
type_at "$main" 200 580 "line of b"
close_program
kept kopiralog.txt "line of b" "$b"
pid=$first main=$first_main
close_program
holds "$dir/work/kopiralog.txt" "line of a"
lacks "$dir/work/kopiralog.txt" "line of b"
# A lock file of a member's own that the others cannot open is not passed over.
chown "$b:$(id -g "$b")" "$dir/work/.kopira.lock"
chmod 644 "$dir/work/.kopira.lock"
start_as "$a"
main_window "$read_only_caption"
told "ロックファイル $dir/work/.kopira.lock を開けないため、ほかの人が Kopira を使用中か確かめられません（ファイルの持ち主：$b）"
close_program

new_case planted_link_to_a_private_file
share_folders 2775
private=$(home_of "$a")/private
mkdir -p "$private"
printf 'my own note, in UTF-8: 覚え書き\n' > "$private/notes.txt"
chown -R "$a" "$(home_of "$a")"
chmod 700 "$private"
cp -p "$private/notes.txt" "$base/notes.before"
ln -sf "$private/notes.txt" "$dir/work/kopiralog.txt"
chown -h "$b" "$dir/work/kopiralog.txt"
start_as "$a"
main_window
type_at "$main" 200 580 "line of a"
close_program
cmp -s "$base/notes.before" "$private/notes.txt" || fail "$case: the private file changed"
[ "$(stat -c '%U %a' "$private/notes.txt")" = "$a 644" ] || fail "$case: the private file is now $(stat -c '%U %a' "$private/notes.txt")"
[ "$(ls -A "$private")" = notes.txt ] || fail "$case: beside the private file: $(ls -A "$private")"
[ -z "$(grep -rl '覚え書き' "$dir/prog" "$dir/work" || true)" ] || fail "$case: the private file was revealed"
[ -z "$(ls -A "$dir/work" | grep -e '\.bak$' -e kopira-tmp -e kopira-old || true)" ] || fail "$case: left: $(ls -A "$dir/work")"
told "kopiralog.txt：他の利用者が作ったリンクのため保存しません"
kept kopiralog.txt "line of a" "$a"

new_case killed_save_in_a_sticky_folder
share_folders 3775
# B's save writes into A's history in place; B is killed before it ends.
through="strace -qq -o /dev/null -e trace=ftruncate -e inject=ftruncate:signal=KILL -P $dir/work/kopiralog.txt" start_as "$b"
main_window
type_at "$main" 200 580 "line of b"
"$tool" close "$main"
for _ in $(seq 1 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "$case: B's save was not killed; the log says: $(cat "$dir/log")"
wait "$pid" 2>/dev/null && fail "$case: B's save was not killed"
[ -s "$dir/work/kopiralog.txt.kopira-old" ] || fail "$case: no copy of the old content: $(ls -A "$dir/work")"
holds "$dir/work/kopiralog.txt" "line of b"
for line in "first of a" "second of a"; do
  start_as "$a"
  main_window
  type_at "$main" 200 580 "$line"
  close_program
done
holds "$dir/work/kopiralog.txt" "old line"
holds "$dir/work/kopiralog.txt" "first of a"
holds "$dir/work/kopiralog.txt" "second of a"
lacks "$dir/work/kopiralog.txt" "line of b"

new_case leftover_of_a_member_who_may_not_write
share_folders 3775 644
cp932 'planted by b\r\n' > "$dir/work/kopiralog.txt.kopira-old"
chown "$b:$office" "$dir/work/kopiralog.txt.kopira-old"
chmod 664 "$dir/work/kopiralog.txt.kopira-old"
cp "$dir/work/kopiralog.txt" "$base/before.txt"
start_as "$a"
box=$(find_window Kopira)  # shown with the history, maybe before the window is
main=$(find_window "$main_caption")
told "kopiralog.txt.kopira-old は、kopiralog.txt に書き込めない利用者（$b）が置いたファイルのため、元に戻しませんでした。"
unchanged "$base/before.txt" "$dir/work/kopiralog.txt"
xdotool windowfocus --sync "$box" key Return
close_program
lacks "$dir/work/kopiralog.txt" "planted by b"

new_case forged_lock_entry
share_folders 2775
# B holds a lock file whose entry names A, and listens where an older copy
# of A would have asked the holder to come forward.
rm -f "/tmp/kopira-$(id -u "$a")-4242424"
helper_as "$b" '
import fcntl, socket, sys, time
lock = open(sys.argv[1], "a+")
fcntl.lockf(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
lock.truncate(0)
lock.write(sys.argv[2])
lock.flush()
listener = socket.socket(socket.AF_UNIX)
listener.bind(sys.argv[3])
listener.listen()
print("ready", flush=True)
time.sleep(600)' "$dir/work/.kopira.lock" "$(hostname)"$'\n'"$a"$'\n4242424\n' "/tmp/kopira-$(id -u "$a")-4242424"
start_as "$a"
main_window "$read_only_caption"
told "Kopira は $(hostname) で $b が使用中です。"
close_program
kill "$helper"

new_case sockets_of_another_user
share_folders 2775
# C listens where older copies of A listened, for the next process ids.
helper_as "$c" '
import socket, sys, time
held = []
for pid in range(int(sys.argv[2]), int(sys.argv[2]) + 300):
    listener = socket.socket(socket.AF_UNIX)
    try:
        listener.bind("/tmp/kopira-%s-%d" % (sys.argv[1], pid))
    except OSError:
        continue
    listener.listen()
    held.append(listener)
print("ready", flush=True)
time.sleep(600)' "$(id -u "$a")" "$(($(cat /proc/sys/kernel/ns_last_pid) + 1))"
sockets=$(home_of "$a")/runtime/kopira
start_as "$a"
main_window
second_start_brings_it_forward "$a"
close_program
[ -z "$(ls -A "$sockets")" ] || fail "$case: sockets stayed: $(ls -A "$sockets")"
[ -z "$(find /tmp -maxdepth 1 -user "$a" -name 'kopira*')" ] || fail "$case: A's copies listen in /tmp"
# The socket of a killed copy goes at the next start.
start_as "$a"
main_window
killed=$pid
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
[ -S "$sockets/$killed" ] || fail "$case: the killed copy had no socket"
start_as "$a"
main_window
[ ! -e "$sockets/$killed" ] || fail "$case: the killed copy's socket stayed"
close_program
kill "$helper"

echo "in the shared folder nobody could turn a link, a leftover, a lock or a socket against another"
