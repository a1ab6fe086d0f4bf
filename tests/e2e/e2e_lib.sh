# What the end-to-end cases are made of. Each check prints one line.
unset LC_ALL
kx_pid= box_id= shots=0
artifacts="$build/artifacts"
mkdir -p "$artifacts"


new_case_prefix() {
  new_prefix "$1" "e2e-$case"
  mkdir -p "$(temp_dir)"
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

run_program() {
  timeout 120 wine "$@" > "$work/program.log" 2>&1 &
  kx_pid=$!
}

run_kxfix() { run_program "$shipped/kxfix.exe"; }

shoot() { import -window root "$artifacts/$1.png"; }

# Waits for the box titled $1 and keeps a picture of the screen.
expect_box() {
  box_id=$(LANG=en_US.UTF-8 timeout 90 xdotool search --sync --name "^$1\$" 2> /dev/null | head -1)
  if [ -z "$box_id" ]; then
    fail "no box titled $1 appeared"
    shoot "e2e-$case-missing"
    return 1
  fi
  sleep 1
  shots=$((shots + 1))
  shoot "e2e-$case-$shots"
  pass "box titled $1 shown (build/artifacts/e2e-$case-$shots.png)"
}

shot_box() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$box_id" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$artifacts/$1.png"
}

# confirm_box Return | alt+F4: focuses the box and presses the keys.
confirm_box() {
  xdotool windowfocus "$box_id" 2> /dev/null
  sleep 0.5
  if [ "$1" = alt+F4 ]; then
    xdotool keydown alt key F4 keyup alt
  else
    xdotool key "$1"
  fi
}

expect_exit() {
  wait "$kx_pid"
  local code=$?
  if [ "$code" = "$1" ]; then pass "exit code $code"; else fail "exit code $code, expected $1"; fi
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
  local i
  for i in $(seq 100); do [ -e "$work/ready" ] && break; sleep 0.2; done
  [ -e "$work/ready" ] || fail "the file could not be held open"
}

release_file() {
  touch "$work/release"
  wait "$holder"
}

# Compares the message rows of two box pictures: the upper half, above the buttons, whose
# captions the platform box takes from the locale.
expect_same_message() {
  local a="$artifacts/$1.png" b="$artifacts/$2.png" diff
  diff=$(compare -metric AE <(convert "$a" -gravity north -crop 100%x50%+0+0 +repage png:-) \
                            <(convert "$b" -gravity north -crop 100%x50%+0+0 +repage png:-) null: 2>&1)
  if [ "$diff" = 0 ]; then pass "$1 and $2 show the same message"; else fail "$1 and $2 differ in $diff pixels"; fi
}
