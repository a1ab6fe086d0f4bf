#!/usr/bin/env bash
# The controls gallery composes every control in its looks and states and saves the picture
# as build/artifacts/controls-gallery.png, for the eye. Usage: gallery_test.sh TEST_BIN
set -uo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
source "$here/../wine_checks.sh"

picture="$build/artifacts/controls-gallery.png"
mkdir -p "$build/artifacts"
rm -f "$picture"
on_display "$top/scripts/wine-test" win64 "$bin/skin_demo.exe" --gallery \
  --save "$(zpath "$picture")" > /dev/null 2>&1
check "the gallery ends well" 0 "$?"
check "the picture has the window's size" "900x640" "$(identify -format '%wx%h' "$picture" 2> /dev/null)"
# The dialog face shows where no control is, and the message box body's panel starts light blue.
check "the dialog face" "srgba(240,240,240,1)" "$(convert "$picture" -format '%[pixel:p{890,470}]' info: 2> /dev/null)"
report
