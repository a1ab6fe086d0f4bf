#!/usr/bin/env bash
# The shipped kxfix.exe run again and again in one prefix on its own display, each box
# confirmed with Return: every run must exit 0, repair the value and leave no agent behind.
# Prints the slowest and the median run. Usage: repair_soak.sh SHIPPED_BIN (scripts/soak).
set -uo pipefail
shipped=$1 runs=${KXFIX_SOAK_RUNS:-100} case=soak
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
source "$here/../wine_checks.sh"
source "$here/../e2e/e2e_lib.sh"

run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
repaired='"C:\Program Files (x86)\kX Project\kxmixer.exe" --startup'
# Presses Return on the visible box until the program ends: a key that comes before the box
# takes the focus, or a window id left from the previous run, only costs another round.
confirm_until_gone() {
  local round
  id=
  for round in $(seq 200); do
    kill -0 "$kx_pid" 2> /dev/null || return 0
    if find_box 修复成功 --onlyvisible; then
      id=$box_id
      timeout 5 xdotool windowfocus --sync "$id" 2> /dev/null && xdotool key Return
      presses=$((presses + 1))
    fi
    sleep 0.3
  done
}

new_case_prefix win64
presses=0
times=()
bad=0
for run in $(seq "$runs"); do
  reg_set /reg:64 "kX Mixer" 'C:\Old Place\kxmixer.exe'
  start=$(date +%s%N)
  run_kxfix
  confirm_until_gone
  wait "$kx_pid"
  code=$?
  times+=($((($(date +%s%N) - start) / 1000000)))
  value=$(reg_get /reg:64 "kX Mixer")
  if [ -z "$id" ] || [ "$code" != 0 ] || [ "$value" != "$repaired" ] || [ -e "$(temp_dir)/babtbbc.exe" ]; then
    bad=$((bad + 1))
    echo "run $run: box ${id:-missing}, exit $code, value [$value]"
  fi
done
read -r median slowest < <(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[NR] }')
echo "kxfix.exe soak: $runs runs, $bad failed, $presses presses of Return; median $median ms, slowest $slowest ms (launch to exit)"
[ "$bad" = 0 ]
