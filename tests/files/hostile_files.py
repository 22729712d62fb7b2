#!/usr/bin/env python3
"""Files made to hurt the reader, one table: each is opened as the editor opens
it and by tavolin-cli normalize. Each opens or is refused with a message, within
10 s of processor time and 20 x its size + 100 MB of memory, and is left unchanged.
Usage: hostile_files.py DOCDRIVE CLI [sanitized] (a sanitizer's build: fewer
lines and no memory bound, its shadow memory not being the program's)."""
import hashlib, os, subprocess, sys, tempfile, threading, time

DRIVE, CLI = sys.argv[1], sys.argv[2]
SANITIZED = sys.argv[3:] == ["sanitized"]
LINES = 100_000 if SANITIZED else 10_000_000
# A sanitizer's report must not pass for the exit status of a file read with errors.
ENV = dict(os.environ, ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":exitcode=86",
           UBSAN_OPTIONS=os.environ.get("UBSAN_OPTIONS", "") + ":halt_on_error=1:exitcode=86")
H = b"[TAVOLIN Ostile]\r\n"
L = b"[TAVOLIB Ostile]\r\n"
LIM = b"LI -2147483648 -2147483648 2147483647 2147483647\r\n" \
      b"RV 2147483647 2147483647 -2147483648 -2147483648\r\n" \
      b"EV -2147483648 0 2147483647 1\r\nSA 2147483647 -2147483648\r\n" \
      b"PA 2147483647 2147483647 2147483647 2147483647 3 1 1\r\n" \
      b"TY 2147483647 2147483647 2147483647 2147483647 0 0 0 * limite\r\n" \
      b"MC 2147483647 2147483647 3 1 080\r\nMC -2147483648 -2147483648 1 0 080\r\n" \
      b"BE 2147483647 0 -2147483648 0 2147483647 2147483647 0 -2147483648\r\n" \
      b"LI 2147483648 99999999999999999999 -2147483649 0\r\n"
LIBS = {"se.tvl": L + b"[A a]\r\nSA 1 1\r\nMC 0 0 0 0 se.A\r\n",
        "giro.tvl": L + b"[A a]\r\nMC 0 0 0 0 giro.B\r\n[B b]\r\nMC 0 0 0 0 giro.C\r\n"
                    b"[C c]\r\nMC 0 0 0 0 giro.A\r\nLI 0 0 5 5\r\n"}

# name, extension, bytes or their pieces (made when the row runs, in pieces so
# that this script stays small: a child's peak memory counts its parent's
# before the exec; None: a folder or a FIFO).
# The 10 million lines are opened without building their regions, which the
# recording surface would take long over.
CASES = [
    ("a 1 MB line", ".tvd", lambda: H + b"TY 1 1 4 3 0 0 0 * " + b"A" * (1 << 20) + b"\r\n"),
    ("%d short lines" % LINES, ".tvd", lambda: [H] + [b"SA 1 1\r\n" * (LINES // 100)] * 100),
    ("a symbol naming itself, a cycle of three", ".tvd",
     lambda: H + b"MC 10 10 0 0 se.A\r\nMC 20 20 0 0 giro.A\r\nMC 30 30 0 0 giro.B\r\n"),
    ("the self-naming library", ".tvl", lambda: LIBS["se.tvl"]),
    ("the library with a cycle", ".tvl", lambda: LIBS["giro.tvl"]),
    ("100,000 components", ".tvl",
     lambda: [L] + [b"[C%d c]\r\nSA 1 1\r\n" % i for i in range(100_000)]),
    ("a 64 KB symbol name", ".tvd", lambda: H + b"MC 10 10 0 0 " + b"x" * 65536 + b"\r\n"),
    ("a 64 KB component name", ".tvl", lambda: L + b"[" + b"x" * 65536 + b" c]\r\nSA 1 1\r\n"),
    ("NUL bytes", ".tvd",
     lambda: b"[TAVOLIN \0]\r\nLI 1\0 2 3 4\r\nTY 1 1 4 3 0 0 0 * a\0b\r\n" + b"\0" * 4096),
    ("bytes invalid in every encoding", ".tvd",
     lambda: b"[TAVOLIN \xff\xfe\x81]\r\nTY 1 1 4 3 0 0 0 * \xc0\x80\xed\xa0\x80\x81\x8d\x8f"
     b"\x90\x9d\xf8\x88\x80\x80\x80\xff\r\n\xfe\xff\xc3\r\n"),
    ("coordinates at the 32-bit limits", ".tvd", lambda: H + LIM),
    ("a library at the 32-bit limits", ".tvl", lambda: L + b"[A a]\r\n" + LIM),
    ("a header only", ".tvd", lambda: H),
    ("an empty file", ".tvd", lambda: b""),
    ("a folder", ".tvd", None),
    ("a FIFO", ".tvd", None),
]


def run(cmd, size, work):
    """(outcome, processor seconds, max RSS in MB): outcome is "opened", "refused"
    or a fault. Processor time, as other tests may be running beside."""
    start = time.monotonic()
    with open(os.path.join(work, "err"), "w+b") as err:
        p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=err, env=ENV)
        timer = threading.Timer(60, p.kill)
        timer.start()
        _, status, usage = os.wait4(p.pid, 0)
        timer.cancel()
        p.returncode = os.waitstatus_to_exitcode(status)
        err.seek(0)
        told = err.read().strip()
    secs, rss = usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0
    if time.monotonic() - start >= 60:
        return "hung", secs, rss
    # A guard against reading gone quadratic, not a speed target: ten million
    # lines take about 7 s of processor time on a quiet 2-core machine, and
    # more when other tests share it.
    if secs >= 25:
        return "slow", secs, rss
    if p.returncode < 0 or b"runtime error" in told:
        return "crashed (signal %d)" % -p.returncode, secs, rss
    refused = p.returncode in (2, 3)
    if refused and not told:
        return "refused silently", secs, rss
    if not refused and p.returncode not in (0, 1):
        return "exit %d" % p.returncode, secs, rss
    if rss > 20 * size / 1e6 + 100 and not SANITIZED:
        return "%.0f MB" % rss, secs, rss
    return ("refused" if refused else "opened"), secs, rss


def fingerprint(path):
    st = os.stat(path)
    if os.path.isfile(path):
        digest = hashlib.sha1()
        with open(path, "rb") as f:
            for piece in iter(lambda: f.read(1 << 20), b""):
                digest.update(piece)
        return st.st_mtime_ns, digest.digest()
    return st.st_mtime_ns, None


def make(path, name, data):
    if name == "a folder":
        os.mkdir(path)
    elif name == "a FIFO":
        os.mkfifo(path)
    else:
        with open(path, "wb") as f:
            for piece in [data] if isinstance(data, bytes) else data:
                f.write(piece)


def main():
    faults = 0
    with tempfile.TemporaryDirectory() as work:
        prog = os.path.join(work, "prog")
        os.makedirs(os.path.join(prog, "libs"))
        for name, data in LIBS.items():
            make(os.path.join(prog, "libs", name), name, data)
        for i, (name, ext, gen) in enumerate(CASES):
            path = os.path.join(work, "caso%d%s" % (i, ext))
            data = gen() if gen else None
            make(path, name, data)
            size = os.path.getsize(path) if data is not None else 0
            del data
            before = fingerprint(path)
            kind = "library" if ext == ".tvl" else "drawing"
            opening = "open" if size > 10 << 20 else "open+regions"
            for how, cmd in (("open", [DRIVE, opening, kind, path, prog]),
                             ("cli", [CLI, "normalize", "--program-dir", prog, path])):
                outcome, secs, rss = run(cmd, size, work)
                changed = fingerprint(path) != before
                faults += outcome not in ("opened", "refused") or changed
                print("%-42s %-4s %-8s %5.2f s %7.1f MB%s" %
                      (name, how, outcome, secs, rss, "  CHANGED" if changed else ""))
            if size > 1 << 20:
                os.unlink(path)
    print("%d faults" % faults)
    return 1 if faults else 0


sys.exit(main())
