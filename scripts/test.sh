#!/bin/sh
# Installs what is missing, builds everything and runs every test; prints CTest's summary and
# exits non-zero when any test fails.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
# Unoptimised and without debug info: the fastest build for a test run.
./scripts/build.sh build-test -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O0
jobs=$(nproc 2>/dev/null || echo 2)
cd build-test
ctest --output-on-failure -j "$jobs" --timeout 600
