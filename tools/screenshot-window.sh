#!/bin/sh
# Takes docs/window.png: the window as it opens with the demo registry.
# Usage: tools/screenshot-window.sh [windows build folder]
set -e
cd "$(dirname "$0")/.."
build=${1:-build/windows}
prefix=$(mktemp -d)
Xvfb :78 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; WINEPREFIX=$prefix wineserver -k 2>/dev/null; rm -rf "$prefix"' EXIT
sleep 1
export WINEPREFIX="$prefix" DISPLAY=:78
sh cmake/wine-prefix.sh "$prefix" >/dev/null
"$build/wine-run.sh" regedit /S "Z:$(echo "$PWD/tools/demo.reg" | tr / '\\')" </dev/null
"$build/wine-run.sh" "$PWD/$build/app/win32/orvik.exe" &
sleep 4
import -display :78 -window root -crop 348x398+28+28 +repage docs/window.png
"$build/wine-run.sh" taskkill /im orvik.exe /f >/dev/null 2>&1 || true
echo docs/window.png
