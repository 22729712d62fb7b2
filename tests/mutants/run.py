#!/usr/bin/env python3
"""Hand-made mutants: each one a small fault that the tests ought to catch.

    tests/mutants/run.sh [BUILD_DIR] [ID...]     (default: build, every mutant)
    tests/mutants/run.sh --check                 (only that each one applies)

For each mutant of mutants.txt: check that its original text occurs exactly
once in its file, put the replacement in, build only the test targets that can
see the file, run them, and restore the file whatever happens (also on Ctrl+C).
A mutant is killed by a build error or a failing test, and survives otherwise.
The table is printed at the end (Markdown, as in baseline.md).

Entries of mutants.txt, separated by blank lines:
    id:   short name
    file: path from the top of the tree
    desc: one line
    old:  the exact original text (one line; more lines with "old+ ...")
    new:  the replacement (likewise "new+ ...")
    run:  optional, the tests to run instead of the default of the folder:
          gtest or QtTest targets by name, "cli_tests", "e2e:CASE"
Default: core_tests for src/model, src/format, src/doc and src/view; the
widget test programs for src/app; qt_tests for src/qtlayer.

Not run by make test. Builds with -j2 (JOBS to change it).
"""
import os
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DATA = os.path.join(ROOT, "tests", "mutants", "mutants.txt")
WIDGET_TESTS = ["app_tests"]
DEFAULTS = {"src/app": WIDGET_TESTS, "src/qtlayer": ["qt_tests"]}
JOBS = os.environ.get("JOBS", "2")
TIMEOUT = 600


def parse(path):
    mutants, cur = [], {}
    for raw in open(path, encoding="utf-8").read().split("\n") + [""]:
        if not raw.strip():
            if cur:
                mutants.append(cur)
            cur = {}
            continue
        if raw.startswith("#"):
            continue
        key, _, value = raw.partition(" ")
        if key in ("old+", "new+"):
            cur[key[:3]] += "\n" + value
        else:
            cur[key.rstrip(":")] = value.strip() if key not in ("old:", "new:") else value
    for m in mutants:
        for k in ("id", "file", "desc", "old", "new"):
            if k not in m:
                sys.exit("mutants.txt: entry %s lacks %s" % (m.get("id", "?"), k))
    return mutants


def tests_of(m):
    if m.get("run"):
        return m["run"].split()
    for prefix, tests in DEFAULTS.items():
        if m["file"].startswith(prefix + "/"):
            return tests
    return ["core_tests"]


def failures(name, out):
    """The failing cases in a gtest or QtTest output."""
    found = re.findall(r"^\[  FAILED  \] ([\w/.]+)(?:, where| \(|$)", out, re.M)
    found += re.findall(r"^FAIL!  : (\S+?)\(", out, re.M)
    seen = []
    for f in found:
        if f not in seen:
            seen.append(f)
    return [name + ":" + f for f in seen] or [name]


def run_tests(build, tests):
    """None when every test passes, else the names of what failed."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               LOCPATH=os.path.join(build, "tests", "locales"))
    for t in tests:
        if t.startswith("e2e:"):
            cmd = [os.path.join(ROOT, "tests", "e2e", "run.sh"), build, t[4:]]
        elif t == "cli_tests":
            cmd = ["ctest", "--test-dir", build, "-R", "^cli_tests$", "--output-on-failure"]
        else:
            cmd = [os.path.join(build, "tests", t)]
        try:
            r = subprocess.run(cmd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               text=True, errors="replace", timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            return [t + " (timeout)"]
        if r.returncode != 0:
            return failures(t, r.stdout)
    return None


def targets_of(tests):
    out = set()
    for t in tests:
        if t.startswith("e2e:") or t == "cli_tests":
            out |= {"tavolin", "tavolin-cli"}
        else:
            out.add(t)
    return sorted(out)


def build(build_dir, targets):
    r = subprocess.run(["cmake", "--build", build_dir, "-j", JOBS, "--target"] + targets,
                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                       errors="replace")
    return r.returncode == 0, r.stdout


def try_mutant(build_dir, m):
    path = os.path.join(ROOT, m["file"])
    original = open(path, "rb").read()
    text = original.decode("utf-8")
    if text.count(m["old"]) != 1:
        return "invalid", "original text found %d times" % text.count(m["old"])
    tests = tests_of(m)
    stat = os.stat(path)
    try:
        with open(path, "wb") as f:
            f.write(text.replace(m["old"], m["new"]).encode("utf-8"))
        ok, log = build(build_dir, targets_of(tests))
        if not ok:
            err = [l for l in log.splitlines() if "error" in l][:1]
            return "killed", "build error: " + (err[0].strip() if err else "?")
        failed = run_tests(build_dir, tests)
        if failed:
            return "killed", ", ".join(failed[:3]) + (" (+%d)" % (len(failed) - 3)
                                                       if len(failed) > 3 else "")
        return "SURVIVED", "ran " + " ".join(tests)
    finally:
        with open(path, "wb") as f:
            f.write(original)
        # The original back with a newer time than the mutant's, so that the
        # next build compiles it again (ccache makes that a hit).
        os.utime(path, (stat.st_atime, max(time.time(), stat.st_mtime + 1)))


def main():
    args = sys.argv[1:]
    build_dir = "build"
    if args and os.path.isdir(args[0]):
        build_dir = args.pop(0)
    build_dir = os.path.abspath(build_dir)
    mutants = parse(DATA)
    if args == ["--check"]:  # only that every original text is there once
        bad = [m["id"] for m in mutants
               if open(os.path.join(ROOT, m["file"]), encoding="utf-8").read().count(m["old"]) != 1]
        print("%d mutants; not found once: %s" % (len(mutants), " ".join(bad) or "none"))
        return 1 if bad else 0
    if args:
        mutants = [m for m in mutants if m["id"] in args]
    # SIGTERM as Ctrl+C: the finally clause puts the file back either way.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(KeyboardInterrupt()))
    start = time.time()
    rows = []
    try:
        for m in mutants:
            t0 = time.time()
            fate, why = try_mutant(build_dir, m)
            rows.append((m, fate, why))
            print("%-6s %-8s %4.0fs  %s" % (m["id"], fate, time.time() - t0, why), flush=True)
    except KeyboardInterrupt:
        print("interrupted; the file is restored, the build may hold a mutant", file=sys.stderr)
        return 130
    # The programs built last with a mutant are built again from the originals.
    built = sorted({t for m in mutants for t in targets_of(tests_of(m))})
    if not build(build_dir, built)[0]:
        print("could not build the originals again: " + " ".join(built), file=sys.stderr)
    print("\n| id | file | mutant | fate | by |\n|---|---|---|---|---|")
    for m, fate, why in rows:
        print("| %s | %s | %s | %s | %s |" % (m["id"], m["file"], m["desc"], fate, why))
    survived = sum(1 for _, f, _ in rows if f != "killed")
    print("\n%d mutants, %d killed, %d not, in %.0f s" % (len(rows), len(rows) - survived,
                                                         survived, time.time() - start))
    return 0


if __name__ == "__main__":
    sys.exit(main())
