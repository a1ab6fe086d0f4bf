#!/usr/bin/env bash
# Runs empty.exe under Wine against a ping.exe it can find by pid and by name, and checks
# its usage message and exit codes.
# Usage: empty_test.sh BIN_DIR (the folder holding empty.exe).
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
source "$(dirname "$0")/../wine_checks.sh"
bin=$(cd "${1:?usage: empty_test.sh BIN_DIR}" && pwd) || die "no folder $1"
usage_text='USAGE: empty.exe {pid | task-name}'

new_prefix win64 empty

# ping lives long enough for every check; wmic is how Wine tells its Windows pid.
# Output goes to files: ping inherits cmd's handles, and a pipe would wait for it to end.
sed 's/$/\r/' > "$WINEPREFIX/drive_c/start_ping.bat" << 'EOF'
@echo off
start "" /b ping -n 300 127.0.0.1 > nul 2> nul
wmic process get name,processid > C:\processes.txt
EOF
wine cmd /c 'C:\start_ping.bat' > /dev/null 2>&1
ping_pid=$(iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/processes.txt" 2> /dev/null |
  tr -d '\r' | awk 'tolower($1) == "ping.exe" { print $2; exit }')
[ -n "$ping_pid" ] || die "ping.exe did not start, or wmic did not list it"
log "ping.exe runs as pid $ping_pid"

run_empty() {  # sets rc, out and err from one run of empty.exe
  out=$(wine "$bin/empty.exe" "$@" 2> "$WINEPREFIX/stderr.txt" | tr -d '\r')
  rc=${PIPESTATUS[0]}
  err=$(tr -d '\r' < "$WINEPREFIX/stderr.txt")
}

expect_usage() {  # expect_usage WHAT ARGS...
  local what=$1
  shift
  run_empty "$@"
  check "$what prints the usage line" "$usage_text" "$out"
  check "$what exits 1" 1 "$rc"
}

expect_usage "no argument"
expect_usage "two arguments" "$ping_pid" ping.exe
expect_usage "a name no file can have" 'bad:name'
expect_usage "a pid beyond 32 bits" 4294967296

run_empty "$ping_pid"
check "the pid of ping.exe exits 0" 0 "$rc"
run_empty PING
check "the name PING, any case and no .exe, exits 0" 0 "$rc"

run_empty 99999996
check "a pid of no process exits 2" 2 "$rc"
check "a pid of no process says so" "empty.exe: no process has the id 99999996" "$err"
run_empty no-such-task.exe
check "a name of no process exits 2" 2 "$rc"

report
