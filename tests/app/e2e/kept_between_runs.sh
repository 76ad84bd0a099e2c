#!/usr/bin/env bash
# End-to-end: in an empty folder the program asks for both note files, then
# takes typing into the bar association, the office address, the history
# and both note panes; closed and started again it brings all of it back,
# which shows in what it stores at its second close.
#   kept_between_runs.sh KOPIRA X11_WINDOW_TOOL
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"

kopira=$1
tool=$2
main_caption='Kopira　v2.0'

# A plain message box of the program, titled "Kopira": answered with Enter.
answer_message() {
  local box
  box=$(find_window Kopira)
  xdotool windowfocus --sync "$box"
  xdotool key Return
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^Kopira$' 2>/dev/null | grep -qx "$box" || return 0
    sleep 0.1
  done
  fail "the message box stayed"
}

enter_scratch_folder "$kopira"

# First run: nothing there yet.
start_program
answer_message
answer_message
main=$(find_window "$main_caption")
type_at "$main" 620 515 "大阪弁護士会" replace  # Edit1 at 506, 504
type_at "$main" 600 360 "千代田区霞が関１－１"  # Memo6 at 506, 325
xdotool key Return
type_here "弁護士　山田太郎"
type_at "$main" 200 580 "株式会社コピラ"  # Memo5 at 9, 498
# From the history Tab visits the two arrow buttons the click showed, the
# clear button, then the folded note panes Memo3 and Memo4.
xdotool key Tab Tab Tab Tab
type_here "note two"
xdotool key Tab
type_here "note three"
close_and_wait_for_end "$main"

[ "$(ini_value memo edit1.text)" = "大阪弁護士会" ] || fail "bar association stored as '$(ini_value memo edit1.text)'"
[ "$(ini_value memo memo.lines.Count)" = 2 ] || fail "office address of $(ini_value memo memo.lines.Count) lines"
[ "$(ini_value memo memo.lines.1)" = "弁護士　山田太郎" ] || fail "office address: $(ini_value memo memo.lines.1)"
[ "$(utf8 kopiralog.txt)" = "株式会社コピラ" ] || fail "history file holds '$(utf8 kopiralog.txt)'"
grep -q "note two" memo2.txt || fail "the company group's note pane did not reach memo2.txt"
grep -q "note three" memo3.txt || fail "the real-estate group's note pane did not reach memo3.txt"
estate_note=$(stat -c %Y.%s memo3.txt)
sleep 1  # a rewrite would show in the modification time

# Second run: no question, every input back as it was left, and only the
# note pane typed into is written again.
start_program
main=$(find_window "$main_caption")
if xdotool search --onlyvisible --name '^Kopira$' >/dev/null 2>&1; then fail "a message box at the second start"; fi
type_at "$main" 620 515 "支部"  # appended to what was read back
type_at "$main" 200 580 "合同会社"
xdotool key Tab Tab Tab Tab
type_here " again"
close_and_wait_for_end "$main"

[ "$(ini_value memo edit1.text)" = "大阪弁護士会支部" ] || fail "bar association not read back: '$(ini_value memo edit1.text)'"
[ "$(ini_value memo memo.lines.0)" = "千代田区霞が関１－１" ] || fail "office address not read back"
[ "$(printf '株式会社コピラ\r\n合同会社')" = "$(utf8 kopiralog.txt)" ] || fail "history not read back: '$(utf8 kopiralog.txt)'"
grep -q "note two again" memo2.txt || fail "the company group's note not read back: $(cat memo2.txt)"
[ "$(stat -c %Y.%s memo3.txt)" = "$estate_note" ] || fail "the unchanged memo3.txt was written again"
echo "settings, history and both note panes survived the restart"
