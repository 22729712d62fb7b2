#!/bin/bash
# make soak: the editor, built with ASan + UBSan, under random real input for
# SOAK_MINUTES (30) minutes, seeded by SOAK_SEED (the time when unset). Every
# input goes to input.log; the run stops at the first sanitizer report or
# crash and keeps the log, the report and the program's output in the folder
# it names (soak-SEED/ under the build folder).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ASAN_BUILD:-$root/build-asan}
minutes=${SOAK_MINUTES:-30}
seed=${SOAK_SEED:-$(date +%s)}
. "$root/tests/e2e/xvfb.sh"

[ -f "$build/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTAVOLIN_SANITIZE=ON ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target tavolin || exit 2

out=$build/soak-$seed
rm -rf "$out"
mkdir -p "$out/home" "$out/docs"
cp "$root"/examples/*.tvd "$out/docs/"
start_xvfb "$out"
trap stop_xvfb EXIT
echo "soak: seed $seed, $minutes min, display $display, in $out"
DISPLAY=$display HOME=$out/home XDG_CONFIG_HOME=$out/home/.config \
    XDG_STATE_HOME=$out/home/.state XDG_DATA_HOME=$out/home/.data \
    python3 "$root/scripts/soak_input.py" "$build/tavolin" "$out" "$seed" "$minutes"
