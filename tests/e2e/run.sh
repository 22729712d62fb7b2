#!/bin/bash
# tests/e2e/run.sh BUILD_DIR [CASE...]: the cases one after the other on one
# Xvfb, each with fresh XDG folders and TMPDIR (see README.md); exits 1 when
# one fails.
set -u

here=$(cd "$(dirname "$0")" && pwd)
. "$here/xvfb.sh"
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [CASE...]" >&2; exit 2; }
build=$(cd "$1" 2>/dev/null && pwd) || { echo "$0: no folder $1" >&2; exit 2; }
shift
case_limit=${TV_E2E_CASE_LIMIT:-60} # seconds; a case hitting it has hung

for tool in Xvfb xdotool xclip import convert compare pdfinfo pdftoppm python3 setsid timeout; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 2; }
done

root=$(mktemp -d "${TMPDIR:-/tmp}/tavolin-e2e.XXXXXX")
artifacts=${TV_E2E_ARTIFACTS:-${TMPDIR:-/tmp}/tavolin-e2e-failures}
xvfb_pid= case_pid=

# The processes of a session (a case, the programs it started).
session() { ps -e -o pid=,sid= | awk -v s="$1" '$2 == s { print $1 }'; }
# Ends them each by its id: TERM, a second to go, then KILL.
kill_session() {
    local pids p
    pids=$(session "$1")
    for p in $pids; do kill -TERM "$p" 2>/dev/null; done
    for _ in $(seq 10); do [ -z "$(session "$1")" ] && return 0; sleep 0.1; done
    for p in $(session "$1"); do kill -KILL "$p" 2>/dev/null; done
}
# True while PID runs (a finished child stays a zombie until waited for).
alive() { local state; read -r _ _ state _ 2>/dev/null <"/proc/$1/stat" && [ "$state" != Z ]; }

cleanup() {
    [ -n "$case_pid" ] && kill_session "$case_pid"
    stop_xvfb
    rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
start_xvfb "$root"

cases=("$here"/case_*.sh)
if [ $# -gt 0 ]; then
    cases=()
    for name in "$@"; do
        name=${name#case_} name=${name%.sh}
        [ -f "$here/case_$name.sh" ] || { echo "$0: no case $name" >&2; exit 2; }
        cases+=("$here/case_$name.sh")
    done
fi

passed=0 failed=0
for case_file in "${cases[@]}"; do
    name=$(basename "$case_file" .sh) name=${name#case_}
    dir=$root/$name
    rm -f "$artifacts/$name.png"
    mkdir -p "$dir/config" "$dir/data" "$dir/state" "$dir/runtime" "$dir/tmp"
    chmod 700 "$dir/runtime"
    started=$(date +%s%N)
    # setsid: the case and all it starts share a session whose id is the
    # case's pid, so that whatever it leaves behind can be found and ended.
    (
        cd "$dir" || exit 1
        exec env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER -u LANGUAGE LC_ALL=C.UTF-8 \
            DISPLAY="$display" QT_QPA_PLATFORM=xcb \
            XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" XDG_STATE_HOME="$dir/state" \
            XDG_RUNTIME_DIR="$dir/runtime" TMPDIR="$dir/tmp" \
            TV_BUILD="$build" TV_CASE_DIR="$dir" TV_E2E_DIR="$here" TV_ARTIFACTS="$artifacts" TV_CASE="$name" \
            setsid bash "$case_file"
    ) >"$dir/log" 2>&1 </dev/null &
    case_pid=$!
    reason=
    for _ in $(seq $((case_limit * 10))); do alive "$case_pid" || break; sleep 0.1; done
    if alive "$case_pid"; then
        reason="hung for more than ${case_limit}s"
        mkdir -p "$artifacts"
        DISPLAY=$display import -window root "$artifacts/$name.png" 2>/dev/null
    fi
    kill_session "$case_pid"
    wait "$case_pid"
    rc=$?
    case_pid=
    ms=$((($(date +%s%N) - started) / 1000000))
    secs=$(printf '%d.%d s' $((ms / 1000)) $((ms % 1000 / 100)))
    if [ -z "$reason" ] && [ $rc -ne 0 ]; then
        reason=$(head -1 "$dir/reason" 2>/dev/null)
        reason=${reason:-exited with status $rc}
    fi
    [ -z "$reason" ] && { passed=$((passed + 1)); printf 'ok    %-24s %s\n' "$name" "$secs"; continue; }
    failed=$((failed + 1))
    printf 'FAIL  %-24s %s: %s\n' "$name" "$secs" "$reason"
    sed 's/^/      | /' "$dir/log"
    for trace in "$dir"/trace.*; do
        [ -f "$trace" ] || continue
        printf '      %s; trace:\n' "$(cat "$dir/cmd.${trace##*.}")"
        sed 's/^/      > /' "$trace"
    done
    [ -f "$artifacts/$name.png" ] && echo "      screenshot: $artifacts/$name.png"
done

echo "e2e: $passed passed, $failed failed"
[ $failed -eq 0 ]
