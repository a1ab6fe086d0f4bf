# What the end-to-end cases are made of. Each check prints one line.
unset LC_ALL
kx_pid= kx_code= box_id= shots=0
artifacts="$build/artifacts"
mkdir -p "$artifacts"


# new_case_prefix ARCH [managed | no_desktop]: with desktop_probe set, the prefix's desktop is
# started first, unless no_desktop asks for a session without one.
new_case_prefix() {
  new_prefix "$1" "e2e-$case"
  if [ "${2:-}" = managed ]; then managed_windows "$WINEPREFIX" || fail "the prefix's windows stay unmanaged"; fi
  mkdir -p "$(temp_dir)"
  if [ -n "${desktop_probe:-}" ] && [ "${2:-}" != no_desktop ]; then start_desktop; fi
}

# start_desktop: the desktop runs before the case does, as on any Windows machine, and stays
# until finish_prefix. Left to Wine, the first window starts it and waits at most 10 s for it;
# on a busy machine that wait can end first, and the program is left without windows.
start_desktop() {
  wineserver -p
  timeout 60 bash -c 'until wine "$0"; do sleep 0.2; done' "$desktop_probe" ||
    fail "the prefix's desktop did not start within 60 s"
}


temp_dir() { echo "$WINEPREFIX/drive_c/users/$(id -un)/Temp"; }

# reg_set VIEW NAME DATA: VIEW is /reg:64, /reg:32 or "" for a system with one view.
reg_set() {
  wine reg add "$run_key" /v "$2" /t REG_SZ /d "$3" /f $1 > /dev/null 2>&1 || fail "could not set $2 $1"
}

reg_set_user_env() {
  wine reg add 'HKCU\Environment' /v TEMP /t REG_SZ /d "$1" /f > /dev/null 2>&1
  wine reg add 'HKCU\Environment' /v TMP /t REG_SZ /d "$1" /f > /dev/null 2>&1
}

reg_get() {
  wine reg query "$run_key" /v "$2" $1 2> /dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}

expect_value() {
  local got; got=$(reg_get "$1" "$2")
  if [ "$got" = "$3" ]; then pass "$2 ${1:-} is $3"; else fail "$2 ${1:-} is [$got], expected [$3]"; fi
}

# run_program EXE [ARGS]: starts it in the background, Wine's own errors kept in its log.
run_program() {
  kx_code=
  WINEDEBUG=fixme-all timeout 120 wine "$@" > "$work/program.log" 2>&1 &
  kx_pid=$!
}

# reap_program: waits for the program started last and keeps its exit code in kx_code, as the
# shell gives it only once.
reap_program() {
  [ -n "$kx_code" ] || { wait "$kx_pid"; kx_code=$?; }
}

run_kxfix() { run_program "$shipped/kxfix.exe"; }

shoot() { import -window root "$artifacts/$1.png"; }

# Waits for the box titled $1 and keeps a picture of the screen.
expect_box() {
  if ! wait_for 90 find_box "$1"; then
    fail "no box titled $1 appeared"
    shoot "e2e-$case-missing"
    describe_screen
    return 1
  fi
  settle_picture "$1" || fail "the picture of $1 did not settle"
  shots=$((shots + 1))
  shoot "e2e-$case-$shots"
  pass "box titled $1 shown (build/artifacts/e2e-$case-$shots.png)"
}

# describe_screen: what there was instead, so a failure on another machine can be read from
# its log alone.
describe_screen() {
  local id names=
  for id in $(xdotool search --onlyvisible --name '' 2> /dev/null); do
    names+="[$(LANG=en_US.UTF-8 xdotool getwindowname "$id" 2> /dev/null)] "
  done
  echo "  windows shown: ${names:-none}"
  echo "  Windows programs running: $(ps -eo etimes=,args= | grep -ai '[.]exe' | sed 's/  */ /g' | head -12 | tr '\n' ';')"
  if kill -0 "$kx_pid" 2> /dev/null; then echo "  the program is still running"
  else reap_program; echo "  the program has ended, with exit code $kx_code"; fi
  echo "  program output: $(tr -d '\r' < "$work/program.log" 2> /dev/null | tail -12 | tr '\n' ' ')"
}

shot_box() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$box_id" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$artifacts/$1.png"
}

# box_geometry: sets X, Y, WIDTH and HEIGHT of the box's window.
box_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$box_id" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
}

# expect_box_place W H: the box has that size and is centred on the hidden 380 x 250 start-up
# window, which is itself centred on the screen.
expect_box_place() {
  local X= Y= WIDTH= HEIGHT= sw sh
  box_geometry
  read -r sw sh < <(xdotool getdisplaygeometry)
  local x=$(( (sw - 380) / 2 + (380 - $1) / 2 )) y=$(( (sh - 250) / 2 + (250 - $2) / 2 ))
  if [ "$WIDTH $HEIGHT $X $Y" = "$1 $2 $x $y" ]; then pass "box is $1 x $2 at ($x, $y)"
  else fail "box is $WIDTH x $HEIGHT at ($X, $Y), expected $1 x $2 at ($x, $y)"; fi
}

# click_box DX DY: a real left click at that point of the box, once the control there shows
# it is under the pointer, as a person would wait for it to light up.
click_box() {
  local X= Y= WIDTH= HEIGHT= before
  box_geometry
  before=$(box_picture)
  xdotool mousemove --sync $((X + $1)) $((Y + $2))
  wait_for 5 picture_differs "$before" || fail "nothing lit up under the pointer at $1,$2"
  xdotool click 1
}

picture_differs() { [ "$(box_picture)" != "$1" ]; }

# confirm_box Return | Escape | alt+F4: focuses the box and presses the keys.
confirm_box() {
  timeout 15 xdotool windowfocus --sync "$box_id" 2> /dev/null || fail "the box did not take the focus"
  if [ "$1" = alt+F4 ]; then
    xdotool keydown alt key F4 keyup alt
  else
    xdotool key "$1"
  fi
}

expect_exit() {
  reap_program
  if [ "$kx_code" = "$1" ]; then pass "exit code $kx_code"; else fail "exit code $kx_code, expected $1"; fi
}

# The folder must exist, or the check would pass whatever happened.
expect_no_file() {
  if [ ! -d "${1%/*}" ]; then fail "no folder ${1%/*}"
  elif [ -e "$1" ]; then fail "$1 is still there"
  else pass "no ${1##*/} left"; fi
}

hold_file() {
  rm -f "$work/ready" "$work/release"
  wine "$helpers/holdfile.exe" "$(zpath "$1")" "$(zpath "$work/ready")" "$(zpath "$work/release")" &
  holder=$!
  wait_for 20 test -e "$work/ready" || fail "the file could not be held open"
}

release_file() {
  touch "$work/release"
  wait "$holder"
}

# The box draws every pixel itself, whatever the code page: two pictures of it must match.
expect_same_box() {
  local diff
  diff=$(compare -metric AE "$artifacts/$1.png" "$artifacts/$2.png" null: 2>&1)
  if [ "$diff" = 0 ]; then pass "$1 and $2 are the same box"; else fail "$1 and $2 differ in $diff pixels"; fi
}
