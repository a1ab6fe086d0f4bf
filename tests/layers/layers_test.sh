#!/usr/bin/env bash
# Every #include under src/ points down the layers, never up, and no two layers include
# each other. Usage: layers_test.sh [SRC_DIR]
set -uo pipefail
src=${1:-$(cd "$(dirname "$0")/../../src" && pwd)}

# From the bottom up; a layer may include only itself and the ones before it.
layers="core drawing imaging element controls skin msgbox app"

cd "$src" || exit 1
grep -rE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+/' --include='*.h' --include='*.cpp' --include='*.rc' . |
awk -v layers="$layers" '
  BEGIN { n = split(layers, order, " "); for (i = 1; i <= n; i++) rank[order[i]] = i }
  {
    file = substr($0, 3, index($0, ":") - 3)
    split(file, parts, "/"); from = parts[1]
    target = $0; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
    split(target, tparts, "/"); to = tparts[1]
    includes++
    if (!(from in rank) || !(to in rank)) {
      print "FAILED: " file " includes " target ": a folder outside the layers"; failures++
    } else if (rank[to] > rank[from]) {
      print "FAILED: " file " (" from ") includes " target " (" to "), a layer above its own"; failures++
    }
    if (from != to) uses[from ">" to] = 1
  }
  END {
    for (pair in uses) {
      split(pair, ab, ">")
      if ((ab[2] ">" ab[1]) in uses && ab[1] < ab[2]) { print "FAILED: " ab[1] " and " ab[2] " include each other"; failures++ }
    }
    print "checked " includes + 0 " includes between folders"
    if (includes == 0) { print "FAILED: no includes found"; failures++ }
    print (failures ? 0 : 1) " passed, " (failures ? 1 : 0) " failed"
    exit failures ? 1 : 0
  }'
