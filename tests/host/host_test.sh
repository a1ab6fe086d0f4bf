#!/usr/bin/env bash
# Builds the host copy of the pure code with the system compiler and runs its property test.
# host_test.sh BUILD_DIR [--build-only]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tree=$1/host
if [ ! -f "$tree/build.ninja" ]; then
  CXX=${HOST_CXX:-g++} cmake -S "$here" -B "$tree" -G Ninja > /dev/null
fi
cmake --build "$tree" > "$tree.log" || { cat "$tree.log" >&2; exit 1; }
[ "${2:-}" = --build-only ] && exit 0
"$tree/pure_properties"
