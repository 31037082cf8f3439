"""The registry of binding keys, bindings/keys.txt: reading it, and making what is made from it.

read_registry() parses and validates the registry (its format is described at the top of the
file). generated_files() gives the text of every file made from it: one template per key in
bindings/trace (trace_templates()), and docs/writing-a-binding.md with its marked tables
(guide_tables()) filled in; stray_trace_files() the trace binding's files that no longer
belong there. Used by scripts/gen-binding, which writes them, and by tests/bindings/check-keys,
which compares them.
"""
import fnmatch
import os
import re
from dataclasses import dataclass, field

REGISTRY = "bindings/keys.txt"
TRACE = "bindings/trace"
GUIDE = "docs/writing-a-binding.md"
UPDATE = "make update-binding"

# The generated parts of the guide: a marker line naming the table, the table, an end line.
REGION = re.compile(r"(?P<head>^<!-- generated from bindings/keys\.txt: (?P<name>[^>]*?) -->\n)"
                    r"(?P<body>.*?)"
                    r"(?P<tail>^<!-- end of generated text -->$)", re.M | re.S)
KEY_NAME = re.compile(r"^(cc|hh|cchh)(\.[A-Za-z0-9_]+)+$")
VARIABLE_NAME = re.compile(r"^[A-Z][A-Z0-9_]*$")
COMPOSE_GROUP = re.compile(r"\{([^{}]*)\}")

# The one scope a variable record may name: a variable defined for every template.
EVERY_TEMPLATE = "every template"

# Fields of each record kind: those a record must have, and those it may have.
FIELDS = {
    "file": ({"ref"}, set()),
    "variable": ({"ref"}, {"scope"}),
    "destination": ({"ref", "keys"}, set()),
    "key": ({"to", "ref"}, {"vars", "also", "note", "optional"}),
}


class RegistryError(Exception):
    """Every problem found in the registry, one "bindings/keys.txt:LINE: ..." line each."""


@dataclass
class Record:
    kind: str
    names: list
    line: int
    fields: dict = field(default_factory=dict)
    group: str = ""

    @property
    def name(self):
        return " ".join(self.names)

    def words(self, name, separator=None):
        text = self.fields.get(name, "")
        return [w.strip() for w in text.split(separator)] if text else []

    @property
    def to(self):
        return self.words("to", ",")

    @property
    def vars(self):
        return self.words("vars")

    @property
    def also(self):
        return self.words("also")

    @property
    def optional(self):
        return self.words("optional", ",")


@dataclass
class Composition:
    pattern: str
    line: int

    def choices(self):
        """The pattern as a list of choices: each {a,b} group, each text between groups."""
        parts = COMPOSE_GROUP.split(self.pattern)
        return [part.split(",") if i % 2 else [part] for i, part in enumerate(parts)]

    def pieces(self):
        """The texts the pattern joins."""
        return [piece for choice in self.choices() for piece in choice if piece]

    def keys(self):
        made = [""]
        for choice in self.choices():
            made = [m + piece for m in made for piece in choice]
        return made


@dataclass
class Registry:
    keys: dict = field(default_factory=dict)
    files: dict = field(default_factory=dict)
    variables: list = field(default_factory=list)
    destinations: dict = field(default_factory=dict)
    groups: list = field(default_factory=list)
    compositions: list = field(default_factory=list)

    def variable_names(self):
        return {n for record in self.variables for n in record.names}

    def everywhere_variables(self):
        """The variables that every template may use, whatever its key's fields say."""
        return {n for record in self.variables if record.fields.get("scope") == EVERY_TEMPLATE
                for n in record.names}

    def trace_keys(self):
        """The keys the trace binding has a template for: all but those optional for it."""
        return [k for k in self.keys.values() if "trace" not in k.optional]

    def composed_keys(self):
        return {k for c in self.compositions for k in c.keys()}

    def matches(self, mention):
        """True when a key or file name, or a pattern with *, names something registered."""
        names = list(self.keys) + list(self.files)
        return any(fnmatch.fnmatchcase(n, mention) for n in names)


def read_registry(path):
    with open(path, encoding="utf-8") as f:
        registry, problems = parse(f.read())
    problems += validate(registry)
    if problems:
        raise RegistryError("\n".join(f"{REGISTRY}:{p}" for p in problems))
    return registry


def parse(text):
    registry, problems = Registry(), []
    record, field_name, group = None, None, ""
    for number, line in enumerate(text.split("\n"), 1):
        if not line.strip() or line.startswith("#"):
            continue
        if line[0].isspace():
            indent = len(line) - len(line.lstrip())
            if record is None:
                problems.append(f"{number}: a field line outside any record")
            elif indent > 4 and field_name:
                record.fields[field_name] += " " + line.strip()
            else:
                field_name, _, value = line.strip().partition(" ")
                if field_name in record.fields:
                    problems.append(f"{number}: {record.name}: a second \"{field_name}\"")
                record.fields[field_name] = value.strip()
            continue
        kind, _, rest = line.partition(" ")
        record, field_name = None, None
        if kind == "group":
            group = rest.strip()
            registry.groups.append(group)
        elif kind == "compose":
            registry.compositions.append(Composition(rest.strip(), number))
        elif kind in FIELDS:
            names = rest.split() if kind == "variable" else [rest.strip()]
            record = Record(kind, names, number, group=group)
            problems += add_record(registry, record)
        else:
            problems.append(f"{number}: \"{kind}\" is no record kind")
    return registry, problems


def add_record(registry, record):
    table = {"key": registry.keys, "file": registry.files,
             "destination": registry.destinations}.get(record.kind)
    if table is None:
        registry.variables.append(record)
        return []
    if record.name in table:
        return [f"{record.line}: {record.kind} {record.name} is registered twice"]
    table[record.name] = record
    return []


def validate(registry):
    problems = []
    records = (list(registry.files.values()) + registry.variables +
               list(registry.destinations.values()) + list(registry.keys.values()))
    for record in records:
        problems += [f"{record.line}: {record.name}: {p}" for p in record_problems(record)]
    seen = set()
    for record in registry.variables:
        scope = record.fields.get("scope")
        if scope is not None and scope != EVERY_TEMPLATE:
            problems.append(f"{record.line}: {record.name}: the only scope is \"{EVERY_TEMPLATE}\"")
        for name in record.names:
            if not VARIABLE_NAME.match(name) or name in seen:
                problems.append(f"{record.line}: variable {name} is malformed or registered twice")
            seen.add(name)
    for key in registry.keys.values():
        problems += [f"{key.line}: {key.name}: {p}" for p in key_problems(registry, key)]
    for group in sorted(set(registry.groups)):
        if registry.groups.count(group) > 1 or not any(k.group == group
                                                       for k in registry.keys.values()):
            problems.append(f" group {group} is named twice or holds no key")
    for rule in registry.compositions:
        if any(c in piece for piece in rule.pieces() for c in "{}"):
            problems.append(f"{rule.line}: compose {rule.pattern}: unmatched brace")
    return problems


def record_problems(record):
    required, optional = FIELDS[record.kind]
    problems = [f"no \"{f}\"" for f in sorted(required - set(record.fields))]
    problems += [f"\"{f}\" is no field of a {record.kind}"
                 for f in sorted(set(record.fields) - required - optional)]
    problems += [f"\"{f}\" holds a |, which would break the docs' tables"
                 for f, value in record.fields.items() if "|" in value]
    return problems


def key_problems(registry, key):
    problems = []
    if not KEY_NAME.match(key.name):
        problems.append("a key is dotted words whose first is cc, hh or cchh")
    if not key.group:
        problems.append("the key comes before any group")
    if key.name in registry.files:
        problems.append("the name of a special file")
    if not key.to:
        problems.append("goes nowhere")
    prefix = key.name.split(".")[0]
    for place in key.to:
        destination = registry.destinations.get(place)
        if destination is None:
            problems.append(f"\"{place}\" is no destination")
        elif prefix not in destination.words("keys", ","):
            problems.append(f"a {prefix} key cannot go to {place}")
    known = registry.variable_names()
    for name in key.vars + key.also:
        if name not in known:
            problems.append(f"{name} is no registered variable")
    listed = key.vars + key.also
    for name in sorted({n for n in listed if listed.count(n) > 1}):
        problems.append(f"{name} is listed twice")
    return problems


def trace_template(key):
    """The trace template: a comment header, then the key and every variable with its label."""
    labels = "".join(f" {v.lower()}=<{v}>" for v in key.vars)
    return f"// {key.name}: {key.fields['ref']}\n[{key.name}]{labels}\n"


def code_list(names):
    return ", ".join(f"`{n}`" for n in names)


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(row) + " |" for row in rows]
    return "\n".join(lines) + "\n"


def key_row(key):
    variables = code_list(key.vars)
    if key.also:
        variables += ("; " if variables else "") + "left set: " + code_list(key.also)
    what = key.fields["ref"]
    if "note" in key.fields:
        what += "; " + key.fields["note"]
    return [f"`{key.name}`", ", ".join(key.to), variables, what]


def guide_tables(registry):
    """Region name to the table the guide shows there."""
    tables = {
        "files": table(["File", "What it is"],
                       [[f"`{f.name}`", f.fields["ref"]] for f in registry.files.values()]),
        "variables": table(["Variable", "Value"],
                           [[code_list(v.names), v.fields["ref"]] for v in registry.variables]),
        "destinations": table(["Destination", "Keys", "What it is"],
                              [[d.name, code_list(d.words("keys", ",")), d.fields["ref"]]
                               for d in registry.destinations.values()]),
    }
    for group in registry.groups:
        rows = [key_row(k) for k in registry.keys.values() if k.group == group]
        tables[f"keys {group}"] = table(
            ["Key", "Goes to", "Variables, in the order they are defined", "What it is"], rows)
    return tables


def fill_regions(text, tables):
    """The guide's text with every marked region holding its table (unknown regions kept)."""
    def fill(match):
        return match["head"] + tables.get(match["name"], match["body"]) + match["tail"]
    return REGION.sub(fill, text)


def stray_trace_files(root, registry):
    """Files of the trace binding that are neither a key's template, a special file nor its
    README: templates of keys that left the registry."""
    kept = {k.name for k in registry.trace_keys()} | set(registry.files) | {"README.md"}
    return sorted(set(os.listdir(os.path.join(root, TRACE))) - kept)


def trace_templates(registry):
    """Path (relative to the source root) to the trace template that belongs there."""
    return {os.path.join(TRACE, k.name): trace_template(k) for k in registry.trace_keys()}


def generated_files(root, registry):
    """Path (relative to root) to the text that belongs there."""
    files = trace_templates(registry)
    with open(os.path.join(root, GUIDE), encoding="utf-8") as f:
        files[GUIDE] = fill_regions(f.read(), guide_tables(registry))
    return files
