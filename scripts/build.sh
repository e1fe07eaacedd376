#!/bin/sh
# Configures and builds into the given folder (default: build). Extra arguments go to cmake.
#   scripts/build.sh [--target NAME] [DIR] [cmake options]
# With --target only that target and what it needs is built (e.g. Corvane, without the tests).
set -eu
cd "$(dirname "$0")/.."
target=""
if [ "${1:-}" = "--target" ]; then
  target=$2
  shift 2
fi
dir=${1:-build}
[ $# -gt 0 ] && shift
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
if [ -n "$target" ]; then
  cmake --build "$dir" -j "$jobs" --target "$target"
else
  cmake --build "$dir" -j "$jobs"
fi
