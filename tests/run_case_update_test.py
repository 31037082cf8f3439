#!/usr/bin/python3
"""Checks run_case.py --update on cases made here, each a shell command: a passing case is left
untouched, a differing one gets exactly the run's normalised outputs, and a run ended by a
signal is refused unless its case expects that status.

    run_case_update_test.py SOURCE_ROOT BUILD_DIR
"""
import os
import subprocess
import sys
import tempfile

# name: (cmd, expectations before the update, expectations after it or None when refused)
CASES = {
    "passing": ("sh -c 'echo same > kept; echo out'",
                {"stdout": "out\n", "out/kept": "same\n"},
                {"stdout": "out\n", "out/kept": "same\n"}),
    "differing": ("sh -c 'echo new > changed; echo err >&2; exit 3'",
                  {"stdout": "stale\n", "status": "1\n", "out/changed": "old\n",
                   "out/sub/gone": "x\n"},
                  {"stderr": "err\n", "status": "3\n", "out/changed": "new\n"}),
    "normalised": ("sh -c 'pwd; date -u \"+%Y-%m-%d %H:%M:%SZ\"; echo /tmp/nuxc-Ab3dE9/idli.cc'",
                   {},
                   {"stdout": "$TMP\nYYYY-MM-DD HH:MM:SSZ\n/tmp/nuxc-XXXXXX/idli.cc\n"}),
    "crashing": ("sh -c 'echo partial; kill -SEGV $$'", {"stdout": "before\n"}, None),
    "wrapped-crash": ("sh -c 'exit 134'", {}, None),
    "expected-signal": ("sh -c 'echo now; kill -TERM $$'", {"status": "-15\n"},
                        {"stdout": "now\n", "status": "-15\n"}),
}


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)


def contents(case):
    """Every file of the case but cmd, by path below the case, with its text and its mtime."""
    found = {}
    for root, _dirs, names in os.walk(case):
        for name in names:
            path = os.path.join(root, name)
            relative = os.path.relpath(path, case)
            if relative != "cmd":
                found[relative] = (open(path).read(), os.stat(path).st_mtime_ns)
    return found


def run_case(src, binary, cases, *options):
    return subprocess.run([sys.executable, os.path.join(src, "tests", "run_case.py"),
                           "--bin", binary, "--src", src, *options, *cases],
                          stdout=subprocess.PIPE, universal_newlines=True)


def main():
    src, binary = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    failures = []
    with tempfile.TemporaryDirectory(prefix="nuxc-update-test-") as scratch:
        before = {}
        for name, (cmd, expectations, _after) in CASES.items():
            case = os.path.join(scratch, name)
            write(os.path.join(case, "cmd"), cmd + "\n")
            for path, text in expectations.items():
                write(os.path.join(case, path), text)
            before[name] = contents(case)
        cases = [os.path.join(scratch, name) for name in CASES]
        updating = run_case(src, binary, cases, "--update")
        if updating.returncode != 1:
            failures.append(f"--update exited with {updating.returncode}, not 1 for the crashes")
        for name, (_cmd, _expectations, after) in CASES.items():
            case = os.path.join(scratch, name)
            got = contents(case)
            if after is None or name == "passing":
                if got != before[name]:
                    failures.append(f"{name}: the update touched its files")
            if after is None and f"NOT UPDATED {case}:" not in updating.stdout:
                failures.append(f"{name}: the refusal is not reported")
            texts = {path: text for path, (text, _mtime) in got.items()}
            if after is not None and texts != after:
                failures.append(f"{name}: expected {after}, got {texts}")
        updated = [os.path.join(scratch, name) for name, case in CASES.items() if case[2]]
        checking = run_case(src, binary, updated)
        if checking.returncode != 0:
            failures.append("the updated cases do not pass:\n" + checking.stdout)
    for failure in failures:
        print("FAIL " + failure)
    if not failures:
        print(updating.stdout, end="")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
