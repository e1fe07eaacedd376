#!/bin/sh
# Installs what is missing, builds the tool (only the program, not the tests) and starts it.
# Without a display it says how to start it under Xvfb.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh --target Corvane build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exe=$(pwd)/build/app/Corvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display. Start the tool under a virtual one with:"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24 -dpi 96' $exe"
  exit 0
fi
exec "$exe"
