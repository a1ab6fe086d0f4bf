#!/usr/bin/env bash
# Runs the repair agents under Wine on prepared registries: each must rewrite only its own
# view's "kX Mixer" value, with the program path quoted, and must change nothing when it
# cannot tell where the program folder is.
# Usage: agent_test.sh BIN_DIR (the folder holding kxagent64.exe and kxagent32.exe).
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
source "$(dirname "$0")/../wine_checks.sh"
bin=$(cd "${1:?usage: agent_test.sh BIN_DIR}" && pwd) || die "no folder $1"

check_failure() {  # check_failure WHAT EXIT-CODE: passes for a non-zero code only
  if [ -n "$2" ] && [ "$2" != 0 ]; then pass "$1"; else fail "$1: exit code '$2', expected non-zero"; fi
}

# Runs the batch text on stdin in the prefix, in one cmd.exe: each Wine start costs seconds.
run_batch() {
  sed 's/$/\r/' > "$WINEPREFIX/drive_c/agent_test.bat"
  output=$(wine cmd /c 'C:\agent_test.bat' 2> /dev/null | tr -d '\r')
}

# The batch marks its output with "@@ NAME" lines; these read one marked part.
exit_code() { sed -n "s/^@@ $1 rc \(.*\)$/\1/p" <<< "$output"; }
entry() {  # entry SECTION VALUE-NAME: prints "TYPE DATA" as reg query showed it
  awk -v mark="@@ $1" '$0 == mark { on = 1; next } /^@@ / { on = 0 } on' <<< "$output" |
    sed -n "s/^    $2    \(REG_[A-Z_]*\)    \(.*\)$/\1 \2/p"
}

run_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
stale='C:\Program Files (x86)\kX Project\kxmixer.exe --startup'

log "win64 prefix: the 64-bit agent"
new_prefix win64 agent
agent64=$(zpath "$bin/kxagent64.exe")
run_batch <<EOF
@echo off
set K=$run_key
reg add "%K%" /v "kX Mixer" /t REG_SZ /d "$stale" /f /reg:64 > nul
reg add "%K%" /v "kX Mixer" /t REG_SZ /d "marker for the 32-bit view" /f /reg:32 > nul
reg add "%K%" /v "Other" /t REG_EXPAND_SZ /d "C:\other.exe /x" /f /reg:64 > nul
"$agent64"
echo @@ fix rc %errorlevel%
echo @@ fix 64
reg query "%K%" /v "kX Mixer" /reg:64
echo @@ fix 32
reg query "%K%" /v "kX Mixer" /reg:32
echo @@ other
reg query "%K%" /v "Other" /reg:64
reg delete "%K%" /v "kX Mixer" /f /reg:64 > nul
"$agent64"
echo @@ create rc %errorlevel%
echo @@ create 64
reg query "%K%" /v "kX Mixer" /reg:64
reg add "%K%" /v "kX Mixer" /t REG_SZ /d "previous value" /f /reg:64 > nul
set "ProgramFiles(x86)="
"$agent64"
echo @@ no-folder rc %errorlevel%
echo @@ no-folder 64
reg query "%K%" /v "kX Mixer" /reg:64
EOF
fixed64='REG_SZ "C:\Program Files (x86)\kX Project\kxmixer.exe" --startup'
check "64-bit agent exits 0 over a stale value" 0 "$(exit_code fix)"
check "64-bit view holds the quoted command" "$fixed64" "$(entry 'fix 64' 'kX Mixer')"
check "32-bit view's value is untouched" "REG_SZ marker for the 32-bit view" "$(entry 'fix 32' 'kX Mixer')"
check "other value of the key is untouched" 'REG_EXPAND_SZ C:\other.exe /x' "$(entry other Other)"
check "64-bit agent exits 0 with no value beforehand" 0 "$(exit_code create)"
check "64-bit agent creates the missing value" "$fixed64" "$(entry 'create 64' 'kX Mixer')"
check_failure "64-bit agent fails without ProgramFiles(x86)" "$(exit_code no-folder)"
check "failed run keeps the previous value" "REG_SZ previous value" "$(entry 'no-folder 64' 'kX Mixer')"

log "win32 prefix: the 32-bit agent"
new_prefix win32 agent
run_batch <<EOF
@echo off
set K=$run_key
reg add "%K%" /v "kX Mixer" /t REG_SZ /d "C:\Program Files\kX Project\kxmixer.exe --startup" /f > nul
"$(zpath "$bin/kxagent32.exe")"
echo @@ fix rc %errorlevel%
echo @@ fix 32
reg query "%K%" /v "kX Mixer"
EOF
check "32-bit agent exits 0" 0 "$(exit_code fix)"
check "32-bit Windows holds the quoted command" 'REG_SZ "C:\Program Files\kX Project\kxmixer.exe" --startup' \
  "$(entry 'fix 32' 'kX Mixer')"

report
