#!/usr/bin/env bash
# Launch to visible box, median of KXFIX_LAUNCH_RUNS (5) runs each, for the shipped kxfix.exe,
# the platform's MessageBoxW with the same text and title, and a batch file that sets the
# value with reg add /reg:64 and then shows that box. Prints the ratios to the platform box.
# Usage: launch_bench.sh SHIPPED_BIN TEST_BIN (run by scripts/bench on a display of its own).
set -uo pipefail
shipped=$1 helpers=$2 runs=${KXFIX_LAUNCH_RUNS:-5} case=launch
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
source "$here/../wine_checks.sh"
source "$here/../e2e/e2e_lib.sh"

new_case_prefix win64
batch="$work/repair.cmd"
printf '%s\r\n' '@echo off' \
  'reg add "HKLM\Software\Microsoft\Windows\CurrentVersion\Run" /v "kX Mixer" /t REG_SZ /d "kxmixer.exe --startup" /f /reg:64 > nul' \
  "start \"\" /wait \"$(zpath "$helpers/platformbox.exe")\"" > "$batch"

# visible_box: the id of the box once it is mapped. Polled every 20 ms: xdotool's own --sync
# looks only every half second, which would round every figure up to that step.
visible_box() {
  local i
  for i in $(seq 4500); do
    find_box 修复成功 --onlyvisible && break
    sleep 0.02
  done
  echo "$box_id"
}

# launch_ms PROGRAM...: milliseconds from starting it to its box being mapped; the box is
# then closed with Return and the program waited for.
launch_ms() {
  local start id
  start=$(date +%s%N)
  timeout 120 wine "$@" > /dev/null 2>&1 &
  local pid=$!
  id=$(visible_box)
  echo $((($(date +%s%N) - start) / 1000000))
  sleep 0.5
  [ -n "$id" ] && xdotool windowfocus --sync "$id" 2> /dev/null && xdotool key Return
  wait "$pid"
}

median_of() {
  local i values=()
  for i in $(seq "$runs"); do values+=("$(launch_ms "$@")"); done
  printf '%s\n' "${values[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# start_ms: milliseconds for a program that starts and ends at once (empty.exe printing its
# usage): what starting any process costs here, before it does anything.
start_ms() {
  local start
  start=$(date +%s%N)
  wine "$shipped/empty.exe" > /dev/null 2>&1
  echo $((($(date +%s%N) - start) / 1000000))
}

# The prefix stays warm between runs: its server and services start once, outside the figures
# (the server ends with the prefix).
wineserver -p
wine cmd /c exit > /dev/null 2>&1
bare=$(for i in $(seq "$runs"); do start_ms; done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
kxfix=$(median_of "$shipped/kxfix.exe")
platform=$(median_of "$helpers/platformbox.exe")
script=$(median_of cmd /c "$(zpath "$batch")")
printf 'launch to visible box, median of %d: kxfix.exe %d ms, MessageBoxW %d ms, reg add + MessageBoxW %d ms\n' \
  "$runs" "$kxfix" "$platform" "$script"
awk -v k="$kxfix" -v p="$platform" -v s="$script" \
  'BEGIN { printf "  kxfix / MessageBoxW %.2f, kxfix / batch %.2f\n", k / p, k / s }'
printf '  a process that starts and ends at once (empty.exe): %d ms\n' "$bare"
