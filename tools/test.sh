#!/bin/sh
# Builds both builds and runs every test: the native suite under the
# sanitizers, then the Windows build's suites under Wine and a bare X server.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake --preset native
cmake --build --preset native
ctest --preset native
cmake --preset windows
cmake --build --preset windows
xvfb-run -a -s '-screen 0 1280x1024x24' ctest --preset windows
