#!/bin/bash
# `tavolin-cli diff` of two 100,000-element drawings that differ in 100
# primitives, whole process, PNG included, beside reading the two files alone.
#
#   bench/diff.sh BUILD_DIR [RUNS]
#
# BUILD_DIR holds tavolin-cli and tavolin-gen (`make bench` builds both in
# build-bench). The second drawing is the first with 40 wires moved, 20
# symbols turned, 20 elements removed and 20 wires added. Prints median / min
# / max wall time and the median CPU time (user + system) of RUNS runs
# (default 5) after one warm-up; exits 3 when the median wall time misses the
# target. On a shared machine the load average printed beside tells how far
# the wall times stand above the CPU times.
set -u
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [RUNS]" >&2; exit 2; }
build=$(cd "$1" 2>/dev/null && pwd) || { echo "$0: no folder $1" >&2; exit 2; }
runs=${2:-5}
for t in tavolin-cli tavolin-gen; do
    [ -x "$build/$t" ] || { echo "$0: no $build/$t" >&2; exit 2; }
done
root=$(mktemp -d "${TMPDIR:-/tmp}/tavolin-diff-bench.XXXXXX")
trap 'rm -rf "$root"' EXIT
"$build/tavolin-gen" 100000 20340607 "$root/a.tvd" >/dev/null || exit 2

python3 - "$root/a.tvd" "$root/b.tvd" <<'PY' || exit 2
import random, sys
rng = random.Random(7)
lines = open(sys.argv[1], "rb").read().split(b"\r\n")
head, body = lines[0], [l for l in lines[1:] if l]
wires = [i for i, l in enumerate(body) if l.startswith(b"LI ")]
symbols = [i for i, l in enumerate(body) if l.startswith(b"MC ")]
moved = rng.sample(wires, 60)
for i in moved[:40]:
    f = body[i].split(b" ")
    f[1], f[3] = b"%d" % (int(f[1]) + 7), b"%d" % (int(f[3]) + 7)
    body[i] = b" ".join(f)
for i in rng.sample(symbols, 20):
    f = body[i].split(b" ")
    f[3] = b"%d" % ((int(f[3]) + 1) % 4)
    body[i] = b" ".join(f)
for i in sorted(moved[40:], reverse=True):
    del body[i]
body += [b"LI %d %d %d %d" % (x, y, x + 15, y) for x, y in
         ((rng.randint(0, 2400), rng.randint(0, 2400)) for _ in range(20))]
open(sys.argv[2], "wb").write(b"\r\n".join([head] + body) + b"\r\n")
PY

cd "$root" || exit 2
"$build/tavolin-cli" diff a.tvd b.tvd --text >changes.txt
[ $? = 1 ] || { echo "$0: the drawings compare as the same" >&2; exit 2; }
summary=$(printf '%s moved or turned, %s removed, %s added' "$(grep -c '^~' changes.txt)" \
    "$(grep -c '^-' changes.txt)" "$(grep -c '^+' changes.txt)")

export QT_QPA_PLATFORM=offscreen
python3 - "$build/tavolin-cli" "$runs" "$summary" <<'PY'
import os, resource, statistics, subprocess, sys, time
cli, runs, summary = sys.argv[1], int(sys.argv[2]), sys.argv[3]
cases = [
    ("diff a b -o x.png (target 1.5 s)", [[cli, "diff", "a.tvd", "b.tvd", "-o", "x.png"]]),
    ("diff a b --text", [[cli, "diff", "a.tvd", "b.tvd", "--text"]]),
    ("reading both alone: normalize a; normalize b",
     [[cli, "normalize", "a.tvd"], [cli, "normalize", "b.tvd"]]),
]
def cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime
print(f"100,000 elements each; the changes: {summary}")
print(f"load average before: {os.getloadavg()[0]:.1f} on {os.cpu_count()} cores")
print("| whole process | wall median | wall min | wall max | CPU median |")
print("|---|---:|---:|---:|---:|")
verdict = 0
for name, cmds in cases:
    walls, cpus = [], []
    for r in range(runs + 1):
        t, c = time.perf_counter(), cpu()
        for cmd in cmds:
            subprocess.run(cmd, stdout=subprocess.DEVNULL)
        if r:
            walls.append(time.perf_counter() - t)
            cpus.append(cpu() - c)
    med = statistics.median(walls)
    print(f"| {name} | {med:.2f} s | {min(walls):.2f} s | {max(walls):.2f} s | "
          f"{statistics.median(cpus):.2f} s |")
    if name.startswith("diff a b -o") and med > 1.5:
        verdict = 3
print(f"load average after: {os.getloadavg()[0]:.1f}")
print("target met" if verdict == 0 else "target MISSED")
sys.exit(verdict)
PY
