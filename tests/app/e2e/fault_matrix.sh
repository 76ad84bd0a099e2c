#!/usr/bin/env bash
# End-to-end: what the user typed survives every way a save can fail. Each
# case starts the real program in folders of its own, types into the main
# window and closes it (or ends it from outside). Afterwards every file holds
# either its old bytes or the whole new content, the new content of a file
# that could not be saved is in the user's state folder, and the failure was
# told.
#   fault_matrix.sh KOPIRA X11_WINDOW_TOOL
# Needs root: it mounts a small tmpfs, and runs the cases where permissions
# matter as an unprivileged user (root passes every permission check).
set -euo pipefail
source "$(dirname "$0")/cases_lib.sh"

new_case read_only_settings
cp932 '[memo]\r\nedit1.text=札幌\r\n' > "$dir/prog/Kopira.ini"
cp "$dir/prog/Kopira.ini" "$base/before.ini"
after_chown='chmod 444 "$dir/prog/Kopira.ini"'
start_as "$user"
main_window
type_inputs
close_program
unchanged "$base/before.ini" "$dir/prog/Kopira.ini"
kept Kopira.ini "edit1.text=大阪弁護士会"
told "Kopira.ini：ファイルが読み取り専用です"
holds "$dir/work/kopiralog.txt" "株式会社コピラ"

new_case read_only_working_folder
cp932 '古い履歴\r\n' > "$dir/work/kopiralog.txt"
cp "$dir/work/kopiralog.txt" "$base/before.txt"
after_chown='chmod 555 "$dir/work"'
start_as "$user"
main_window
type_inputs
close_program
unchanged "$base/before.txt" "$dir/work/kopiralog.txt"
kept kopiralog.txt "古い履歴"
kept kopiralog.txt "株式会社コピラ"
told "kopiralog.txt：保存先のフォルダに書き込めません"
holds "$dir/prog/Kopira.ini" "edit1.text=大阪弁護士会"

new_case disk_full
disk=$dir/disk
mkdir "$disk"
mount -t tmpfs -o size=$(($(stat -c %s "$kopira") + 256 * 1024)) tmpfs "$disk" || fail "mounting a tmpfs was refused"
mounted=$disk
mv "$dir/prog" "$dir/work" "$disk/"
ln -s "$disk/prog" "$dir/prog"
ln -s "$disk/work" "$dir/work"
cp932 '[memo]\r\nedit1.text=札幌\r\n' > "$disk/prog/Kopira.ini"
cp932 '古い履歴\r\n' > "$disk/work/kopiralog.txt"
cp "$disk/prog/Kopira.ini" "$base/before.ini"
cp "$disk/work/kopiralog.txt" "$base/before.txt"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true
start_as root
main_window
type_inputs
close_program
unchanged "$base/before.ini" "$disk/prog/Kopira.ini"
unchanged "$base/before.txt" "$disk/work/kopiralog.txt"
kept Kopira.ini "edit1.text=大阪弁護士会"
kept kopiralog.txt "株式会社コピラ"
told "ディスクの空きがありません"
[ -z "$(ls "$disk/prog" "$disk/work" | grep kopira-tmp || true)" ] || fail "$case: temporary files were left"
umount "$disk"
mounted=

new_case folders_in_place
rm "$dir/work/memo2.txt"
mkdir "$dir/work/kopiralog.txt" "$dir/work/memo2.txt" "$dir/prog/Kopira.ini"
start_as "$user"
main_window
type_inputs
# From the history Tab visits the two arrow buttons the click showed, the
# clear button, then the folded note pane Memo3 (memo2.txt).
xdotool key Tab Tab Tab Tab
type_here "note two"
close_program
[ -d "$dir/work/kopiralog.txt" ] && [ -d "$dir/work/memo2.txt" ] && [ -d "$dir/prog/Kopira.ini" ] ||
  fail "$case: a folder was replaced"
kept kopiralog.txt "株式会社コピラ"
kept Kopira.ini "edit1.text=大阪弁護士会"
kept memo2.txt "note two"
told "kopiralog.txt：同じ名前のフォルダなどがあり"

new_case invalid_history
printf 'old \x81\x7f\r\n' > "$dir/work/kopiralog.txt"
cp "$dir/work/kopiralog.txt" "$base/before.txt"
start_as "$user"
main_window
type_inputs
close_program
unchanged "$base/before.txt" "$(ls "$dir"/work/kopiralog.txt.*.bak)"
holds "$dir/work/kopiralog.txt" "株式会社コピラ"
told "読み込めなかったファイルを次の名前で残しました"

new_case sigterm_with_request_preview
start_as "$user"
main_window
xdotool mousemove --window "$main" 680 76 click 1  # 戸籍住民票 (BitBtn4 at 125, 48 in Panel4 at 506, 13)
dialog=$(find_window '戸籍謄本と住民票の写し')
sleep 0.5
xdotool mousemove --window "$dialog" 496 276 click 1  # its print button (BitBtn2 at 103, 6 in Panel1)
find_window 'プレビュー' >/dev/null
kill -TERM "$pid"
wait_for_end
holds "$dir/work/kopiralog.txt" "千代田区長"
holds "$dir/work/kopiralog.txt" "裁判資料"

new_case kill_during_save
for i in $(seq 1 100000); do echo "株式会社テスト $i"; done | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 > "$dir/work/kopiralog.txt"
cp "$dir/work/kopiralog.txt" "$base/before.txt"
printf 'x' > "$dir/work/kopiralog.txt.kopira-tmp-Zz9Yy8"
printf 'x' > "$dir/prog/Kopira.ini.kopira-tmp-AbCd12"
printf 'mine' > "$dir/work/kopiralog.txt.mine"
start_as root
main_window
"$tool" close "$main"
sleep 1
kill -9 "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=
# Whole old history, or the whole new one: its last 100 rows.
if ! cmp -s "$base/before.txt" "$dir/work/kopiralog.txt"; then
  [ "$(tail -n 100 "$base/before.txt" | md5sum)" = "$(md5sum < "$dir/work/kopiralog.txt")" ] ||
    fail "$case: the history is neither the old nor the new one ($(wc -c < "$dir/work/kopiralog.txt") bytes)"
fi
start_as root
main_window
close_program
[ -z "$(ls "$dir/prog" "$dir/work" | grep kopira-tmp || true)" ] || fail "$case: temporary files stayed: $(ls "$dir/work")"
[ "$(cat "$dir/work/kopiralog.txt.mine")" = mine ] || fail "$case: a file of the user's was touched"

new_case nothing_can_be_kept
after_chown='chmod 555 "$dir/prog" "$dir/work" "$dir/home"'
start_as "$user"
main_window
type_inputs
"$tool" close "$main"
box=$(find_window Kopira)
told "新しい内容を残すこともできませんでした"
xdotool windowfocus --sync "$box" key Return  # 再試行, the default
box_at_holds 200 580 "株式会社コピラ"
box_at_holds 620 515 "大阪弁護士会"
chmod 755 "$dir/home"  # room for the unsaved folder now
close_program
kept kopiralog.txt "株式会社コピラ"
kept Kopira.ini "edit1.text=大阪弁護士会"

echo "every case kept what was typed and told what it could not save"
