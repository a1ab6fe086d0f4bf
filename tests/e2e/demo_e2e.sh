#!/usr/bin/env bash
# End to end: the demo window in a fresh Wine prefix on a virtual display of its own, dragged
# by a label-like tile and by its bare surface with real mouse input, then closed with its
# Cancel tile. Usage: demo_e2e.sh TEST_BIN
set -uo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
if [ -z "${KXFIX_E2E_DISPLAY:-}" ]; then
  KXFIX_E2E_DISPLAY=1 on_display bash "$0" "$@"
  exit
fi
source "$here/../wine_checks.sh"
source "$here/e2e_lib.sh"

case=demo
desktop_probe="$bin/desktopprobe.exe"
title='kxfix 皮肤窗口演示'
# Tiles in window coordinates as the demo places them: left top width height.
drag_tile=(40 70 400 110)
cancel_tile=(364 262 96 36)
confirm_tile=(256 262 96 36)
# A point of the window no tile covers.
bare_point=(240 225)
# Face colours the demo gives its tiles, seen through an opaque layered window.
drag_face='srgb(225,140,40)'
confirm_face='srgb(40,120,215)'

X= Y=
geometry() { eval "$(xdotool getwindowgeometry --shell "$box_id" | grep -E '^(X|Y)=')"; }

# pixel SCREEN_X SCREEN_Y: the colour there on a fresh picture of the screen.
pixel() { import -window root -crop "1x1+$1+$2" +repage -format '%[pixel:p{0,0}]' info:; }

expect_pixel() { # expect_pixel WHAT X Y COLOUR
  local got; got=$(pixel "$2" "$3")
  if [ "$got" = "$4" ]; then pass "$1 is $4"; else fail "$1 is $got, expected $4"; fi
}

# drag FROM_X FROM_Y DX DY: presses, twitches by 2 px, then moves DX DY in small steps at a
# hand's pace, and releases; the pauses pace the motion, what it did is waited for after. The window starts its move loop on the first motion after the
# press, and the loop measures from where that motion ended, so the twitch is not carried.
drag() {
  local x=$(($1 + 2)) y=$(($2 + 2)) dx=$3 dy=$4 steps=8 i
  xdotool mousemove "$1" "$2"
  sleep 0.5
  xdotool mousedown 1
  sleep 0.3
  xdotool mousemove "$x" "$y"
  sleep 0.3
  for i in $(seq $steps); do
    xdotool mousemove $((x + dx * i / steps)) $((y + dy * i / steps))
    sleep 0.15
  done
  sleep 0.3
  xdotool mouseup 1
}

# moved_by DX DY: the window is DX DY from where it was before the drag, within 5 px.
moved_by() {
  geometry
  moved_x=$((X - before_x)) moved_y=$((Y - before_y))
  [ $((moved_x - $1)) -ge -5 ] && [ $((moved_x - $1)) -le 5 ] &&
    [ $((moved_y - $2)) -ge -5 ] && [ $((moved_y - $2)) -le 5 ]
}

# expect_moved WHAT DX DY: the window gets to where the drag should leave it.
expect_moved() {
  local before_x=$X before_y=$Y moved_x moved_y
  if wait_for 10 moved_by "$2" "$3"; then
    pass "$1 moved the window by $moved_x,$moved_y (dragged $2,$3)"
  else
    fail "$1 moved the window by $moved_x,$moved_y, expected $2,$3"
  fi
}

pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
pixel_is_not() { ! pixel_is "$@"; }

# The demo's own processes: the one this test started and those under it that run the demo.
demo_pids() {
  local p
  grep -qa 'skin_demo\.exe' "/proc/$1/cmdline" 2> /dev/null && echo "$1"
  for p in $(pgrep -P "$1"); do demo_pids "$p"; done
}

alive() { local p n=0; for p in "$@"; do kill -0 "$p" 2> /dev/null && n=$((n + 1)); done; echo $n; }
none_alive() { [ "$(alive "$@")" = 0 ]; }

expect_exit_within() { # expect_exit_within SECONDS CODE
  local i
  for i in $(seq $(($1 * 5))); do
    kill -0 "$kx_pid" 2> /dev/null || break
    sleep 0.2
  done
  if kill -0 "$kx_pid" 2> /dev/null; then
    fail "the demo still runs after $1 s"
    return 1
  fi
  expect_exit "$2"
}

new_case_prefix win64
run_program "$bin/skin_demo.exe" --print-hwnd
if expect_box "$title"; then
  pids=$(demo_pids "$kx_pid")
  geometry
  confirm_x=$((X + confirm_tile[0] + 6)) confirm_y=$((Y + confirm_tile[1] + confirm_tile[3] / 2))
  # Wine believes the pointer is where the display put it first, mid-screen over the drag tile,
  # until the pointer really moves over one of its windows: visit a tile until it lights up,
  # and leave until it goes out. Not at the point tried below: coming back to where Wine last
  # saw the pointer gives the window no move.
  xdotool mousemove $((confirm_x + 20)) "$confirm_y"
  wait_for 10 pixel_is_not "$confirm_x" "$confirm_y" "$confirm_face"
  xdotool mousemove 5 5
  wait_for 10 pixel_is "$confirm_x" "$confirm_y" "$confirm_face"
  settle_picture "$title" || fail "the picture of $title did not settle"
  shoot skin-demo
  shot_box skin-demo-window
  printed=$(tr -d '\r' < "$work/program.log" | grep -E '^[0-9]+$' | head -1)
  if [ -n "$printed" ] && [ "$printed" != 0 ]; then pass "the demo printed its window handle $printed"
  else fail "the demo printed no window handle"; fi

  expect_pixel "the drag tile's face" $((X + drag_tile[0] + 6)) $((Y + drag_tile[1] + drag_tile[3] / 2)) "$drag_face"
  expect_pixel "the Confirm tile's face" "$confirm_x" "$confirm_y" "$confirm_face"
  xdotool mousemove "$confirm_x" "$confirm_y"
  if wait_for 10 pixel_is_not "$confirm_x" "$confirm_y" "$confirm_face"; then
    pass "the Confirm tile lights up under the pointer ($(pixel "$confirm_x" "$confirm_y"))"
  else fail "the Confirm tile looks the same under the pointer"; fi

  drag $((X + drag_tile[0] + 60)) $((Y + drag_tile[1] + 20)) 120 70
  expect_moved "dragging the label tile" 120 70
  shoot skin-demo-dragged

  drag $((X + bare_point[0])) $((Y + bare_point[1])) -90 -45
  expect_moved "dragging the bare surface" -90 -45

  # A press on an interactive tile must not drag: moving inside it and releasing is a click,
  # and the click closes the window.
  drag $((X + cancel_tile[0] + 30)) $((Y + cancel_tile[1] + 12)) 30 10
  expect_exit_within 30 0
else
  pids=$(demo_pids "$kx_pid")
  kill "$kx_pid" 2> /dev/null
  wait_for 10 none_alive $pids
fi
if [ -z "$pids" ]; then fail "the demo's processes were not found"
else check "none of the demo's processes ($(echo $pids)) is left" 0 "$(alive $pids)"; fi
finish_prefix
report
