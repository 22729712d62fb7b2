#!/bin/bash
# Builds the fuzz targets in their own folder and runs each for SECONDS.
# Usage: run.sh SECONDS [TARGET...]   (env: FUZZ_BUILD, FUZZ_JOBS, JOBS)
# Exits non-zero when any target finds a crash, a leak, a timeout or a broken
# property; its artifacts are kept in $FUZZ_BUILD/fuzz-artifacts/<target>/.
set -u
cd "$(dirname "$0")/../.."
SECONDS_EACH=${1:-600}
shift || true
BUILD=${FUZZ_BUILD:-build-fuzz}
PAR=${FUZZ_JOBS:-1}
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(fuzz_text fuzz_library fuzz_macros fuzz_export fuzz_editor)

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTAVOLIN_FUZZ=ON -DTAVOLIN_SANITIZE=ON -DBUILD_TESTING=OFF >/dev/null || exit 1
fi
cmake --build "$BUILD" -j "${JOBS:-$(nproc)}" --target "${TARGETS[@]}" >"$BUILD/fuzz-build.log" 2>&1 || {
    tail -n 40 "$BUILD/fuzz-build.log"
    exit 1
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# One target: a working corpus that grows across runs, started from the seeds.
run_one() {
    local t=$1 src=tests/fuzz
    local work="$BUILD/fuzz-corpus/$t" art="$BUILD/fuzz-artifacts/$t/" log="$BUILD/fuzz-logs/$t.log"
    mkdir -p "$work" "$art" "$(dirname "$log")"
    "$BUILD/tests/fuzz/$t" -dict="$src/$t.dict" -max_total_time="$SECONDS_EACH" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$art" \
        "$work" "$src/corpus/$t" >"$log" 2>&1
    local rc=$?
    local execs rate cov
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
    if [ $rc -eq 0 ]; then
        echo "$t: ok, ${execs:-?} runs, ${rate:-?} exec/s, ${cov:-cov: ?}, corpus $(ls "$work" | wc -l)"
    else
        echo "$t: FAILED (exit $rc), artifacts in $art"
        tail -n 60 "$log"
    fi
    return $rc
}

fail=0
running=0
for t in "${TARGETS[@]}"; do
    run_one "$t" &
    running=$((running + 1))
    if [ $running -ge "$PAR" ]; then
        wait -n || fail=1
        running=$((running - 1))
    fi
done
while [ $running -gt 0 ]; do
    wait -n || fail=1
    running=$((running - 1))
done
exit $fail
