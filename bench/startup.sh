#!/bin/bash
# Start-up and big-drawing figures of the real program, in an Xvfb.
#
#   bench/startup.sh BUILD_DIR [RUNS]
#
# (a) launch -> READY with no document (--no-splash, file types already
#     registered by a warm-up run), RUNS times (default 5) after one warm-up;
# (b) launch -> PAINTED for a 100,000-element drawing named on the command
#     line, RUNS times after one warm-up, with the peak resident set (VmHWM,
#     read just before quitting).
# Prints median / min / max and the targets; exits 3 when a target is missed.
# The drawing comes from build-bench/tavolin-gen when it is built, otherwise
# from a small generator below with a comparable mix (BENCH_FALLBACK_GEN=1
# forces that one).
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
. "$repo/tests/e2e/xvfb.sh"
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [RUNS]" >&2; exit 2; }
build=$(cd "$1" 2>/dev/null && pwd) || { echo "$0: no folder $1" >&2; exit 2; }
runs=${2:-5}
[ -x "$build/tavolin" ] || { echo "$0: no $build/tavolin" >&2; exit 2; }
for tool in Xvfb xdotool python3; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 2; }
done

root=$(mktemp -d "${TMPDIR:-/tmp}/tavolin-bench.XXXXXX")
xvfb_pid=
cleanup() {
    stop_xvfb
    rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb "$root"

drawing=$root/bench100k.tvd
gen=
[ -n "${BENCH_FALLBACK_GEN:-}" ] || for g in "$repo/build-bench/tavolin-gen" "$build/tavolin-gen"; do
    [ -x "$g" ] && { gen=$g; break; }
done
if [ -n "$gen" ]; then
    "$gen" 100000 20340607 "$drawing" >/dev/null || { echo "$0: $gen failed" >&2; exit 2; }
    made_by=$(basename "$gen")
else
    made_by="the fallback generator"
    python3 - "$drawing" <<'EOF' || exit 2
# 70 % lines, 10 % junction dots, 10 % standard symbols, 5 % texts, 5 %
# rectangles; layers 0..3, coordinates 0..2500, CR LF.
import random, sys
rng = random.Random(20340607)
out = ["[TAVOLIN bench]"]
for i in range(100000):
    k = i % 20
    x, y, layer = rng.randint(0, 2480), rng.randint(0, 2480), rng.randint(0, 3)
    if k < 14:
        if rng.random() < 0.5:
            out.append(f"LI {x} {y} {x + rng.randint(2, 20)} {y} {layer}")
        else:
            out.append(f"LI {x} {y} {x} {y + rng.randint(2, 20)} {layer}")
    elif k < 16:
        out.append(f"SA {x} {y} {layer}")
    elif k < 18:
        out.append(f"MC {x} {y} {rng.randint(0, 3)} 0 {rng.choice(['~080', '~100'])}")
    elif k < 19:
        out.append(f"TY {x} {y} 4 3 0 0 {layer} * R{i}")
    else:
        out.append(f"RV {x} {y} {x + rng.randint(2, 20)} {y + rng.randint(2, 20)} {layer}")
open(sys.argv[1], "wb").write(("\r\n".join(out) + "\r\n").encode("ascii"))
EOF
    # Every line must be understood, or the figures would be for less.
    "$build/tavolin-cli" normalize "$drawing" -o /dev/null || { echo "$0: the generated drawing has bad lines" >&2; exit 2; }
fi

DISPLAY=$display python3 - "$build/tavolin" "$repo/tests/e2e/xclose.py" "$root" "$drawing" "$runs" "$made_by" <<'EOF'
import os, selectors, statistics, subprocess, sys, time

binary, xclose, root, drawing, runs, made_by = sys.argv[1:7]
runs = int(runs)

env = {k: v for k, v in os.environ.items()
       if k not in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER")}
env["QT_QPA_PLATFORM"] = "xcb"
for var, sub in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"), ("XDG_STATE_HOME", "state"),
                 ("XDG_RUNTIME_DIR", "runtime"), ("TMPDIR", "tmp")):
    env[var] = os.path.join(root, sub)
    os.makedirs(env[var], mode=0o700, exist_ok=True)


def peak_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def main_window(pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    best, area = None, 0
    for w in out:
        g = subprocess.run(["xdotool", "getwindowgeometry", "--shell", w], capture_output=True, text=True).stdout
        d = dict(l.split("=", 1) for l in g.split() if "=" in l)
        a = int(d.get("WIDTH", 0)) * int(d.get("HEIGHT", 0))
        if a > area:
            best, area = w, a
    return best


def run(args, until):
    """Launches the program; returns (ms to the trace line `until`, peak kB)."""
    start = time.perf_counter()
    p = subprocess.Popen([binary, "--trace", "--no-splash", *args], stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env, cwd=root)
    sel = selectors.DefaultSelector()
    sel.register(p.stderr, selectors.EVENT_READ)
    buf, ms, seen = b"", None, []
    deadline = start + 30
    while ms is None:
        left = deadline - time.perf_counter()
        if left <= 0 or not sel.select(left):
            p.kill()
            sys.exit(f"no '{until}' within 30 s; trace: {seen}")
        chunk = os.read(p.stderr.fileno(), 65536)
        if not chunk:
            sys.exit(f"the program ended before '{until}'; trace: {seen}")
        buf += chunk
        while b"\n" in buf:
            line, buf = buf.split(b"\n", 1)
            line = line.decode("utf-8", "replace")
            seen.append(line)
            if line == until:
                ms = (time.perf_counter() - start) * 1000
            elif line.startswith("MSG "):
                p.kill()
                sys.exit(f"unexpected message box: {line}")
    kb = peak_kb(p.pid)
    w = main_window(p.pid)
    if w:
        subprocess.run([sys.executable, xclose, w])
    try:
        p.wait(10)
    except subprocess.TimeoutExpired:
        p.kill()
        p.wait()
        sys.exit("the program did not quit within 10 s of closing its window")
    return ms, kb


name = os.path.basename(drawing)
run([], "READY")  # warm-up: registers the file types, fills the caches
startup = [run([], "READY") for _ in range(runs)]
run([drawing], f"PAINTED {name}")
big = [run([drawing], f"PAINTED {name}") for _ in range(runs)]

rows = [
    ("start-up to READY, no document", "ms", [m for m, _ in startup], 300),
    ("100k drawing, launch to PAINTED", "ms", [m for m, _ in big], 600),
    ("100k drawing, peak resident set", "MB", [k / 1024 for _, k in big], 150),
    ("no document, peak resident set", "MB", [k / 1024 for _, k in startup], None),
]
print(f"tavolin start-up bench: {runs} runs each after one warm-up; 100k drawing made by {made_by}")
print(f"{'':40} {'median':>8} {'min':>8} {'max':>8} {'target':>8}")
missed = False
for what, unit, values, target in rows:
    med, lo, hi = statistics.median(values), min(values), max(values)
    verdict = ""
    if target is not None:
        worst = hi if unit == "MB" else med
        verdict = "ok" if worst <= target else "OVER"
        missed |= worst > target
    tgt = f"<= {target}" if target is not None else ""
    print(f"{what + ' (' + unit + ')':40} {med:8.0f} {lo:8.0f} {hi:8.0f} {tgt:>8} {verdict}")
sys.exit(3 if missed else 0)
EOF
