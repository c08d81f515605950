#!/bin/sh
# Takes docs/pictures-press5.png: the window after the fifth press of
# "My Family", under Wine and a bare X server, driven by the picture test.
# Usage: tools/screenshot-pictures.sh [windows build folder]
set -e
cd "$(dirname "$0")/.."
build=${1:-build/windows}
marker=$(mktemp -u)
Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$marker"' EXIT
sleep 1
DISPLAY=:77 ORVIK_HOLD_FILE="$marker" "$build/wine-run.sh" "$build/tests/wine/e2e/orvik_realprogram_tests.exe" \
  "$PWD/$build/app/win32/orvik.exe" --gtest_filter='RealPictures*' >/dev/null 2>&1 &
test=$!
i=0
while [ ! -f "$marker" ] && [ $i -lt 300 ]; do sleep 0.1; i=$((i + 1)); done
sleep 0.5
# The window opens at 28,28 with an outer size of 348 x 398.
import -display :77 -window root -crop 348x398+28+28 +repage docs/pictures-press5.png
wait $test
echo docs/pictures-press5.png
