#!/usr/bin/python3
"""The nuxc benchmark: runs nuxc on generated inputs at a size and at ten times it, for each
path (IDL, QOR, NUX), and on the IDL input also the preprocessor alone (g++ -E, which nuxc
runs too) and omniidl -bcxx (the IDL compiler a user runs in the same build). Prints the wall
time and peak memory of each run, the ratios, and whether each target is met; the status is 1
when a target is missed.

    run.py [--nuxc PATH] [--binding DIR] [--work DIR] [--idl N] [--qor M] [--nux L]
           [--repeat R] [--only idl,qor,nux,small]

Wall time is the median of R runs (omniidl and the tenfold inputs run fewer times); peak
memory is the largest resident set of the process and the children it waited for (for nuxc
and omniidl, that includes the preprocessor they run).
"""
import argparse
import os
import shutil
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
import generate  # noqa: E402

# Targets.
PEER_FRACTION = 20      # nuxc takes at most 1/20 of omniidl's time on the IDL input
FLOOR_MULTIPLE = 10     # and at most 10 times the time of g++ -E alone on it
SCALING_LIMIT = 12      # ten times the input takes at most 12 times the time
SMALL_LIMIT = 0.010     # a 20-line script compiles in at most 10 ms


class Run:
    def __init__(self, wall, peak_kb):
        self.wall = wall
        self.peak_kb = peak_kb


def spawn(argv, env, stdout=None):
    """Runs argv in the current directory and waits for it; returns the wall time."""
    with open(stdout or os.devnull, "wb") as out, open(os.devnull, "wb") as err:
        start = time.perf_counter()
        pid = os.posix_spawnp(argv[0], argv, env, file_actions=[
            (os.POSIX_SPAWN_DUP2, out.fileno(), 1), (os.POSIX_SPAWN_DUP2, err.fileno(), 2)])
        _, status = os.waitpid(pid, 0)
        wall = time.perf_counter() - start
    status = os.waitstatus_to_exitcode(status)
    if status != 0:
        sys.exit("bench: %s in %s exited with status %d" % (" ".join(argv), os.getcwd(), status))
    return wall


class within:
    """Runs the block in another working directory."""

    def __init__(self, directory):
        self.directory = directory

    def __enter__(self):
        self.saved = os.getcwd()
        os.chdir(self.directory)

    def __exit__(self, *exc):
        os.chdir(self.saved)


def peak_memory(argv, cwd, env, stdout=None):
    """The peak resident set in KB of argv and of the children it waited for, as GNU time
    reports it. A process started straight from this one would be charged with this
    interpreter's own resident set, which the kernel carries over at exec."""
    report = os.path.join(cwd, ".peak-memory")
    with within(cwd):
        spawn(["/usr/bin/time", "-f", "%M", "-o", report] + argv, env, stdout)
    with open(report) as f:
        kb = int(f.read().split()[-1])
    os.remove(report)
    return kb


def measure(argv, cwd, env, repeat, stdout=None):
    """The median wall time of repeat runs, and the peak memory of one more."""
    with within(cwd):
        walls = [spawn(argv, env, stdout) for _ in range(repeat)]
    return Run(statistics.median(walls), peak_memory(argv, cwd, env, stdout))


def prepare(kind, size, work):
    """Generates the inputs of one path at one size; returns (directory, input file)."""
    directory = os.path.join(work, "%s-%d" % (kind, size))
    shutil.rmtree(directory, ignore_errors=True)
    os.makedirs(directory)
    if kind == "idl":
        generate.main(["generate.py", "idl", str(size), directory])
        return directory, "big.idl"
    if kind == "qor":
        generate.main(["generate.py", "qor", str(size), directory])
        return directory, "calls.idl"
    generate.main(["generate.py", "nux", str(size), directory])
    with open(os.path.join(directory, "count.txt"), "w") as f:
        f.write("12\n")
    return directory, "script.nux"


def fmt_time(seconds):
    return "%.3f s" % seconds if seconds >= 1 else "%.1f ms" % (seconds * 1000)


def fmt_mem(kb):
    return "%.1f MB" % (kb / 1024.0)


class Report:
    def __init__(self):
        self.rows = []
        self.targets = []

    def row(self, what, run):
        self.rows.append((what, fmt_time(run.wall), fmt_mem(run.peak_kb)))
        print("  %-44s %12s %12s" % (what, fmt_time(run.wall), fmt_mem(run.peak_kb)),
              flush=True)

    def target(self, text, value, met):
        self.targets.append(met)
        print("  %-62s %-18s %s" % (text, value, "met" if met else "NOT MET"), flush=True)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--nuxc", default=os.path.join(ROOT, "build", "nuxc"))
    p.add_argument("--binding", default=os.path.join(ROOT, "bindings", "omniorb"))
    p.add_argument("--work", default=os.path.join(ROOT, "build", "bench"))
    p.add_argument("--idl", type=int, default=2000, help="interfaces in the IDL input")
    p.add_argument("--qor", type=int, default=5000, help="messages in the QOR input")
    p.add_argument("--nux", type=int, default=10000, help="lines of the NUX-mode script")
    p.add_argument("--repeat", type=int, default=5)
    p.add_argument("--only", default="idl,qor,nux,small")
    args = p.parse_args()
    only = args.only.split(",")
    nuxc = os.path.abspath(args.nuxc)
    args.work = os.path.abspath(args.work)
    env = dict(os.environ, NUXC_BINDING=os.path.abspath(args.binding))
    os.makedirs(args.work, exist_ok=True)
    report = Report()

    print("nuxc benchmark: %s, binding %s" % (nuxc, env["NUXC_BINDING"]))
    print("  load average at start: %s" % " ".join("%.2f" % x for x in os.getloadavg()))
    print("\n  %-44s %12s %12s" % ("run", "wall", "peak memory"))

    scaling = []
    for kind, base in (("idl", args.idl), ("qor", args.qor), ("nux", args.nux)):
        if kind not in only:
            continue
        directory, name = prepare(kind, base, args.work)
        tenfold_directory, _ = prepare(kind, base * 10, args.work)
        runs = measure_in_turns([nuxc, name], directory, tenfold_directory, env, args.repeat,
                                with_floor=kind == "idl")
        report.row("nuxc %s path, size %d" % (kind.upper(), base), runs.base)
        if kind == "idl":
            report.row("g++ -E alone, same input", runs.floor)
            peers = (runs.floor, run_peer(directory, name, env, args.repeat, report))
            idl_base = (base, runs.base, peers)
        report.row("nuxc %s path, size %d" % (kind.upper(), base * 10), runs.tenfold)
        scaling.append((kind, base, runs.tenfold.wall / runs.base.wall))

    small = None
    if "small" in only:
        directory = os.path.join(args.work, "small")
        os.makedirs(directory, exist_ok=True)
        shutil.copyfile(os.path.join(HERE, "small.nux"), os.path.join(directory, "small.nux"))
        small = measure([nuxc, "small.nux"], directory, env, max(args.repeat * 4, 20))
        report.row("nuxc small script (bench/small.nux, 20 lines)", small)

    print("\n  targets")
    if "idl" in only:
        base, run, (floor, peer) = idl_base
        report.target("IDL %d interfaces: nuxc / omniidl -bcxx, at most 1/%d" %
                      (base, PEER_FRACTION), "1/%.1f" % (peer.wall / run.wall),
                      run.wall * PEER_FRACTION <= peer.wall)
        report.target("IDL %d interfaces: nuxc / g++ -E, at most %d" % (base, FLOOR_MULTIPLE),
                      "%.2f" % (run.wall / floor.wall), run.wall <= FLOOR_MULTIPLE * floor.wall)
        report.target("IDL %d interfaces: peak memory nuxc / omniidl, at most 1" % base,
                      "%.2f" % (run.peak_kb / peer.peak_kb), run.peak_kb <= peer.peak_kb)
    for kind, base, ratio in scaling:
        report.target("%s path: time at size %d / size %d, at most %d" %
                      (kind.upper(), base * 10, base, SCALING_LIMIT), "%.2f" % ratio,
                      ratio <= SCALING_LIMIT)
    if small:
        report.target("small script: at most %d ms" % (SMALL_LIMIT * 1000), fmt_time(small.wall),
                      small.wall <= SMALL_LIMIT)
    missed = report.targets.count(False)
    print("\n  %s" % ("every target met" if not missed else "%d target(s) NOT MET" % missed))
    print("  load average at end: %s" % " ".join("%.2f" % x for x in os.getloadavg()))
    return 1 if missed else 0


class Runs:
    def __init__(self, base, tenfold, floor):
        self.base = base
        self.tenfold = tenfold
        self.floor = floor


def measure_in_turns(argv, directory, tenfold_directory, env, repeat, with_floor):
    """nuxc on the input at its size and at ten times it and, on the IDL input, g++ -E alone on
    the smaller one (as nuxc runs it: on a .cc copy, with -DIDL and -I.), all in turns, so that
    every ratio compares runs that saw the same load on a shared machine. The tenfold input
    runs fewer times, spread over the rounds."""
    name = argv[-1]
    floor_argv = ["g++", "-E", "-DIDL", "-I.", "preprocessed-input.cc"]
    floor_out = os.path.join(directory, "preprocessed-output.cc")
    if with_floor:
        shutil.copyfile(os.path.join(directory, name),
                        os.path.join(directory, "preprocessed-input.cc"))
    tenfold_repeat = max(3, repeat // 2)
    walls, tenfold_walls, floor_walls = [], [], []
    for r in range(repeat):
        with within(directory):
            walls.append(spawn(argv, env))
            if with_floor:
                floor_walls.append(spawn(floor_argv, env, floor_out))
        if r * tenfold_repeat // repeat != (r + 1) * tenfold_repeat // repeat:
            with within(tenfold_directory):
                tenfold_walls.append(spawn(argv, env))
    floor = Run(statistics.median(floor_walls),
                peak_memory(floor_argv, directory, env, floor_out)) if with_floor else None
    return Runs(Run(statistics.median(walls), peak_memory(argv, directory, env)),
                Run(statistics.median(tenfold_walls), peak_memory(argv, tenfold_directory, env)),
                floor)


def run_peer(directory, name, env, repeat, report):
    """omniidl -bcxx, in a directory of its own so that its outputs stay apart."""
    peer_dir = os.path.join(directory, "omniidl")
    os.makedirs(peer_dir, exist_ok=True)
    peer = measure(["omniidl", "-bcxx", os.path.join("..", name)], peer_dir, env,
                   max(1, repeat // 2))
    report.row("omniidl -bcxx, same input", peer)
    return peer


if __name__ == "__main__":
    sys.exit(main())
