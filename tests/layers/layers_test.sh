#!/usr/bin/env bash
# Every #include under src/ points down the layers, never up, and no two layers include
# each other. Usage: layers_test.sh [SRC_DIR]
set -uo pipefail
src=${1:-$(cd "$(dirname "$0")/../../src" && pwd)}

# From the bottom up; a layer may include only itself and the ones before it.
layers=(core drawing imaging element controls skin msgbox app)
rank() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}

failures=0 includes=0
declare -A uses
while IFS= read -r line; do
  file=${line%%:*}
  target=$(sed -E 's/.*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<< "${line#*:}")
  from=${file#"$src"/}; from=${from%%/*}
  to=${target%%/*}
  [ "$target" = "$to" ] && continue # a sibling header without a folder
  includes=$((includes + 1))
  rf=$(rank "$from") rt=$(rank "$to")
  if [ "$rf" -lt 0 ] || [ "$rt" -lt 0 ]; then
    echo "FAILED: ${file#"$src"/} includes $target: a folder outside the layers"
    failures=$((failures + 1))
  elif [ "$rt" -gt "$rf" ]; then
    echo "FAILED: ${file#"$src"/} ($from) includes $target ($to), a layer above its own"
    failures=$((failures + 1))
  fi
  [ "$from" != "$to" ] && uses["$from>$to"]=1
done < <(grep -rE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src" --include='*.h' --include='*.cpp' --include='*.rc')

for pair in "${!uses[@]}"; do
  a=${pair%>*} b=${pair#*>}
  if [ -n "${uses["$b>$a"]:-}" ] && [[ "$a" < "$b" ]]; then
    echo "FAILED: $a and $b include each other"
    failures=$((failures + 1))
  fi
done

echo "checked $includes includes between layers"
[ "$includes" -gt 0 ] || { echo "FAILED: no includes found under $src"; failures=$((failures + 1)); }
echo "$(( failures == 0 ? 1 : 0 )) passed, $(( failures > 0 ? 1 : 0 )) failed"
[ "$failures" = 0 ]
