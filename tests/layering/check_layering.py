#!/usr/bin/python3
"""Checks the library layering of the source folders against the graph below.

    check_layering.py [--root DIR] [--generated DIR]... [--expect FILE]

Every library and program of a source folder is a CMake target; a file belongs to the target
whose add_library or add_executable lists it (a header to the target of its own source file),
and otherwise to its folder's library. For each `#include "..."` of a source, a header, a
grammar or a scanner (and of the parser and scanner files generated into each --generated
directory), the included header's target must be the file's own one or one that the graph lets
it use, and the target's target_link_libraries must name it: PUBLIC when one of the target's
headers includes it, PRIVATE otherwise. Every library named must be used and allowed by the
graph, every library is STATIC, and each .cc that has a header of its own includes it first.
Prints one line per violation and exits with status 1 when there is any.

With --expect the violations found must be exactly the lines of FILE (one per line, in any
order, paths relative to the root): the self-test that a fixture tree with deliberate
violations is caught.
"""
import argparse
import os
import re
import sys

# The layering: each target and the targets it may use. The string module is a library of its
# own so that depwrite links nothing else; the front end and the foundation sit side by side at
# the bottom, the IDL generator and the QOR reader above them, the script compiler above those,
# the driver on top.
GRAPH = {
    "dstr": [],
    "frontend": [],
    "foundation": ["dstr"],
    "idlgen": ["dstr", "foundation", "frontend"],
    "qor": ["dstr", "foundation"],
    "nux": ["dstr", "foundation", "frontend", "idlgen", "qor"],
    "driver": ["dstr", "foundation", "frontend", "idlgen", "qor", "nux"],
    "nuxc": ["dstr", "foundation", "frontend", "idlgen", "qor", "nux", "driver"],
    "depwrite_fragment": ["dstr"],
    "depwrite": ["dstr", "depwrite_fragment"],
}

# The source folders, each with the library that its files belong to when no target lists
# them (headers without a source of their own, grammars, scanners, generated files). depwrite's
# program takes the folder's name, so its library is named after what it writes.
FOLDERS = {
    "frontend": "frontend",
    "foundation": "foundation",
    "idlgen": "idlgen",
    "qor": "qor",
    "nux": "nux",
    "driver": "driver",
    "depwrite": "depwrite_fragment",
}

SOURCE_SUFFIXES = (".cc", ".hh", ".y", ".l")
INCLUDE = re.compile(r'^\s*#\s*include\s*(["<])([^">]+)[">]')
TARGET = re.compile(r"\badd_(library|executable)\(\s*([\w-]+)([^)]*)\)", re.S)
LINKS = re.compile(r"\btarget_link_libraries\(\s*([\w-]+)([^)]*)\)", re.S)
COMMENT = re.compile(r"#.*")


class Target:
    def __init__(self, kind, static, cmake):
        self.kind = kind
        self.static = static
        self.cmake = cmake
        self.links = {}  # library -> "PUBLIC" or "PRIVATE"


class Use:
    """The first include of one target's headers by another, from a header or not."""

    def __init__(self):
        self.first = None
        self.from_header = None


def read_cmake(root, folder, targets, sources, problems):
    """Reads the targets of folder/CMakeLists.txt into targets and their files into sources."""
    cmake = os.path.join(folder, "CMakeLists.txt")
    with open(os.path.join(root, cmake)) as f:
        text = COMMENT.sub("", f.read())
    for kind, name, rest in TARGET.findall(text):
        words = rest.split()
        target = Target(kind, "STATIC" in words, cmake)
        targets[name] = target
        for word in words:
            if word.endswith((".cc", ".hh")):
                sources[os.path.join(folder, word)] = name
    for name, rest in LINKS.findall(text):
        target = targets.get(name)
        if target is None:
            problems.append("%s: target_link_libraries of %s, which it does not define"
                            % (cmake, name))
            continue
        visibility = None
        for word in rest.split():
            if word in ("PUBLIC", "PRIVATE"):
                visibility = word
                continue
            if visibility is None:
                problems.append("%s: %s links %s without saying PUBLIC or PRIVATE"
                                % (cmake, name, word))
            target.links[word] = visibility


def target_of(path, sources):
    """The target that the file at path (relative to the root, by folder) belongs to."""
    if path in sources:
        return sources[path]
    stem, suffix = os.path.splitext(path)
    if suffix == ".hh" and stem + ".cc" in sources:
        return sources[stem + ".cc"]
    return FOLDERS[path.split("/")[0]]


def includes(path):
    """The (line number, delimiter, included path) of every include of the file."""
    with open(path, errors="surrogateescape") as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                yield number, m.group(1), m.group(2)


def files_of(root, folder):
    directory = os.path.join(root, folder)
    return sorted(os.path.join(folder, name) for name in os.listdir(directory)
                  if name.endswith(SOURCE_SUFFIXES))


def generated_files(directory):
    """(path shown, path by folder) of the files generated below directory/<folder>/."""
    for folder in sorted(FOLDERS):
        below = os.path.join(directory, folder)
        if not os.path.isdir(below):
            continue
        for name in sorted(os.listdir(below)):
            if name.endswith((".cc", ".hh")):
                yield os.path.join(below, name), os.path.join(folder, name)


def check_includes(shown, path, by_folder, sources, uses, problems):
    """Checks the includes of one file; records each use of another target in uses."""
    own = target_of(by_folder, sources)
    for number, delimiter, included in includes(path):
        if delimiter == "<":
            continue
        where = "%s:%d" % (shown, number)
        folder = included.split("/")[0]
        if "/" not in included or folder not in FOLDERS:
            problems.append('%s: "%s" is not included by its path from the source root'
                            % (where, included))
            continue
        other = target_of(included, sources)
        if other == own:
            continue
        if other not in GRAPH.get(own, []):
            problems.append('%s: includes "%s": forbidden edge %s -> %s'
                            % (where, included, own, other))
            continue
        use = uses.setdefault((own, other), Use())
        use.first = use.first or where
        if by_folder.endswith(".hh") and use.from_header is None:
            use.from_header = where


def check_own_header_first(root, path, problems):
    """A source file with a header of its own includes it before anything else."""
    stem, suffix = os.path.splitext(path)
    if suffix != ".cc" or not os.path.exists(os.path.join(root, stem + ".hh")):
        return
    first = next(includes(os.path.join(root, path)), None)
    if first is None:
        problems.append('%s: does not include its own header "%s"' % (path, stem + ".hh"))
    elif first[2] != stem + ".hh":
        number, delimiter, included = first
        shown = "<%s>" % included if delimiter == "<" else '"%s"' % included
        problems.append('%s:%d: includes %s before its own header "%s"'
                        % (path, number, shown, stem + ".hh"))


def check_targets(targets, uses, problems):
    """The CMake declarations against the graph and against the includes found."""
    for name, target in sorted(targets.items()):
        if name not in GRAPH:
            problems.append("%s: target %s is not in the layering graph" % (target.cmake, name))
            continue
        if target.kind == "library" and not target.static:
            problems.append("%s: library %s is not STATIC" % (target.cmake, name))
        for library, visibility in sorted(target.links.items()):
            use = uses.get((name, library))
            if library not in GRAPH[name]:
                problems.append("%s: %s links %s: forbidden edge %s -> %s"
                                % (target.cmake, name, library, name, library))
            elif use is None:
                problems.append("%s: %s links %s but includes none of its headers"
                                % (target.cmake, name, library))
            elif visibility is None:
                continue
            elif visibility == "PUBLIC" and use.from_header is None:
                problems.append("%s: %s links %s PUBLIC but none of its headers includes it"
                                % (target.cmake, name, library))
            elif visibility == "PRIVATE" and use.from_header is not None:
                problems.append("%s: %s links %s PRIVATE but its header includes it (%s)"
                                % (target.cmake, name, library, use.from_header))
    for (name, library), use in sorted(uses.items()):
        if name in targets and library not in targets[name].links:
            problems.append("%s: includes a header of %s, which %s does not link in %s"
                            % (use.first, library, name, targets[name].cmake))


def check(root, generated):
    problems = []
    targets = {}
    sources = {}
    folders = [f for f in FOLDERS if os.path.isfile(os.path.join(root, f, "CMakeLists.txt"))]
    for folder in folders:
        read_cmake(root, folder, targets, sources, problems)
    for folder in folders:
        if FOLDERS[folder] not in targets:
            problems.append("%s/CMakeLists.txt: defines no library %s" % (folder, FOLDERS[folder]))
    uses = {}
    for folder in folders:
        for path in files_of(root, folder):
            check_includes(path, os.path.join(root, path), path, sources, uses, problems)
            check_own_header_first(root, path, problems)
    for directory in generated:
        if not os.path.isdir(directory):
            problems.append("%s: no such directory of generated files" % directory)
        for path, by_folder in generated_files(directory):
            check_includes(path, path, by_folder, sources, uses, problems)
    check_targets(targets, uses, problems)
    return problems


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--root", default=os.path.dirname(os.path.dirname(
        os.path.dirname(os.path.abspath(__file__)))))
    p.add_argument("--generated", action="append", default=[],
                   help="a directory of generated files below folders named as the sources'")
    p.add_argument("--expect", help="the file of the violations that must be found")
    args = p.parse_args()
    problems = check(args.root, args.generated)
    if args.expect is None:
        for problem in problems:
            print(problem)
        return 1 if problems else 0
    with open(args.expect) as f:
        expected = set(line.rstrip("\n") for line in f if line.strip())
    found = set(problems)
    for line in sorted(expected - found):
        print("expected but not found: " + line)
    for line in sorted(found - expected):
        print("found but not expected: " + line)
    return 0 if found == expected else 1


if __name__ == "__main__":
    sys.exit(main())
