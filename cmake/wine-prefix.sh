#!/bin/sh
# Prepares a Wine prefix for the tests and keeps its wineserver alive for the
# run (a Wine start is then far cheaper). With "stop" it ends the server.
set -e
export WINEPREFIX="$1" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
if [ "$2" = stop ]; then
  wineserver -k 2>/dev/null || true
  exit 0
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
# The server first, so that "wine reg" below does not leave a short-lived
# one behind; a server that already runs for this prefix is kept.
wineserver -p 2>/dev/null || true
# Unmanaged windows: under a bare X server each hide of a managed top-level
# window costs about two seconds.
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
sh "$(dirname "$0")/wine-fonts.sh" "$WINEPREFIX"
