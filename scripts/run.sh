#!/bin/sh
# Installs what is missing, builds the tool and starts it. Without a display it says how to
# start it under Xvfb.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display. Start the tool under a virtual one with:"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' $(pwd)/build/Corvane"
  exit 0
fi
exec ./build/Corvane
