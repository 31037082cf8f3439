#!/usr/bin/python3
"""Runs black-box cases: each a directory that describes a command and what it must produce.

    run_case.py --bin BUILD --src ROOT [--update] [--match REGEX] [--jobs N] [CASE...]

A case directory holds:
  cmd     the command line, split like a shell would (no shell runs it). Leading NAME=value
          words set environment variables, a leading !NAME word unsets one. The first other word
          is the program: nuxc and depwrite are the built programs (their argv[0] stays the bare
          name, so messages read "nuxc: ..."); anything else is looked up on PATH or taken as a
          path. $SRC (source root), $BIN (build directory), $CASE (this case directory) and
          $TRACE (the trace binding) are replaced before splitting.
          NUXC_BINDING defaults to the trace binding.
  binding/  files laid over a copy of the trace binding (override or add keys, "types",
          "extensions", ...); a file binding/.remove lists, one per line, files to delete from
          the copy. NUXC_BINDING then names that copy, shown as $BINDING
  in/     files copied into a fresh working directory before the run (modes kept)
  stdin   fed to the program's standard input (default: empty)
  out/    every file that the run creates or changes in the working directory, with its
          expected content; the run must leave no other new or changed file, and must remove
          none of the files of in/
  stdout, stderr   expected output (absent means: must be empty)
  status  expected exit status (absent means 0)

Actual output is normalised before comparison: the working directory becomes $TMP, the source
root $SRC, the build directory $BIN, time stamps and the per-run header guard fixed words, the
preprocessor's temporary files /tmp/nuxc-XXXXXX/idli.cc and /tmp/nuxc-XXXXXX/idlf.cc (TMPDIR, when
the tests run with one, shown as /tmp), the binding directory $BINDING.

Without case directories, every case below $SRC/tests/*/cases runs; --match REGEX keeps those
whose names (as ctest names them: the path below tests/, such as nux/cases/begin-main) contain
a match of REGEX.

With --update (`make update-cases [CASES=REGEX]`), each case whose run differs from its
expectations gets them rewritten from the run, already normalised as above, so that the golden
files hold $TMP, $BINDING, YYYY-MM-DD HH:MM:SS, hTIMEhPIDhN_h and /tmp/nuxc-XXXXXX/idli.cc where
the run had its own values. Only the files that differ are written or removed: a case that passes is
left untouched. A run that timed out, or that ended by a signal (a negative status, or 129 to
192, which is how hostile.py and shells report one), is not taken, since that is how a crash
shows: it is reported, and the command fails, unless the case already expects that very status
(as the interrupted cases do). Nor is a run that removed a file of in/, which no expectation can
say. To add a case, write its cmd and inputs (and its status, when it
ends by a signal), run the update on it and review what it wrote with git diff.
"""
import argparse
import concurrent.futures
import difflib
import glob
import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile

BUILT_PROGRAMS = ("nuxc", "depwrite")


def normalise(text, work, src, binary, binding):
    text = text.replace(binding, "$BINDING")
    text = text.replace(work, "$TMP")
    text = text.replace(binary, "$BIN")
    text = text.replace(src, "$SRC")
    text = re.sub(r"\bh\d+h\d+h\d+_h\b", "hTIMEhPIDhN_h", text)
    text = re.sub(r"\d{4}-\d\d-\d\d \d\d:\d\d:\d\dZ", "YYYY-MM-DD HH:MM:SSZ", text)
    text = re.sub(r"\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\b", "YYYY-MM-DD HH:MM:SS", text)
    # The preprocessor's private folder lies in TMPDIR, or /tmp; a relative TMPDIR stays as it is.
    root = os.environ.get("TMPDIR", "").rstrip("/")
    if root.startswith("/"):
        text = text.replace(root + "/nuxc-", "/tmp/nuxc-")
    text = re.sub(r"\bnuxc-[A-Za-z0-9]{6}/idl([if])\.cc", r"nuxc-XXXXXX/idl\1.cc", text)
    return text


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def decode(data):
    return data.decode("utf-8", errors="surrogateescape")


def encode(text):
    return text.encode("utf-8", errors="surrogateescape")


def parse_cmd(case, src, binary, binding):
    text = open(os.path.join(case, "cmd"), encoding="utf-8").read().strip()
    for name, value in (("$SRC", src), ("$BIN", binary), ("$CASE", case),
                        ("$TRACE", os.path.join(src, "bindings", "trace"))):
        text = text.replace(name, value)
    words = shlex.split(text)
    env = dict(os.environ)
    env["NUXC_BINDING"] = binding
    env["LC_ALL"] = "C"
    while words and (re.match(r"^[A-Za-z_][A-Za-z0-9_]*=", words[0]) or words[0].startswith("!")):
        word = words.pop(0)
        if word.startswith("!"):
            env.pop(word[1:], None)
        else:
            name, value = word.split("=", 1)
            env[name] = value
    if not words:
        sys.exit(f"{case}: cmd names no program")
    executable = words[0]
    if executable in BUILT_PROGRAMS:
        executable = os.path.join(binary, executable)
    return executable, words, env


def snapshot(work):
    files = {}
    for root, _dirs, names in os.walk(work):
        for name in names:
            path = os.path.join(root, name)
            if os.path.isfile(path):
                files[os.path.relpath(path, work)] = read_bytes(path)
    return files


def make_binding(case, src, scratch):
    """The trace binding, or a copy of it with the case's binding/ files laid over it."""
    trace = os.path.join(src, "bindings", "trace")
    overlay = os.path.join(case, "binding")
    if not os.path.isdir(overlay):
        return trace
    binding = os.path.join(scratch, "binding")
    shutil.copytree(trace, binding)
    shutil.copytree(overlay, binding, dirs_exist_ok=True)
    removals = os.path.join(binding, ".remove")
    if os.path.exists(removals):
        for name in open(removals).read().split():
            os.remove(os.path.join(binding, name))
        os.remove(removals)
    return binding


def run(case, src, binary):
    scratch = tempfile.mkdtemp(prefix="nuxc-case-")
    work = os.path.join(scratch, "work")
    os.mkdir(work)
    try:
        binding = make_binding(case, src, scratch)
        executable, argv, env = parse_cmd(case, src, binary, binding)
        in_dir = os.path.join(case, "in")
        if os.path.isdir(in_dir):
            shutil.copytree(in_dir, work, dirs_exist_ok=True, symlinks=True)
        before = snapshot(work)
        stdin_path = os.path.join(case, "stdin")
        stdin = read_bytes(stdin_path) if os.path.exists(stdin_path) else b""
        try:
            proc = subprocess.run(argv, executable=executable, cwd=work, env=env, input=stdin,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
        except subprocess.TimeoutExpired:
            return None, "timed out after 120 seconds"
        after = snapshot(work)
        changed = {name: data for name, data in after.items() if before.get(name) != data}
        norm = lambda data: normalise(decode(data), work, src, binary, binding)
        return {
            "status": proc.returncode,
            "stdout": norm(proc.stdout),
            "stderr": norm(proc.stderr),
            "files": {name: norm(data) for name, data in changed.items()},
            "removed": sorted(set(before) - set(after)),
        }, None
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def expected_of(case):
    def text(name):
        path = os.path.join(case, name)
        return decode(read_bytes(path)) if os.path.exists(path) else ""
    status_path = os.path.join(case, "status")
    status = int(open(status_path).read().strip()) if os.path.exists(status_path) else 0
    files = {}
    out_dir = os.path.join(case, "out")
    if os.path.isdir(out_dir):
        files = {name: decode(data) for name, data in snapshot(out_dir).items()}
    return {"status": status, "stdout": text("stdout"), "stderr": text("stderr"), "files": files,
            "removed": []}


def diff(label, expected, actual):
    lines = difflib.unified_diff(expected.splitlines(keepends=True), actual.splitlines(keepends=True),
                                 f"expected {label}", f"actual {label}")
    return "".join(lines)


def compare(expected, actual):
    problems = []
    if expected["status"] != actual["status"]:
        problems.append(f"exit status: expected {expected['status']}, got {actual['status']}")
    for stream in ("stdout", "stderr"):
        if expected[stream] != actual[stream]:
            problems.append(diff(stream, expected[stream], actual[stream]))
    for name in sorted(set(expected["files"]) | set(actual["files"])):
        if name not in actual["files"]:
            problems.append(f"file {name}: expected, but the run did not write it")
        elif name not in expected["files"]:
            problems.append(f"file {name}: written by the run, but not expected")
        elif expected["files"][name] != actual["files"][name]:
            problems.append(diff(name, expected["files"][name], actual["files"][name]))
    for name in actual["removed"]:
        problems.append(f"file {name}: removed by the run")
    return problems


def ends_by_signal(status):
    """The signal that a status reports, or None: negative for a program that a signal ended,
    128 plus the signal when a wrapper (hostile.py, a shell) reports it."""
    if status < 0:
        return -status
    if 128 < status <= 192:
        return status - 128
    return None


def signal_name(number):
    try:
        return signal.Signals(number).name
    except ValueError:
        return f"signal {number}"


def write_file(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(encode(text))


def remove_file(path, top):
    """Removes path and the directories up to top that it leaves empty."""
    os.remove(path)
    directory = os.path.dirname(path)
    while directory != top and not os.listdir(directory):
        os.rmdir(directory)
        directory = os.path.dirname(directory)
    if not os.listdir(top):
        os.rmdir(top)


def update(case, expected, actual):
    """Writes, or removes, each expectation of the case that differs from the actual run. A
    stream or status that takes its default (empty, 0) has no file."""
    def expect(name, old, new):
        if old == new:
            return
        path = os.path.join(case, name)
        if new:
            write_file(path, new)
        elif os.path.exists(path):
            os.remove(path)
    expect("stdout", expected["stdout"], actual["stdout"])
    expect("stderr", expected["stderr"], actual["stderr"])
    status_text = lambda status: f"{status}\n" if status else ""
    expect("status", status_text(expected["status"]), status_text(actual["status"]))
    out_dir = os.path.join(case, "out")
    for name in sorted(set(expected["files"]) | set(actual["files"])):
        path = os.path.join(out_dir, name)
        if name not in actual["files"]:
            remove_file(path, out_dir)
        elif expected["files"].get(name) != actual["files"][name]:
            write_file(path, actual["files"][name])


def case_name(case, src):
    """The case's name as ctest gives it, or its path when it lies outside the tests."""
    tests = os.path.join(src, "tests")
    return os.path.relpath(case, tests) if case.startswith(tests + os.sep) else case


def all_cases(src):
    cmds = glob.glob(os.path.join(src, "tests", "*", "cases", "**", "cmd"), recursive=True)
    return sorted(os.path.dirname(cmd) for cmd in cmds)


def check(case, src, binary, updating):
    """Runs one case; returns its report lines and whether it failed."""
    actual, error = run(case, src, binary)
    if error:
        return [f"FAIL {case}: {error}"], True
    expected = expected_of(case)
    problems = compare(expected, actual)
    if not problems:
        return [], False
    if not updating:
        return [f"FAIL {case}"] + [problem.rstrip("\n") for problem in problems], True
    if actual["removed"]:
        return [f"NOT UPDATED {case_name(case, src)}: the run removed " +
                ", ".join(actual["removed"])], True
    number = ends_by_signal(actual["status"])
    if number is not None and actual["status"] != expected["status"]:
        return [f"NOT UPDATED {case_name(case, src)}: the run ended by {signal_name(number)} "
                f"(status {actual['status']}), which its expectations do not say"], True
    update(case, expected, actual)
    return [f"updated {case_name(case, src)}"], False


def main():
    parser = argparse.ArgumentParser(description="Run black-box cases.")
    parser.add_argument("--bin", required=True, help="build directory holding nuxc and depwrite")
    parser.add_argument("--src", required=True, help="source root")
    parser.add_argument("--update", action="store_true",
                        help="rewrite the expectations of the cases whose run differs")
    parser.add_argument("--match", help="only the cases whose names match this regular expression")
    parser.add_argument("--jobs", type=int, default=1, help="cases run at a time")
    parser.add_argument("cases", nargs="*", help="case directories (default: every case)")
    args = parser.parse_args()
    src, binary = os.path.abspath(args.src), os.path.abspath(args.bin)
    cases = [os.path.abspath(case) for case in args.cases] or all_cases(src)
    if args.match:
        cases = [case for case in cases if re.search(args.match, case_name(case, src))]
    with concurrent.futures.ThreadPoolExecutor(max(1, args.jobs)) as pool:
        results = list(pool.map(lambda case: check(case, src, binary, args.update), cases))
    for lines, _failed in results:
        for line in lines:
            print(line)
    failed = sum(1 for _lines, failed in results if failed)
    if args.update:
        updated = sum(1 for lines, failed in results if lines and not failed)
        print(f"{len(cases)} cases: {updated} updated, {failed} not updated, "
              f"{len(cases) - updated - failed} unchanged")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
