#!/usr/bin/env bash
# End-to-end: what was typed survives a program that did not end. Typed into
# the bar association, the history, a note pane and the request dialog, it
# reaches the recovery file; the program is killed (once with the X server
# under it); the next start offers it back, Enter puts it back, and the
# close saves all of it and removes the recovery file. Discarded, the
# recovery file goes into the unsaved folder and nothing is put back.
#   recovery.sh KOPIRA X11_WINDOW_TOOL
# Needs root: it runs the program as an unprivileged user.
set -euo pipefail
source "$(dirname "$0")/cases_lib.sh"

recovery_folder() { echo "$dir/home/state/kopira/recovery"; }
recovery_file() { ls "$(recovery_folder)"/*.kopira-recovery 2>/dev/null | head -n 1 || true; }
# Waits until the recovery file holds every text given.
recovery_holds() {
  local file= missing=
  for _ in $(seq 1 150); do
    file=$(recovery_file)
    missing=
    for text in "$@"; do
      [ -n "$file" ] && grep -qF -- "$text" "$file" || missing=$text
    done
    [ -z "$missing" ] && return 0
    sleep 0.1
  done
  fail "$case: the recovery file lacks '$missing': ${file:+$(cat "$file")}"
}
killed() {
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}
# The offer at start, answered with a key.
answer_offer() {
  local box
  box=$(find_window Kopira)
  told "前回 Kopira は正しく終了しませんでした。保存されていない入力（"
  xdotool windowfocus --sync "$box" key "$1"
}
setting() { (cd "$dir/prog" && ini_value "$@"); }
no_recovery_file_left() { [ -z "$(recovery_file)" ] || fail "$case: a recovery file was left: $(recovery_file)"; }

new_case killed_and_restored
start_as "$user"
main_window
type_inputs
# From the history Tab visits the two arrow buttons the click showed, the
# clear button, then the company group's folded note pane (memo2.txt).
xdotool key Tab Tab Tab Tab
type_here "控えのメモ"
xdotool mousemove --window "$main" 680 76 click 1  # 戸籍住民票 (BitBtn4 at 125, 48 in Panel4 at 506, 13)
dialog=$(find_window '戸籍謄本と住民票の写し')
type_at "$dialog" 330 68 "港区長" replace  # its Edit1 (145, 41 in GroupBox1 at 8, 16)
recovery_holds "大阪弁護士会" "株式会社コピラ" "控えのメモ" "港区長"
[ "$(stat -c %a "$(recovery_file)") $(stat -c %a "$(recovery_folder)")" = "600 700" ] ||
  fail "$case: the recovery file and folder are $(stat -c %a "$(recovery_file)") and $(stat -c %a "$(recovery_folder)")"
killed
start_as "$user"
answer_offer Return  # 元に戻す, the default
main_window
box_at_holds 200 580 "株式会社コピラ"
close_program
[ "$(setting memo edit1.text)" = "大阪弁護士会" ] || fail "$case: the bar association is '$(setting memo edit1.text)'"
[ "$(setting jyu edit1.text)" = "港区長" ] || fail "$case: the dialog's field is '$(setting jyu edit1.text)'"
[ "$(utf8 "$dir/work/kopiralog.txt" | grep -c 株式会社コピラ)" = 1 ] || fail "$case: history: $(utf8 "$dir/work/kopiralog.txt")"
holds "$dir/work/memo2.txt" "控えのメモ"
no_recovery_file_left

new_case x_server_killed
main_display=$DISPLAY
Xvfb -displayfd 3 -screen 0 1280x1024x24 -ac -noreset 3>"$dir/display" 2>/dev/null &
xserver=$!
for _ in $(seq 1 100); do
  [ -s "$dir/display" ] && break
  sleep 0.1
done
export DISPLAY=:$(cat "$dir/display")
start_as "$user"
main_window
type_inputs
recovery_holds "大阪弁護士会" "株式会社コピラ"
kill -9 "$xserver"
wait "$xserver" 2>/dev/null || true
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "$case: the program outlived its X server"
wait "$pid" 2>/dev/null || true
pid=
export DISPLAY=$main_display
start_as "$user"
answer_offer Return
main_window
close_program
[ "$(setting memo edit1.text)" = "大阪弁護士会" ] || fail "$case: the bar association is '$(setting memo edit1.text)'"
holds "$dir/work/kopiralog.txt" "株式会社コピラ"
no_recovery_file_left

new_case discarded
start_as "$user"
main_window
type_at "$main" 620 515 "大阪弁護士会" replace
recovery_holds "大阪弁護士会"
killed
start_as "$user"
answer_offer Escape  # 破棄
main_window
close_program
discarded=$(ls "$dir"/home/state/kopira/unsaved/*-kopira-recovery.txt 2>/dev/null || true)
[ -n "$discarded" ] && grep -qF "大阪弁護士会" "$discarded" || fail "$case: the discarded file is not in the unsaved folder"
[ "$(setting memo edit1.text)" = "東京" ] || fail "$case: the discarded value was put back: '$(setting memo edit1.text)'"
no_recovery_file_left

echo "killed, and with its X server gone: everything typed offered back and saved; discarded, kept in the unsaved folder"
