#!/usr/bin/python3
"""Runs nuxc or depwrite on a hostile input that is made at run time, for the black-box cases of
tests/hostile/cases, and checks that the run left no temporary file behind.

    hostile.py --bin BUILD [--fixture NAME] [--input FILE=NAME]... [--hard-link FILE=TARGET]...
               [--symlink FILE=TARGET]... [--folder PATH=MODE]... [--binding-file KEY=NAME]...
               [--interrupt SIGNAL [--interrupt-when PATTERN]] [--left PATTERN] [--stdout PATH]
               [--measure FILE]... [--sort-stderr] -- PROGRAM ARGUMENT...

--fixture copies the files of tests/hostile/fixtures/NAME into the working directory, --input
writes the input NAME of the table below to FILE there ("fifo" makes a named pipe),
--hard-link makes FILE a second name of TARGET, --symlink makes FILE a symbolic link to TARGET
(such as /dev/zero), and --folder makes an empty folder PATH with the octal MODE (such as 0333,
which lets nobody list it); all are removed after the run, unless the run put a file of its own
in their place, so that the case's out/ holds only what the program wrote, and each file the run
left in such a folder is reported.
--binding-file lays the input NAME over a private copy of the binding (NUXC_BINDING) as KEY; the
name "directory" makes KEY a directory, and "fifo" a named pipe that nobody writes, on which the
program waits. --interrupt sends SIGNAL (INT, TERM or KILL) to the program while its
preprocessor runs, or, with --interrupt-when, once a file whose name matches the glob PATTERN
exists in the working directory and the program waits (on such a pipe). --left reports the files
matching PATTERN that the run left in the working directory, the last six characters of each
name shown as XXXXXX, and removes them. --stdout sends the program's standard output to PATH
(such as /dev/full) instead of the wrapper's. --measure prints, after the program's standard
output, the number of lines of the output FILE and the length of its longest line, and removes
FILE, for outputs too large to keep as expectations. --sort-stderr sorts the lines of its
standard error, for a program that reports in the order of a directory listing. PROGRAM nuxc or
depwrite is the built program (argv[0] stays the bare name, as in run_case.py).

The preprocessor tests/hostile/cpp (HOSTILE_CPP chooses what it does) records the names of nuxc's
two temporary files and the processes it runs; after the run each file still on disk, and each
process still running, is reported on standard error and removed. Output lines longer than 300
characters are cut, keeping their start and their length, so that expectations stay small. The
exit status is the program's, or 128 plus the signal that ended it.
"""
import argparse
import glob
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
DEPTH = 100000
TEN_MB = 10 * 1000 * 1000
LONGEST_LINE = 300


def nested(opening, middle, closing):
    return opening * DEPTH + middle + closing * DEPTH


def inheritance(bases):
    """Interfaces i0 and j0, then each of i1, j1, ... inherits bases(n), and the last looks up
    an undeclared name."""
    lines = ["interface i0 {}; interface j0 {};"]
    lines += ["interface i%d : %s {}; interface j%d : %s {};" % (n, bases(n), n, bases(n))
              for n in range(1, DEPTH)]
    lines.append("interface last : i%d { void f(in nowhere x); };" % (DEPTH - 1))
    return "\n".join(lines) + "\n"


def every_byte():
    # NUL last: it ends the input of the IDL lexer.
    return bytes(range(1, 256)) + b"\n\0\n"


def many_declarations(count):
    """A script that declares count values and sets each one in main."""
    declarations = "".join("declare value long v%d\n" % i for i in range(count))
    uses = "".join("set v%d v%d + 1\n" % (i, i) for i in range(count))
    return declarations + "begin main\n" + uses + "end main\n"


def garbage(size):
    generator = random.Random(1)
    return bytes(generator.randrange(256) for _ in range(size))


# Each hostile input, made when it is asked for.
INPUTS = {
    # IDL, preprocessed or read as it is.
    "idl-deep-modules": lambda: nested("module m { ", "", "}; "),
    "idl-deep-structs": lambda: "struct s { " * DEPTH + "long x; " + "} m; " * (DEPTH - 1) + "};",
    "idl-deep-sequences": lambda: "typedef " + nested("sequence<", "long", ">") + " t;",
    "idl-deep-parentheses": lambda: "const long c = " + nested("(", "1", ")") + ";",
    # Lookups through inheritance as deep as the file, and through interfaces that each join
    # the two before them, of a name that none declares.
    "idl-deep-inheritance": lambda: inheritance(lambda i: "i%d" % (i - 1)),
    "idl-joined-inheritance": lambda: inheritance(lambda i: "i%d, j%d" % (i - 1, i - 1)),
    "idl-long-identifier": lambda: "module " + "m" * TEN_MB + " { };\n",
    "idl-long-line": lambda: "const long c = 1" + " + 1" * (TEN_MB // 4) + ";\n",
    "idl-nul-bytes": lambda: b"interface A {\0 this is never read\n};\n",
    "idl-every-byte": every_byte,
    "idl-unterminated-string": lambda: 'const string s = "never closed;\ninterface A {};\n',
    "idl-unterminated-comment": lambda: "interface A {};\n/* never closed\n",
    "idl-huge-literals": lambda: open(os.path.join(HERE, "huge-literals.idl")).read(),
    "idl-interface": lambda: "interface A {};\n",
    # NUX scripts.
    "nux-long-line": lambda: "x" * TEN_MB + "\n",
    "nux-runaway-value": lambda: "begin main\nprint " + "VALUE" * (TEN_MB // 5) + "\nend main\n",
    "nux-nul-bytes": lambda: b"begin main\nprint a\0 b\nnot a command\nend main\n",
    "nux-every-byte": every_byte,
    "nux-unterminated-string": lambda: 'begin main\nprint "never closed\nif "a == b\nend main\n',
    "nux-main": lambda: "begin main\nend main\n",
    # Text that names substitution variables, which goes into the output as written.
    "nux-variable-names": lambda: ("declare value long LEFTARG\nbegin main\n"
                                   "println \"The VALUE is\"\nprint VALUE\n"
                                   "set LEFTARG RIGHTARG and CLASS_NAME\n"
                                   "if LEFTARG == \"CONDEXP\"\nassert VALUE == \"VALUE\"\nend if\n"
                                   "inline HEADER_FILE\nend main\n"),
    # Declared names beside a string with escaped quotes, a character literal and a declared
    # name that is the prefix's first letter.
    "nux-prefixed-names": lambda: ("declare value long count\ndeclare value long g\nbegin main\n"
                                   "println \"say \\\"count\\\" \" << count << g << '\"' << count\n"
                                   "end main\n"),
    # One long value, then lines that would each hold it 990 times if values were searched for
    # names: 258 KB of script that once made 1.2 GB of source.
    "nux-values-amplified": lambda: ("begin main\nread " + "f" * 60000 + " t\n"
                                     + ("print " + "FILE_NAME " * 990 + "\n") * 20
                                     + "end main\n"),
    # Scripts that compile, to output as large as themselves (run by bench/hostile_inputs.py).
    "nux-long-print": lambda: "begin main\nprint " + "x" * TEN_MB + "\nend main\n",
    "nux-many-substitutions": lambda: ("begin main\nprint " + "MAINCLASS " * 999 + "x" * TEN_MB
                                       + "\nend main\n"),
    "nux-many-declarations": lambda: many_declarations(TEN_MB // 50),
    # QOR files, used by the bank's server script.
    "qor-deep-values": lambda: "c acct::deposit In: {" + nested("{", "1", "}") + "}\n",
    "qor-deep-sequences": lambda: "c acct::deposit In: {" + nested("#(", "1", ")") + "}\n",
    "qor-deep-unions": lambda: "c acct::deposit In: {" + nested("[t, ", "1", "]") + "}\n",
    "qor-long-line": lambda: "c acct::" + "d" * TEN_MB + "\n",
    "qor-nul-bytes": lambda: b"c acct::deposit In: {{1, 0}, \"a\0b\"}\nc acct::balance\n",
    "qor-every-byte": every_byte,
    "qor-unterminated-string": lambda: 'c acct::deposit In: {{1, 0}, "never closed}\n',
    "qor-balance": lambda: "c acct::balance Out: {5}\n",
    "qor-variable-names": lambda: ('c acct::deposit In: {{1, 0}, "LEFTARG"}\n'
                                   'c acct::deposit In: {{2, 0}, "RIGHTARG and CLASS_NAME"}\n'
                                   'c acct::deposit In: {{3, 0}, "VALUE of QOR_FILE"}\n'),
    # A QOR file that compiles (run by bench/hostile_inputs.py).
    "qor-long-string": lambda: 'c acct::deposit In: {{1, 0}, "' + "s" * TEN_MB + '"}\n',
    # Binding files.
    "types-garbage": lambda: garbage(4096),
    "types-long-line": lambda: "in NT_struct " + "x" * TEN_MB + " = text\n",
    "types-nul-bytes": lambda: open(os.path.join(SOURCE, "bindings", "trace", "types"),
                                    "rb").read().replace(b"ret NT_struct =", b"ret NT_st\0ruct ="),
    "template-long-line": lambda: "MAINCLASS " * (TEN_MB // 10) + "\n",
    "template-value-seven-times": lambda: "VALUE" * 7 + "\n",
    "template-every-byte": every_byte,
    "extensions-header-through-file": lambda: ".cc\n.file/x.hh\n",
    "extensions-source-through-file": lambda: ".file/x.cc\n.hh\n",
    # A regular file where an output path needs a directory.
    "regular-file": lambda: "a regular file, where a directory is wanted\n",
}


def make(name):
    data = INPUTS[name]()
    return data.encode() if isinstance(data, str) else data


def cut_long_lines(data):
    lines = []
    for line in data.split(b"\n"):
        if len(line) > LONGEST_LINE:
            line = line[:80] + b"... [%d characters]" % len(line)
        lines.append(line)
    return b"\n".join(lines)


def private_binding(scratch, files):
    """A copy of NUXC_BINDING with the hostile binding files laid over it."""
    binding = os.path.join(scratch, "binding")
    shutil.copytree(os.environ["NUXC_BINDING"], binding)
    for key, name in files:
        path = os.path.join(binding, key)
        if os.path.isfile(path):
            os.remove(path)
        if name == "directory":
            os.mkdir(path)
            continue
        if name == "fifo":
            os.mkfifo(path)
            continue
        with open(path, "wb") as f:
            f.write(make(name))
    return binding


def wait_until(ready, process):
    """Waits until ready() holds while the program runs, for 30 seconds at most."""
    for _ in range(600):
        if ready() or process.poll() is not None:
            return
        time.sleep(0.05)


def blocked_after(pattern, process):
    """Whether a file matching pattern exists and the program waits (on a named pipe nobody
    writes)."""
    def ready():
        try:
            with open("/proc/%d/stat" % process.pid) as f:
                state = f.read().rsplit(")", 1)[1].split()[0]
        except OSError:
            return False
        return bool(glob.glob(pattern)) and state == "S"
    return ready


def preprocessor_started(log):
    """Whether the preprocessor has recorded the temporary files, and so runs."""
    return lambda: os.path.exists(log) and len(open(log).read().split()) >= 2


def make_inputs(args):
    """Makes the fixture's files, the inputs and the hard links; returns their names, each with
    the identity (device and inode) of what was made."""
    names = []
    if args.fixture:
        fixture = os.path.join(HERE, "fixtures", args.fixture)
        for name in sorted(os.listdir(fixture)):
            shutil.copy(os.path.join(fixture, name), name)
            names.append(name)
    for given in args.input:
        path, name = given.rsplit("=", 1)
        if name == "fifo":
            os.mkfifo(path)
        else:
            with open(path, "wb") as f:
                f.write(make(name))
        names.append(path)
    for given in args.hard_link:
        path, target = given.split("=", 1)
        os.link(target, path)
        names.append(path)
    for given in args.symlink:
        path, target = given.split("=", 1)
        os.symlink(target, path)
        names.append(path)
    for given in args.folder:
        path, mode = given.split("=", 1)
        os.mkdir(path)
        os.chmod(path, int(mode, 8))
        names.append(path)
    return [(name, identity(name)) for name in names]


def identity(path):
    try:
        st = os.lstat(path)
    except OSError:
        return None
    return st.st_dev, st.st_ino


def remove_inputs(made):
    """Removes what make_inputs made, where the run has not put a file of its own instead;
    returns the names of what the run left in the folders."""
    left = []
    for name, made_as in made:
        if identity(name) != made_as:
            continue
        if os.path.isdir(name) and not os.path.islink(name):
            os.chmod(name, 0o700)
            left += [os.path.join(name, entry) for entry in sorted(os.listdir(name))]
            shutil.rmtree(name)
        else:
            os.remove(name)
    return left


def run(args, scratch):
    env = dict(os.environ)
    env["HOSTILE_TEMP_LOG"] = os.path.join(scratch, "temporary-files")
    env["HOSTILE_PID_LOG"] = os.path.join(scratch, "processes")
    if args.interrupt and not args.interrupt_when:
        env.setdefault("HOSTILE_CPP", "sleep")
    binding = None
    if args.binding_file:
        binding = private_binding(scratch, [f.split("=", 1) for f in args.binding_file])
        env["NUXC_BINDING"] = binding
    program = args.command[0]
    executable = os.path.join(args.bin, program) if program in ("nuxc", "depwrite") else program
    made = make_inputs(args)
    left = []
    try:
        with open(args.stdout or os.path.join(scratch, "stdout"), "wb") as out, \
                open(os.path.join(scratch, "stderr"), "wb") as err:
            process = subprocess.Popen(args.command, executable=executable, env=env,
                                       stdin=subprocess.DEVNULL, stdout=out, stderr=err)
            if args.interrupt:
                ready = blocked_after(args.interrupt_when, process) if args.interrupt_when \
                    else preprocessor_started(env["HOSTILE_TEMP_LOG"])
                wait_until(ready, process)
                process.send_signal(getattr(signal, "SIG" + args.interrupt))
            status = process.wait()
    finally:
        left = remove_inputs(made)
    outputs = []
    for stream in ("stdout", "stderr"):
        path = os.path.join(scratch, stream)
        with open(path, "rb") if os.path.exists(path) else open(os.devnull, "rb") as f:
            data = cut_long_lines(f.read())
        if binding:
            data = data.replace(binding.encode(), b"$BINDING")
        outputs.append(data)
    return status, outputs, left, env["HOSTILE_TEMP_LOG"], env["HOSTILE_PID_LOG"]


def measure(path):
    """Prints the lines of the output path and its longest line's length, and removes it."""
    if not os.path.exists(path):
        print("%s: not written" % path)
        return
    with open(path, "rb") as f:
        lines = f.read().split(b"\n")
    if lines[-1] == b"":
        lines.pop()
    print("%s: %d lines, the longest of %d characters" % (path, len(lines),
                                                          max(map(len, lines), default=0)))
    os.remove(path)


def logged(log):
    return open(log).read().split() if os.path.exists(log) else []


def remove_temporary_files_left(log):
    """Reports and removes the temporary files still on disk, and the private folder of nuxc
    they leave empty."""
    for name in logged(log):
        if not os.path.exists(name):
            continue
        sys.stderr.write("hostile: temporary file left behind: %s\n" % name)
        os.remove(name)
        folder = os.path.dirname(name)
        if os.path.basename(folder).startswith("nuxc-") and not os.listdir(folder):
            os.rmdir(folder)


def remove_files_left(pattern):
    for name in sorted(glob.glob(pattern)):
        sys.stderr.write("hostile: left behind: %sXXXXXX\n" % name[:-6])
        os.remove(name)


def running(pid):
    """The command name of the process, or None once it has ended (a zombie has ended)."""
    try:
        with open("/proc/%s/stat" % pid) as f:
            stat = f.read()
    except OSError:
        return None
    name, state = stat[stat.index("(") + 1:stat.rindex(")")], stat.rsplit(")", 1)[1].split()[0]
    return None if state in ("Z", "X") else name


def stop_processes_left(log):
    """Reports and kills the processes the preprocessor ran that still run, after a grace time
    in which a process that was just stopped ends."""
    pids = logged(log)
    for _ in range(40):
        if not any(running(pid) for pid in pids):
            return
        time.sleep(0.05)
    for pid in pids:
        name = running(pid)
        if name:
            sys.stderr.write("hostile: process left running: %s\n" % name)
            os.kill(int(pid), signal.SIGKILL)


def main():
    parser = argparse.ArgumentParser(description="Run a program on a hostile input.")
    parser.add_argument("--bin", required=True)
    parser.add_argument("--fixture")
    parser.add_argument("--input", action="append", default=[])
    parser.add_argument("--binding-file", action="append", default=[])
    parser.add_argument("--hard-link", action="append", default=[])
    parser.add_argument("--symlink", action="append", default=[])
    parser.add_argument("--folder", action="append", default=[])
    parser.add_argument("--interrupt", choices=("INT", "TERM", "KILL"))
    parser.add_argument("--left")
    parser.add_argument("--interrupt-when")
    parser.add_argument("--stdout")
    parser.add_argument("--measure", action="append", default=[])
    parser.add_argument("--sort-stderr", action="store_true")
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()
    scratch = tempfile.mkdtemp(prefix="nuxc-hostile-")
    try:
        status, (stdout, stderr), left, log, pid_log = run(args, scratch)
        if args.sort_stderr:
            stderr = b"".join(sorted(stderr.splitlines(keepends=True)))
        sys.stdout.buffer.write(stdout)
        sys.stdout.flush()
        for path in args.measure:
            measure(path)
        sys.stderr.buffer.write(stderr)
        for name in left:
            sys.stderr.write("hostile: left behind: %s\n" % name)
        remove_temporary_files_left(log)
        if args.left:
            remove_files_left(args.left)
        stop_processes_left(pid_log)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    sys.exit(128 - status if status < 0 else status)


if __name__ == "__main__":
    main()
