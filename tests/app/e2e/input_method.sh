#!/usr/bin/env bash
# End-to-end with a real input method, ibus with mozc starting in Hiragana:
# romaji typed into the office address and the bar association is converted
# and stored; typed into a web shortcut it stays Latin; a composition cut
# short by a click into another box is committed once, into its own box.
#   input_method.sh KOPIRA X11_WINDOW_TOOL
set -euo pipefail

# mozc's converter does not run as root: the whole session runs as a plain
# user, with a private home inside the scratch folder, in a process
# namespace of its own (with its own /proc, which mozc checks its server
# by) so that mozc's server ends with the test.
if [ "$(id -u)" -eq 0 ]; then
  user=kopira-e2e
  id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
  exec unshare --pid --fork --mount-proc --kill-child runuser -u "$user" -- "$0" "$(realpath "$1")" "$(realpath "$2")"
fi
source "$(dirname "$0")/e2e_lib.sh"

kopira=$(realpath "$1")
tool=$(realpath "$2")
main_caption='Kopira　v2.0'

enter_scratch_folder "$kopira"
provide_note_files

# A session bus, and ibus on it with mozc as its engine.
export HOME=$scratch/home
mkdir -p "$HOME/.config/mozc"
cat > "$HOME/.config/mozc/ibus_config.textproto" <<'END'
engines {
  name: "mozc-jp"
  longname: "Mozc"
  layout: "default"
  layout_variant: ""
  layout_option: ""
  rank: 80
}
active_on_launch: True
END
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
bus_pid=${bus##*$'\n'}
trap 'kill "$pid" 2>/dev/null || true; ibus exit 2>/dev/null || true; kill "$bus_pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
gsettings set org.freedesktop.ibus.general preload-engines "['mozc-jp']"
ibus-daemon -drx
for _ in $(seq 1 100); do
  ibus engine mozc-jp 2>/dev/null && break
  sleep 0.1
done
[ "$(ibus engine 2>/dev/null)" = mozc-jp ] || fail "ibus did not take mozc as its engine"
export QT_IM_MODULE=ibus

# Clicks into a box, empties it, types romaji, converts with Space and
# commits with Enter.
compose_at() {
  local window=$1 x=$2 y=$3 romaji=$4
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.3
  xdotool key ctrl+a Delete
  xdotool type --delay 80 "$romaji"
  sleep 0.3
  xdotool key space
  sleep 0.5
  xdotool key Return
  sleep 0.3
}

start_program
main=$(find_window "$main_caption")
xdotool windowfocus --sync "$main"
sleep 0.5
compose_at "$main" 600 360 toukyou  # Memo6 at 506, 325
compose_at "$main" 620 515 oosaka   # Edit1 at 506, 504
# The web shortcut takes the letters as typed, the input method still on.
xdotool mousemove --window "$main" 620 120 click 1  # Edit6 at 507, 110
sleep 0.3
xdotool key ctrl+a Delete
xdotool type --delay 80 "abc"
sleep 0.3
# "あいう" still uncommitted in the office address when the registry office
# is clicked.
xdotool mousemove --window "$main" 600 360 click 1
sleep 0.3
xdotool key ctrl+End
xdotool type --delay 80 aiu
sleep 0.5
xdotool mousemove --window "$main" 620 222 click 1  # Edit3 at 506, 211
sleep 1
close_and_wait_for_end "$main"

[ "$(ini_value memo memo.lines.Count)" = 1 ] || fail "office address of $(ini_value memo memo.lines.Count) lines"
[ "$(ini_value memo memo.lines.0)" = "東京あいう" ] || fail "office address stored as '$(ini_value memo memo.lines.0)'"
[ "$(ini_value memo edit1.text)" = "大阪" ] || fail "bar association stored as '$(ini_value memo edit1.text)'"
[ "$(ini_value URL edit6.text)" = "abc" ] || fail "web shortcut stored as '$(ini_value URL edit6.text)'"
[ "$(ini_value memo edit3.text)" = "東京法務局" ] || fail "registry office stored as '$(ini_value memo edit3.text)'"
echo "converted text stored, the web shortcut kept Latin, the cut composition committed once"
