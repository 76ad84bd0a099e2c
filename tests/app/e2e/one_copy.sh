#!/usr/bin/env bash
# End-to-end: one copy of the program per set of files. A second start in
# the same folders brings the running copy to the front and ends; the lock
# of a killed copy is taken over; beside a copy of another user a second
# start says who holds the files and opens, if asked to, a read-only copy
# that writes none of them.
#   one_copy.sh KOPIRA X11_WINDOW_TOOL
# Needs root: it runs copies as two users.
set -euo pipefail
source "$(dirname "$0")/cases_lib.sh"
start_window_manager

new_case second_start_brings_the_first_forward
start_as "$user"
main_window
type_inputs
second_start_brings_it_forward "$user"
box_at_holds 200 580 "株式会社コピラ"
close_program
holds "$dir/work/kopiralog.txt" "株式会社コピラ"
holds "$dir/prog/Kopira.ini" "edit1.text=大阪弁護士会"

new_case lock_of_a_killed_copy
start_as "$user"
main_window
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
[ -s "$dir/work/.kopira.lock" ] || fail "$case: the killed copy left no lock entry"
start_as "$user"
main_window
type_inputs
close_program
holds "$dir/work/kopiralog.txt" "株式会社コピラ"

new_case copy_of_another_user
start_as "$user"
main_window
first=$pid
first_main=$main
type_at "$main" 200 580 "株式会社ファースト"
# As if the first copy were saving just now: no other copy may sweep it.
printf 'x' > "$dir/work/kopiralog.txt.kopira-tmp-Ab12Cd"
shared() { (cd "$dir" && find prog work -printf '%p %s %T@ %u %m\n' | sort | md5sum); }
before=$(shared)
keep_owner=1 start_as root
find_window Kopira >/dev/null
told "Kopira は $(hostname) で $user が使用中です。"
main_window 'Kopira　v2.0（読み取り専用）'  # answers with the default: read-only
type_inputs
close_program
[ "$(shared)" = "$before" ] || fail "$case: the read-only copy wrote in the shared folders"
told "kopiralog.txt：読み取り専用で開いているため、保存しませんでした"
kept kopiralog.txt "株式会社コピラ"
kept Kopira.ini "edit1.text=大阪弁護士会"
pid=$first
main=$first_main
close_program
holds "$dir/work/kopiralog.txt" "株式会社ファースト"

echo "one copy kept the files; later starts handed over or stayed read-only"
