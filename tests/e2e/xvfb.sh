# Sourced by the end-to-end runner and the start-up benchmark: a private Xvfb
# with no window manager, on a display it picks itself.
#   start_xvfb FOLDER   sets xvfb_pid and display (":N"); exits 2 when it fails
#   stop_xvfb
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/display" >"$1/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        grep -q '^[0-9][0-9]*$' "$1/display" 2>/dev/null && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    grep -q '^[0-9][0-9]*$' "$1/display" 2>/dev/null || { echo "$0: Xvfb did not start:" >&2; cat "$1/xvfb.log" >&2; exit 2; }
    display=:$(head -1 "$1/display")
}

stop_xvfb() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
