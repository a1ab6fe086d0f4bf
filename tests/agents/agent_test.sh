#!/usr/bin/env bash
# Runs the repair agents under Wine on prepared registries: each must rewrite only its own
# view's "kX Mixer" value, with the program path quoted, lift a Task Manager approval that
# disables it, and must change nothing when it cannot tell where the program folder is.
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
approved='SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
disabled=03000000D40D438DC83BD901 enabled=020000000000000000000000 enabled_too=060000000000000000000000

# check_approvals BITS AGENT VIEW: on a prefix without approvals the agent creates none; over
# disabling ones in both hives it lifts its own and no other; over enabling ones it keeps them.
check_approvals() {
  local bits=$1 agent=$2 view=$3
  run_batch <<EOF
@echo off
set M=HKLM\\$approved
set U=HKCU\\$approved
"$agent"
echo @@ clean rc %errorlevel%
reg query "%M%" $view > nul 2>&1
echo @@ machine key rc %errorlevel%
reg query "%U%" > nul 2>&1
echo @@ user key rc %errorlevel%
reg add "%M%" /v "kX Mixer" /t REG_BINARY /d $disabled /f $view > nul
reg add "%U%" /v "kX Mixer" /t REG_BINARY /d $disabled /f > nul
reg add "%M%" /v "Other" /t REG_BINARY /d $disabled /f $view > nul
"$agent"
echo @@ lift rc %errorlevel%
echo @@ lift machine
reg query "%M%" $view
echo @@ lift user
reg query "%U%"
reg add "%M%" /v "kX Mixer" /t REG_BINARY /d $enabled /f $view > nul
reg add "%U%" /v "kX Mixer" /t REG_BINARY /d $enabled_too /f > nul
"$agent"
echo @@ keep rc %errorlevel%
echo @@ keep machine
reg query "%M%" $view
echo @@ keep user
reg query "%U%"
EOF
  check "$bits-bit agent exits 0 where no approval exists" 0 "$(exit_code clean)"
  check "$bits-bit agent creates no machine approval key" 1 "$(exit_code 'machine key')"
  check "$bits-bit agent creates no user approval key" 1 "$(exit_code 'user key')"
  check "$bits-bit agent exits 0 over disabling approvals" 0 "$(exit_code lift)"
  check "$bits-bit agent lifts the machine's disabling approval" "" "$(entry 'lift machine' 'kX Mixer')"
  check "$bits-bit agent lifts the user's disabling approval" "" "$(entry 'lift user' 'kX Mixer')"
  check "$bits-bit agent keeps another program's approval" "REG_BINARY $disabled" "$(entry 'lift machine' Other)"
  check "$bits-bit agent exits 0 over enabling approvals" 0 "$(exit_code keep)"
  check "$bits-bit agent keeps the machine's enabling approval" "REG_BINARY $enabled" "$(entry 'keep machine' 'kX Mixer')"
  check "$bits-bit agent keeps the user's enabling approval" "REG_BINARY $enabled_too" "$(entry 'keep user' 'kX Mixer')"
}

for bits in 64 32; do  # no C runtime keeps them tiny
  size=$(stat -c %s "$bin/kxagent$bits.exe")
  if [ "$size" -le 8192 ]; then pass "$bits-bit agent is $size bytes"; else fail "$bits-bit agent is $size bytes, over 8 KB"; fi
done

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

new_prefix win64 agent
check_approvals 64 "$agent64" /reg:64

log "win32 prefix: the 32-bit agent"
new_prefix win32 agent
check_approvals 32 "$(zpath "$bin/kxagent32.exe")" ""
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
