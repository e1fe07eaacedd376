#!/bin/sh
# Builds the libFuzzer targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# (into build-fuzz/) and runs each for the given number of seconds, all at once.
#
#   ./scripts/fuzz.sh [seconds] [target ...]     (default: 60 seconds, every target)
#
# Each target starts from its seed corpus in fuzz/corpus/<target>/ and keeps what it finds in
# build-fuzz/corpus/<target>/ (the seeds in the source tree are not touched). Crashing inputs
# land in build-fuzz/artifacts/<target>/, the output of each run in build-fuzz/logs/<target>.log.
# Exits non-zero when a target found a failure.
set -eu
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-"uot_reader parameter_block lectern_reply"}
dir=build-fuzz

build_targets=""
for t in $targets; do
    build_targets="$build_targets fuzz_$t"
done

cmake -S . -B "$dir" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_BUILD_FUZZERS=ON -DCORVANE_SANITIZE=ON -DCORVANE_BUILD_TESTS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$dir" -j "${FUZZ_BUILD_JOBS:-3}" --target $build_targets

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

pids=""
for t in $targets; do
    mkdir -p "$dir/corpus/$t" "$dir/artifacts/$t" "$dir/logs"
    # -timeout: an input that takes seconds means the reader stalls or loops.
    "$dir/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$dir/artifacts/$t/" "$dir/corpus/$t" "fuzz/corpus/$t" \
        >"$dir/logs/$t.log" 2>&1 &
    pids="$pids $!:$t"
done

status=0
for entry in $pids; do
    pid=${entry%%:*}
    t=${entry#*:}
    if wait "$pid"; then
        echo "== $t: clean"
    else
        echo "== $t: FAILED (see $dir/logs/$t.log and $dir/artifacts/$t/)"
        status=1
    fi
    grep -E '^(#[0-9]+.*DONE|stat::)' "$dir/logs/$t.log" || tail -n 20 "$dir/logs/$t.log"
done
exit $status
