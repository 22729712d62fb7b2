#!/bin/bash
# End-to-end cases: drive the real program in an Xvfb with xdotool.
#
#   tests/e2e/run.sh BUILD_DIR [CASE...]     e.g. tests/e2e/run.sh build save
#
# Runs tests/e2e/case_*.sh (or only the named ones) one after the other on one
# Xvfb, each with its own fresh XDG folders and TMPDIR under one temporary
# folder, which is removed at the end. Prints one line per case; a failing case
# also gets its reason, its log and the program's trace; its screenshot is kept
# in $TV_E2E_ARTIFACTS (default: ${TMPDIR:-/tmp}/tavolin-e2e-failures).
# Exits 1 when a case fails. Needs Xvfb, xdotool, xclip, ImageMagick, poppler, python3.
set -u

here=$(cd "$(dirname "$0")" && pwd)
. "$here/xvfb.sh"
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [CASE...]" >&2; exit 2; }
build=$(cd "$1" 2>/dev/null && pwd) || { echo "$0: no folder $1" >&2; exit 2; }
shift
case_limit=${TV_E2E_CASE_LIMIT:-60}   # seconds; a case hitting it has hung

for tool in Xvfb xdotool xclip import convert pdfinfo pdftoppm python3 setsid timeout; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 2; }
done

root=$(mktemp -d "${TMPDIR:-/tmp}/tavolin-e2e.XXXXXX")
artifacts=${TV_E2E_ARTIFACTS:-${TMPDIR:-/tmp}/tavolin-e2e-failures}
xvfb_pid=
case_pid=

# Ends every process of a case's session (the program, anything it started),
# each by its id.
kill_session() {
    local sid=$1 pids p
    for sig in TERM KILL; do
        pids=$(ps -e -o pid=,sid= | awk -v s="$sid" '$2 == s { print $1 }')
        [ -z "$pids" ] && return 0
        for p in $pids; do kill -s "$sig" "$p" 2>/dev/null; done
        sleep 0.2
    done
}

# True while PID runs (a finished child stays a zombie until waited for).
alive() {
    local state rest
    read -r _ _ state rest 2>/dev/null <"/proc/$1/stat" || return 1
    [ "$state" != Z ]
}

cleanup() {
    [ -n "$case_pid" ] && kill_session "$case_pid"
    stop_xvfb
    rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb "$root"

if [ $# -gt 0 ]; then
    cases=()
    for name in "$@"; do
        name=${name#case_}; name=${name%.sh}
        [ -f "$here/case_$name.sh" ] || { echo "$0: no case $name" >&2; exit 2; }
        cases+=("$here/case_$name.sh")
    done
else
    cases=("$here"/case_*.sh)
fi

passed=0 failed=0
for case_file in "${cases[@]}"; do
    name=$(basename "$case_file" .sh)
    name=${name#case_}
    dir=$root/$name
    rm -f "$artifacts/$name.png"
    mkdir -p "$dir/config" "$dir/data" "$dir/state" "$dir/runtime" "$dir/tmp"
    chmod 700 "$dir/runtime"
    started=$(date +%s%N)
    # setsid: the case and all it starts share a session whose id is the
    # case's pid, so that whatever it leaves behind can be found and ended.
    (
        cd "$dir" || exit 1
        exec env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER \
            DISPLAY="$display" QT_QPA_PLATFORM=xcb \
            XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" XDG_STATE_HOME="$dir/state" \
            XDG_RUNTIME_DIR="$dir/runtime" TMPDIR="$dir/tmp" \
            TV_BUILD="$build" TV_CASE_DIR="$dir" TV_E2E_DIR="$here" TV_ARTIFACTS="$artifacts" TV_CASE="$name" \
            setsid bash "$case_file"
    ) >"$dir/log" 2>&1 </dev/null &
    case_pid=$!
    timed_out=
    ticks=0
    while alive "$case_pid"; do
        ticks=$((ticks + 1))
        if [ $ticks -gt $((case_limit * 10)) ]; then
            timed_out=1
            mkdir -p "$artifacts"
            DISPLAY=$display import -window root "$artifacts/$name.png" 2>/dev/null
            kill_session "$case_pid"
            break
        fi
        sleep 0.1
    done
    wait "$case_pid"
    rc=$?
    kill_session "$case_pid"
    case_pid=
    ms=$((($(date +%s%N) - started) / 1000000))
    secs=$(printf '%d.%d s' $((ms / 1000)) $((ms % 1000 / 100)))
    if [ $rc -eq 0 ] && [ -z "$timed_out" ]; then
        passed=$((passed + 1))
        printf 'ok    %-24s %s\n' "$name" "$secs"
    else
        failed=$((failed + 1))
        if [ -n "$timed_out" ]; then
            reason="hung for more than ${case_limit}s"
        elif [ -s "$dir/reason" ]; then
            reason=$(head -1 "$dir/reason")
        else
            reason="exited with status $rc"
        fi
        printf 'FAIL  %-24s %s: %s\n' "$name" "$secs" "$reason"
        sed 's/^/      | /' "$dir/log"
        for trace in "$dir"/trace.*; do
            [ -f "$trace" ] || continue
            n=${trace##*.}
            printf '      %s; trace:\n' "$(cat "$dir/cmd.$n" 2>/dev/null || echo "run $n")"
            sed 's/^/      > /' "$trace"
        done
        [ -f "$artifacts/$name.png" ] && echo "      screenshot: $artifacts/$name.png"
    fi
done

echo "e2e: $passed passed, $failed failed"
[ $failed -eq 0 ]
