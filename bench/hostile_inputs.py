#!/usr/bin/python3
"""Benchmark: time and peak memory of nuxc and depwrite on large hostile inputs, at two sizes
each, so that a cost growing faster than the input shows as a ratio well above the size ratio.

    bench/hostile_inputs.py BUILD

Inputs come from the table of tests/hostile/hostile.py, scaled by the factor in each row; the
ones that compile give output files of the input's size. Prints one line per run: the input, its
size in bytes, the exit status, seconds and peak resident megabytes, and for the larger size the
ratio of times. Nothing is checked: the numbers are for reading.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TIME = "/usr/bin/time"
sys.path.insert(0, os.path.join(SOURCE, "tests", "hostile"))
import hostile  # noqa: E402  (the table of inputs)

CPP = "-Yp," + os.path.join(SOURCE, "tests", "hostile", "cpp")

# Input name, the file it is written to, the command line, and a fixture to copy first.
RUNS = [
    ("idl-long-identifier", "x.idl", ["nuxc", CPP, "x.idl"], None),
    ("idl-long-line", "x.idl", ["nuxc", CPP, "x.idl"], None),
    ("idl-deep-modules", "x.idl", ["nuxc", CPP, "x.idl"], None),
    ("nux-long-line", "x.nux", ["nuxc", "x.nux"], None),
    ("nux-long-print", "x.nux", ["nuxc", "x.nux"], None),
    ("nux-many-substitutions", "x.nux", ["nuxc", "x.nux"], None),
    ("nux-runaway-value", "x.nux", ["nuxc", "x.nux"], None),
    ("nux-many-declarations", "x.nux", ["nuxc", "x.nux"], None),
    ("qor-long-line", "hostile.qor", ["nuxc", CPP, "bank.idl"], "bank"),
    ("qor-long-string", "hostile.qor", ["nuxc", CPP, "bank.idl"], "bank"),
    ("depwrite-many-files", None, ["depwrite"], None),
]

# Sizes relative to the table's own (10 MB inputs, 100,000 levels, 20,000 files).
SCALES = (0.1, 1.0)
MANY_FILES = 20000


def scaled_input(name, scale):
    """The input's bytes; for depwrite the names of the files of its directory, one a line."""
    if name == "depwrite-many-files":
        count = int(MANY_FILES * scale)
        return "".join("file%06d.idl\n" % i for i in range(count)).encode()
    saved = hostile.TEN_MB, hostile.DEPTH
    hostile.TEN_MB, hostile.DEPTH = int(saved[0] * scale), int(saved[1] * scale)
    try:
        return hostile.make(name)
    finally:
        hostile.TEN_MB, hostile.DEPTH = saved


def run_once(build, name, file, command, fixture, scale):
    work = tempfile.mkdtemp(prefix="nuxc-bench-")
    try:
        if fixture:
            shutil.copytree(os.path.join(SOURCE, "tests", "hostile", "fixtures", fixture), work,
                            dirs_exist_ok=True)
        data = scaled_input(name, scale)
        if file:
            with open(os.path.join(work, file), "wb") as f:
                f.write(data)
        else:
            for line in data.decode().split():
                open(os.path.join(work, line), "w").close()
        env = dict(os.environ, NUXC_BINDING=os.path.join(SOURCE, "bindings", "trace"),
                   HOSTILE_TEMP_LOG=os.path.join(work, "temporary-files"))
        # GNU time measures the peak: a child of this interpreter would count its size too.
        peak = os.path.join(work, "peak")
        start = time.monotonic()
        timed = [TIME, "-q", "-f", "%M", "-o", peak, os.path.join(build, command[0])] + command[1:]
        status = subprocess.run(timed, cwd=work, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL).returncode
        seconds = time.monotonic() - start
        return len(data), status, seconds, int(open(peak).read().split()[-1]) / 1024
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    print("%-24s %10s %6s %8s %8s %7s" % ("input", "bytes", "status", "seconds", "peak MB",
                                         "x time"))
    for name, file, command, fixture in RUNS:
        previous = None
        for scale in SCALES:
            size, status, seconds, peak = run_once(build, name, file, command, fixture, scale)
            ratio = "%7.1f" % (seconds / previous) if previous else ""
            print("%-24s %10d %6d %8.2f %8.1f %s" % (name, size, status, seconds, peak, ratio))
            previous = max(seconds, 0.001)


if __name__ == "__main__":
    main()
