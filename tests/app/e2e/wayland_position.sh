#!/usr/bin/env bash
# End-to-end on a desktop that offers Wayland (weston, headless) beside an
# X server: started without a choice of platform the program is an X11
# client; started on the native Wayland platform, which cannot tell a window
# its position, it keeps the stored position at its close and stores the
# rest as usual.
#   wayland_position.sh KOPIRA X11_WINDOW_TOOL
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"

kopira=$1
tool=$2
main_caption='Kopira　v2.0'

enter_scratch_folder "$kopira"
provide_note_files
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
trap 'kill "$pid" "$weston_pid" 2>/dev/null || true; rm -rf "$scratch" "$runtime"' EXIT

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=kopira-wayland XDG_SESSION_TYPE=wayland
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do
  [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || fail "weston did not start: $(cat "$runtime/weston.log")"

# Both platforms there, none chosen: the window is an X window.
start_program
main=$(find_window "$main_caption")
close_and_wait_for_end "$main"

# Native Wayland, as the user chose it. The window is on screen once its
# surface has a title and a picture (the client's protocol log says so);
# then the desktop session ends the program.
printf '[form]\r\ntop=321\r\nleft=234\r\n' > Kopira.ini
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client ./kopira 2>"$runtime/client.log" &
pid=$!
shown=
for _ in $(seq 1 300); do
  if grep -q "set_title(\"$main_caption\")" "$runtime/client.log" &&
     sed -n "/set_title(\"$main_caption\")/,\$p" "$runtime/client.log" | grep -q 'wl_surface@[0-9]*\.attach(wl_buffer'; then
    shown=1
    break
  fi
  kill -0 "$pid" 2>/dev/null || fail "the program ended on Wayland: $(grep -v '^\[' "$runtime/client.log" | tail -5)"
  sleep 0.1
done
[ -n "$shown" ] || fail "no window shown on Wayland"
kill -TERM "$pid"
wait "$pid" || fail "the program ended with status $?"

[ "$(ini_value form top),$(ini_value form left)" = "321,234" ] \
  || fail "stored position changed to top $(ini_value form top), left $(ini_value form left)"
[ "$(ini_value jyu edit3.text)" = "山田花子" ] || fail "the other values were not stored"
echo "both platforms: X11 chosen; native Wayland: position 321,234 kept, the rest stored"
