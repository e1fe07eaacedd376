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
targets=${*:-"uot_reader parameter_block lectern_reply visca_reply teacher_section student_section board_section
director_section region_readback discovery_reply transfer_packet"}
parallel=${FUZZ_PARALLEL:-3}
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

status=0
report() {
    if wait "$1"; then
        echo "== $2: clean"
    else
        echo "== $2: FAILED (see $dir/logs/$2.log and $dir/artifacts/$2/)"
        status=1
    fi
    grep -E '^(#[0-9]+.*DONE|stat::)' "$dir/logs/$2.log" || tail -n 20 "$dir/logs/$2.log"
}

# Batches of $parallel targets; a batch ends before the next starts.
running=""
count=0
for t in $targets; do
    mkdir -p "$dir/corpus/$t" "$dir/artifacts/$t" "$dir/logs"
    # The targets that read answer text get the values at the edges of the conversions.
    case $t in
        uot_reader | visca_reply) dict="" ;;
        *) dict="-dict=fuzz/answer_text.dict" ;;
    esac
    # -timeout: an input that takes seconds means the reader stalls or loops.
    # shellcheck disable=SC2086
    "$dir/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 $dict \
        -artifact_prefix="$dir/artifacts/$t/" "$dir/corpus/$t" "fuzz/corpus/$t" \
        >"$dir/logs/$t.log" 2>&1 &
    running="$running $!:$t"
    count=$((count + 1))
    if [ "$count" -ge "$parallel" ]; then
        for entry in $running; do
            report "${entry%%:*}" "${entry#*:}"
        done
        running=""
        count=0
    fi
done
for entry in $running; do
    report "${entry%%:*}" "${entry#*:}"
done
exit $status
