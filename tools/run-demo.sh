#!/bin/sh
# Builds orvik.exe and starts it under Wine with a demo registry: two dial-up
# entries, a mail account, a news account and a browser proxy. The Wine
# prefix is .wine-demo/ in the project unless WINEPREFIX names another; it
# is seeded once, on its first use.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake --preset windows
cmake --build --preset windows --target orvik
export WINEPREFIX="${WINEPREFIX:-$PWD/.wine-demo}" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG="${WINEDEBUG:--all}"
if [ ! -f "$WINEPREFIX/.orvik-demo" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  sh cmake/wine-fonts.sh "$WINEPREFIX"
  timeout 120 wine regedit /S "Z:$(echo "$PWD/tools/demo.reg" | tr / '\\')" </dev/null
  wineserver -w
  touch "$WINEPREFIX/.orvik-demo"
fi
exe="$PWD/build/windows/app/win32/orvik.exe"
if [ -n "$DISPLAY" ]; then
  exec wine "$exe"
else
  # No display: a bare X server of its own.
  exec xvfb-run -a -s '-screen 0 1024x768x24' wine "$exe"
fi
