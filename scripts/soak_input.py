#!/usr/bin/env python3
"""Random real input for the editor through xdotool: soak_input.py TAVOLIN FOLDER SEED MINUTES.
Writes FOLDER/input.log (one line per input), FOLDER/asan.* (sanitizer reports)
and FOLDER/program.N.log; exits 1 at the first report or crash, 0 after MINUTES."""
import glob, os, random, subprocess, sys, time

TAVOLIN, OUT, SEED, MINUTES = sys.argv[1], sys.argv[2], int(sys.argv[3]), float(sys.argv[4])
rng = random.Random(SEED)
log = open(os.path.join(OUT, "input.log"), "w", buffering=1)
DOCS = sorted(glob.glob(os.path.join(OUT, "docs", "*.tvd")))
KEYS = ["r", "s", "g", "n", "Escape", "Delete", "plus", "minus", "Home", "ctrl+z", "ctrl+y",
        "ctrl+c", "ctrl+v", "ctrl+x", "ctrl+a", "Return", "Tab", "space", "Up", "Down",
        "Left", "Right", "ctrl+s", "ctrl+n", "ctrl+w", "ctrl+F4", "ctrl+Tab", "F1", "l", "t"]
ANSWERS = ["Return", "Escape", "Tab", "Tab Return", "space", "Escape Escape"]


def xdo(*args):
    log.write(" ".join(args) + "\n")
    subprocess.run(["xdotool"] + list(args), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=10)


def point():
    return str(rng.randrange(0, 1280)), str(rng.randrange(0, 1024))


def one_input():
    r = rng.random()
    if r < 0.25:
        xdo("mousemove", *point())
        xdo("click", rng.choice(["1", "1", "1", "3"]))
    elif r < 0.40:
        xdo("mousemove", *point())
        xdo("mousedown", "1")
        for _ in range(rng.randrange(1, 5)):
            xdo("mousemove", *point())
        xdo("mouseup", "1")
    elif r < 0.70:
        xdo("key", "--delay", "20", rng.choice(KEYS))
    elif r < 0.80:
        xdo("key", "--delay", "50", "alt+" + rng.choice("fmvsdlhi?acbe"),
            rng.choice("abcdefghilmnoprstuvz"), *rng.choice(ANSWERS).split())
    elif r < 0.90:
        xdo("key", "--delay", "30", *rng.choice(ANSWERS).split())
    elif r < 0.95:
        xdo("key", "ctrl+o")
        xdo("type", "--delay", "5", rng.choice(DOCS))
        xdo("key", "--delay", "50", "Return", rng.choice(["Return", "Escape"]))
    else:
        xdo("mousemove", *point())
        xdo("click", "--repeat", "2", "1")


def reports():
    return glob.glob(os.path.join(OUT, "asan*"))


def start(n):
    log.write("# start %d: tavolin --no-splash %s\n" % (n, " ".join(DOCS)))
    env = dict(os.environ, ASAN_OPTIONS="log_path=%s/asan:detect_leaks=0" % OUT,
               UBSAN_OPTIONS="log_path=%s/asan:halt_on_error=1:print_stacktrace=1" % OUT)
    err = open(os.path.join(OUT, "program.%d.log" % n), "w")
    return subprocess.Popen([TAVOLIN, "--no-splash", "--trace"] + DOCS, env=env,
                            stdout=err, stderr=err, cwd=os.path.join(OUT, "docs"))


def main():
    end = time.monotonic() + MINUTES * 60
    n, inputs = 1, 0
    prog = start(n)
    while time.monotonic() < end:
        one_input()
        inputs += 1
        rc = prog.poll()
        if reports() or (rc is not None and rc != 0):
            if rc is None:
                time.sleep(2)  # let the report finish before stopping the program
                prog.kill()
            print("soak: stopped after %d inputs: %s, status %s; kept in %s" %
                  (inputs, "sanitizer report" if reports() else "crash", prog.poll(), OUT))
            return 1
        if rc == 0:  # quit by the input itself: start again
            n += 1
            prog = start(n)
    prog.kill()
    prog.wait()
    print("soak: %d inputs in %.0f min, seed %d, nothing found" % (inputs, MINUTES, SEED))
    return 0


sys.exit(main())
