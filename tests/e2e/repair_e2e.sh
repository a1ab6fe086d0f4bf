#!/usr/bin/env bash
# End to end: the real kxfix.exe in a fresh Wine prefix on a virtual display of its own,
# its box confirmed with real keys and clicks. Usage: repair_e2e.sh CASE SHIPPED_BIN TEST_BIN
set -uo pipefail
case=$1 shipped=$2 helpers=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
if [ -z "${KXFIX_E2E_DISPLAY:-}" ]; then
  KXFIX_E2E_DISPLAY=1 on_display bash "$0" "$@"
  exit
fi
source "$here/../wine_checks.sh"
source "$here/e2e_lib.sh"

desktop_probe="$helpers/desktopprobe.exe"
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
old='C:\Old Place\kxmixer.exe'
# Where a person clicks in the 321 x 150 box: the middle of "确定" and of the caption's close button.
ok_button='270 131' close_button='303 9'

# Task Manager's approvals, in the machine's and the user's hive, and the form it gives a
# disabled entry.
approvals=('HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
  'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run')
disabled=03000000D40D438DC83BD901

# disable_in_task_manager VIEW: both hives approve "kX Mixer" as disabled.
disable_in_task_manager() {
  local key
  for key in "${approvals[@]}"; do
    wine reg add "$key" /v "kX Mixer" /t REG_BINARY /d $disabled /f $1 > /dev/null 2>&1 ||
      fail "could not disable kX Mixer in $key"
  done
}

# expect_enabled VIEW: no approval in either hive disables "kX Mixer" any more.
expect_enabled() {
  local key
  for key in "${approvals[@]}"; do
    if wine reg query "$key" /v "kX Mixer" $1 > /dev/null 2>&1; then fail "$key still approves kX Mixer as disabled"
    else pass "$key no longer disables kX Mixer"; fi
  done
}

# closes_cleanly HOW...: one more run of the same prefix, its box closed by a key or a click.
closes_cleanly() {
  run_kxfix
  expect_box "修复成功" && expect_box_place 321 150 && "$@"
  expect_exit 0
  expect_no_file "$(temp_dir)/babtbbc.exe"
}

case $case in
win64)
  new_case_prefix win64
  reg_set /reg:64 "kX Mixer" "$old"
  reg_set /reg:64 "Other Program" 'C:\other.exe /quiet'
  reg_set /reg:32 "kX Mixer" 'left alone in the 32-bit view'
  disable_in_task_manager /reg:64
  run_kxfix
  expect_box "修复成功" && expect_box_place 321 150 && click_box $ok_button
  expect_exit 0
  expect_value /reg:64 "kX Mixer" '"C:\Program Files (x86)\kX Project\kxmixer.exe" --startup'
  expect_value /reg:64 "Other Program" 'C:\other.exe /quiet'
  expect_value /reg:32 "kX Mixer" 'left alone in the 32-bit view'
  expect_enabled /reg:64
  expect_no_file "$(temp_dir)/babtbbc.exe"
  ;;
win32)
  new_case_prefix win32
  reg_set "" "kX Mixer" "$old"
  disable_in_task_manager ""
  run_kxfix
  expect_box "修复成功" && expect_box_place 321 150 && confirm_box Return
  expect_exit 0
  expect_value "" "kX Mixer" '"C:\Program Files\kX Project\kxmixer.exe" --startup'
  expect_enabled ""
  expect_no_file "$(temp_dir)/babtbbc.exe"
  ;;
temp_with_space)
  new_case_prefix win64
  mkdir -p "$WINEPREFIX/drive_c/kx temp/with space"
  reg_set_user_env 'C:\kx temp\with space'
  run_kxfix
  expect_box "修复成功" && confirm_box Return
  expect_exit 0
  expect_value /reg:64 "kX Mixer" '"C:\Program Files (x86)\kX Project\kxmixer.exe" --startup'
  expect_no_file "$WINEPREFIX/drive_c/kx temp/with space/babtbbc.exe"
  ;;
locked_stale_agent)
  new_case_prefix win64
  reg_set /reg:64 "kX Mixer" "$old"
  stale="$(temp_dir)/babtbbc.exe"
  cp "$helpers/marker.exe" "$stale"
  hold_file "$stale"
  run_kxfix
  expect_box "修复失败" && expect_box_place 321 150 && shot_box failure-box && confirm_box Return
  expect_exit 0
  expect_no_file "$stale.ran"
  expect_value /reg:64 "kX Mixer" "$old"
  release_file
  ;;
closed_other_ways)
  new_case_prefix win64
  closes_cleanly confirm_box alt+F4
  closes_cleanly confirm_box Escape
  closes_cleanly click_box $close_button
  ;;
locales)
  for lang in en_US.UTF-8 zh_CN.UTF-8; do
    # The whole session in that locale, its desktop too, as on a machine set up so.
    LANG=$lang new_case_prefix win64
    LANG=$lang run_kxfix
    expect_box "修复成功" && shot_box "box-$lang" && confirm_box Return
    expect_exit 0
    finish_prefix
  done
  expect_same_box box-en_US.UTF-8 box-zh_CN.UTF-8
  ;;
screen_reader)
  # Another process reads the box through its accessible object and presses OK with it.
  new_case_prefix win64
  reg_set /reg:64 "kX Mixer" "$old"
  run_kxfix
  if expect_box "修复成功"; then
    if wine "$helpers/accessprobe.exe" $ok_button > "$work/probe.log" 2>&1; then
      pass "a screen reader read the box and pressed OK: $(tr -d '\r' < "$work/probe.log" | grep -a '^child' | tr '\n' ';')"
    else
      fail "the screen reader probe failed: $(tr -d '\r' < "$work/probe.log" | grep -a 'FAILED\|^child' | tr '\n' ' ')"
    fi
  fi
  expect_exit 0
  expect_value /reg:64 "kX Mixer" '"C:\Program Files (x86)\kX Project\kxmixer.exe" --startup'
  ;;
fatal_error)
  # The fatal error box is the platform's. Managed, it looks as it always has: Wine leaves its
  # caption to a window manager, and the test display has none.
  new_case_prefix win64 managed
  run_program "$helpers/fatalprobe.exe"
  expect_box "错误" && confirm_box Return
  expect_exit 255
  ;;
missing_function)
  new_case_prefix win64 managed
  run_program "$helpers/fatalprobe.exe" missing-function
  expect_box "错误" && confirm_box Return
  expect_exit 255
  ;;
no_desktop)
  # A session that cannot make windows: the program can neither repair nor report, so it
  # changes nothing and says so with its exit code.
  new_case_prefix win64 no_desktop
  reg_set /reg:64 "kX Mixer" "$old"
  wineserver -w
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;explorer.exe=d" run_kxfix
  expect_exit 1
  expect_value /reg:64 "kX Mixer" "$old"
  expect_no_file "$(temp_dir)/babtbbc.exe"
  ;;
*)
  fail "unknown case $case"
  ;;
esac
finish_prefix
report
