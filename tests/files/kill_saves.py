#!/usr/bin/env python3
"""Kills saves at random moments: after each kill the file holds exactly the old
or the new bytes, and what a killed save left behind is its own temporary file,
removed by the next save. Usage: kill_saves.py DOCDRIVE CLI [sanitized] (a
sanitizer's slower build: smaller files, fewer kills)."""
import os, random, re, signal, subprocess, sys, tempfile, time

DRIVE, CLI = sys.argv[1], sys.argv[2]
SANITIZED = sys.argv[3:] == ["sanitized"]
KILLS = dict.fromkeys(["drawing", "library", "autosave", "normalize"], 10 if SANITIZED else 50)
rng = random.Random(int(os.environ.get("KILL_SEED", "7")))


def drawing(seed, n):
    r = random.Random(seed)
    out = ["[TAVOLIN Prova %d]" % seed]
    for i in range(n):
        x, y = r.randrange(2400), r.randrange(2400)
        out.append(["LI %d %d %d %d" % (x, y, x + 30, y), "SA %d %d" % (x, y),
                    "RV %d %d %d %d" % (x, y, x + 9, y + 5),
                    "TY %d %d 4 3 0 0 0 * R%d 10k" % (x, y, i)][i % 4])
    return "\r\n".join(out).encode() + b"\r\n"


def library(seed, n):
    body = drawing(seed, n).split(b"\r\n")[1:]
    out = [b"[TAVOLIB Prova]"]
    for i in range(0, len(body) - 1, 40):
        out.append(b"[C%d componente]" % i)
        out += body[i:i + 40]
    return b"\r\n".join(out) + b"\r\n"


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def mode_setup(mode, work):
    size = 10000 if SANITIZED else 100000
    src_old, src_new = (os.path.join(work, n) for n in ("a.in", "b.in"))
    make = library if mode == "library" else drawing
    write(src_old, make(1, size))
    write(src_new, make(2, size))
    target = os.path.join(work, "out", "autosave" if mode == "autosave" else "file")
    os.makedirs(os.path.dirname(target), exist_ok=True)

    def cmd(src):
        if mode == "normalize":
            return [CLI, "normalize", src, "-o", target]
        return [DRIVE, "save", mode, src, target]

    watched = os.path.join(target, "1-1-1.data") if mode == "autosave" else target
    return cmd, src_old, src_new, watched


def full_run(cmd):
    start = time.monotonic()
    p = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    saving = p.stdout.readline() and time.monotonic()
    assert p.wait() == 0, cmd
    end = time.monotonic()
    return end - (saving or start)


def leftovers(watched, killed):
    folder, name = os.path.split(watched)
    stray = []
    for f in os.listdir(folder):
        if f in (name, "1-1-1.info", "1-1.lock"):
            continue
        m = re.fullmatch(r".+\.(\d+)~.{6}", f)
        if not m or int(m.group(1)) not in killed:
            stray.append(f)
    return stray


def kill_mode(mode, work, counts):
    cmd, src_old, src_new, watched = mode_setup(mode, work)
    full_run(cmd(src_new))
    new = read(watched)
    window = full_run(cmd(src_old))
    print("%s: %d bytes, %.0f ms" % (mode, len(new), window * 1000))
    old = read(watched)
    assert old and new and old != new, mode
    killed = set()
    for _ in range(KILLS[mode]):
        write(watched, old)
        p = subprocess.Popen(cmd(src_new), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if mode != "normalize":
            p.stdout.readline()
        time.sleep(rng.uniform(0, window * 1.2))
        p.send_signal(signal.SIGKILL)
        p.wait()
        killed.add(p.pid)
        got = read(watched)
        counts["old" if got == old else "new" if got == new else "torn"] += 1
        counts["left"].update(f for f in os.listdir(os.path.dirname(watched)) if "~" in f)
        stray = leftovers(watched, killed)
        assert not stray, (mode, stray)
    full_run(cmd(src_new))
    assert read(watched) == new and not leftovers(watched, set()), (mode, "not cleaned up")


def main():
    counts = {"old": 0, "new": 0, "torn": 0, "left": set()}
    with tempfile.TemporaryDirectory() as work:
        for mode in KILLS:
            os.makedirs(os.path.join(work, mode))
            kill_mode(mode, os.path.join(work, mode), counts)
    print("%d kills: %d old, %d new, %d torn; %d temporary files left, all removed by the next save"
          % (counts["old"] + counts["new"] + counts["torn"], counts["old"], counts["new"],
             counts["torn"], len(counts["left"])))
    return 1 if counts["torn"] else 0


sys.exit(main())
