#!/usr/bin/python3
"""Runs one black-box case: a directory that describes a command and what it must produce.

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
          expected content; the run must leave no other new or changed file
  stdout, stderr   expected output (absent means: must be empty)
  status  expected exit status (absent means 0)

Actual output is normalised before comparison: the working directory becomes $TMP, the source
root $SRC, the build directory $BIN, time stamps and the per-run header guard fixed words, and
preprocessor temporary names /tmp/idli_XXXXXX.cc and /tmp/idlf_XXXXXX.cc, the binding
directory $BINDING.

With --update the case's expectations are rewritten from the actual run (review the diff!).
"""
import argparse
import difflib
import os
import re
import shlex
import shutil
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
    text = re.sub(r"/tmp/idl([if])_[A-Za-z0-9]{6}\.cc", r"/tmp/idl\1_XXXXXX.cc", text)
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
    return {"status": status, "stdout": text("stdout"), "stderr": text("stderr"), "files": files}


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
    return problems


def update(case, actual):
    def write(name, text, keep_when_empty=False):
        path = os.path.join(case, name)
        if text or keep_when_empty:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(encode(text))
        elif os.path.exists(path):
            os.remove(path)
    write("stdout", actual["stdout"])
    write("stderr", actual["stderr"])
    write("status", f"{actual['status']}\n" if actual["status"] else "")
    out_dir = os.path.join(case, "out")
    shutil.rmtree(out_dir, ignore_errors=True)
    for name, text in actual["files"].items():
        write(os.path.join("out", name), text, keep_when_empty=True)


def main():
    parser = argparse.ArgumentParser(description="Run one black-box case.")
    parser.add_argument("--bin", required=True, help="build directory holding nuxc and depwrite")
    parser.add_argument("--src", required=True, help="source root")
    parser.add_argument("--update", action="store_true", help="rewrite the case's expectations")
    parser.add_argument("cases", nargs="+")
    args = parser.parse_args()
    src, binary = os.path.abspath(args.src), os.path.abspath(args.bin)
    failed = 0
    for case in args.cases:
        case = os.path.abspath(case)
        actual, error = run(case, src, binary)
        if error:
            print(f"FAIL {case}: {error}")
            failed += 1
            continue
        if args.update:
            update(case, actual)
            print(f"updated {case}")
            continue
        problems = compare(expected_of(case), actual)
        if problems:
            failed += 1
            print(f"FAIL {case}")
            for problem in problems:
                print(problem.rstrip("\n"))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
