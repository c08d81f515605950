#!/bin/sh
# Installs what the builds need on Debian: the cross compiler, Wine, a bare X
# server, the Japanese locale (Wine's ANSI code page 932 comes from it), and
# the native test libraries. Does nothing for what is already there.
set -e
need=""
for p in cmake g++ clang make python3 libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64 wine64 wine \
         xvfb xauth x11-utils imagemagick locales fonts-vlgothic fonts-liberation gnuplot-nox; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need="$need $p"
done
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
if [ -n "$need" ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $need
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
