#!/usr/bin/env bash
# Every function the shipped programs import must exist on Windows XP SP3: each import is
# checked against a list of functions known there. A new import means checking it on XP
# (MSDN's "minimum supported client") and adding it to xp_imports.txt.
set -uo pipefail
bin=$1
allowed="$(dirname "$0")/xp_imports.txt"
status=0
# What kxfix needs only for a screen reader or a tooltip it binds by name when first asked:
# each of these libraries at load time would slow every start.
late_bound='^(comctl32|ole32|oleacc|oleaut32)\.dll!'

imports_of() {
  local objdump=i686-w64-mingw32-objdump
  file "$1" | grep -q 'x86-64' && objdump=x86_64-w64-mingw32-objdump
  "$objdump" -p "$1" | awk -F'\t' '
    /DLL Name:/ { split($2, name, ": "); dll = tolower(name[2]); next }
    dll != "" && $3 ~ /^ *[0-9]+ +[A-Za-z_]/ { n = split($3, f, " +"); print dll "!" f[n] }'
}

for program in kxfix.exe kxagent64.exe kxagent32.exe empty.exe; do
  path="$bin/$program"
  if [ ! -f "$path" ]; then
    echo "FAILED: $program was not built"; status=1; continue
  fi
  list=$(imports_of "$path" | sort -u)
  if [ -z "$list" ]; then
    echo "FAILED: no imports read from $program"; status=1; continue
  fi
  early=$(echo "$list" | grep -E "$late_bound")
  if [ "$program" = kxfix.exe ] && [ -n "$early" ]; then
    echo "FAILED: kxfix.exe loads at start what it should bind when first needed:"
    echo "$early" | sed 's/^/  /'
    status=1
  fi
  unknown=$(comm -23 <(echo "$list") <(grep -v '^#' "$allowed" | sort -u))
  if [ -n "$unknown" ]; then
    echo "FAILED: $program imports functions not known on Windows XP:"
    echo "$unknown" | sed 's/^/  /'
    status=1
  else
    echo "ok: $program: $(echo "$list" | wc -l) imports, all on Windows XP"
  fi
done
exit $status
