#!/bin/sh
# Installs what is missing, builds everything and runs every test; prints CTest's summary and
# exits non-zero when any test fails.
#   scripts/test.sh              into build-test/
#   scripts/test.sh --sanitize   into build-sanitize/, under AddressSanitizer (with its leak
#                                check) and UndefinedBehaviorSanitizer
set -eu
cd "$(dirname "$0")/.."
sanitize=0
if [ "${1:-}" = "--sanitize" ]; then sanitize=1; shift; fi
./scripts/install-deps.sh
if [ "$sanitize" = 1 ]; then
  dir=build-sanitize
  # Some optimisation keeps the instrumented tests within their time limits; -g names the lines.
  ./scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=-O1 -g" -DCORVANE_SANITIZE=ON
  # Leaks of Qt's offscreen platform plugin and of system libraries are suppressed, nothing of
  # the program's own (tests/support/lsan.supp). Qt's libraries keep no frame pointers, so the
  # fast unwinder stops at their first frame and a suppression would never see the plugin's
  # frames: allocations are traced by the slow unwinder, ten frames deep (deeper, or by the fast
  # unwinder, where a test's CMakeLists.txt says so).
  ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=10${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
  LSAN_OPTIONS="suppressions=$(pwd)/tests/support/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
  export ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
else
  dir=build-test
  # Unoptimised and without debug info: the fastest build for a test run.
  ./scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O0
fi
jobs=$(nproc 2>/dev/null || echo 2)
cd "$dir"
ctest --output-on-failure -j "$jobs" --timeout 600
