#!/usr/bin/env python3
"""Lists the places in src/ where one window reaches into another's data.

For every FormN class it reads the data members the class declares. A class's
own files are those that define its members (Form1's are form1*.cpp) and its
header. Every other file that includes the class's header and names one of
those members after "." or "->" is a reach-in: the script prints each
file/member pair, then the count.

With --folders it also prints the includes of app/form3.h outside src/app and
the include cycles between the feature folders.

    scripts/window_reach_ins.py [--folders] [SRC]
"""

import pathlib
import re
import sys

FEATURES = ["countdown", "team", "settings", "calendar", "reminders", "update", "about"]


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def class_body(text, name):
    """The text between the braces of `class name ... {`, or None."""
    match = re.search(r"\bclass\s+%s\b[^;{]*\{" % name, text)
    if not match:
        return None
    depth, start = 1, match.end()
    for i in range(start, len(text)):
        if text[i] == "{":
            depth += 1
        elif text[i] == "}":
            depth -= 1
            if depth == 0:
                return text[start:i]
    return None


def data_members(body):
    """Names of the data members declared at the class's own level."""
    flat, depth = [], 0
    for c in body:
        if c == "{":
            depth += 1
            flat.append(" " if depth > 1 else c)
            continue
        if c == "}":
            depth -= 1
            flat.append(" " if depth > 0 else c)
            continue
        flat.append(c if depth == 0 else " ")
    members = set()
    for statement in re.split(r"[;}]", "".join(flat)):
        statement = re.sub(r"\b(public|protected|private|signals|slots)\s*:", "", statement)
        statement = re.sub(r"\bQ_\w+(\([^)]*\))?", "", statement).strip()
        statement = re.sub(r"\{\s*$", "", statement).strip()
        if not statement or "(" in statement.split("=")[0]:
            continue  # a function, or nothing
        if re.match(r"(using|friend|typedef|enum|struct|class|static)\b", statement):
            continue
        declarator = re.split(r"=|\{", statement)[0].strip()
        name = re.search(r"(\w+)\s*(\[[^\]]*\])?\s*$", declarator)
        if name and " " in declarator.replace("*", " ").replace("&", " ").strip():
            members.add(name.group(1))
    return members


def includes(text):
    return re.findall(r'#include\s+"([^"]+)"', text)


def reach_ins(src):
    files = {p.relative_to(src).as_posix(): p.read_text() for p in src.rglob("*") if
             p.suffix in (".h", ".cpp")}
    code = {path: strip_comments(text) for path, text in files.items()}
    pairs = []
    for header, text in sorted(code.items()):
        for name in sorted(set(re.findall(r"\bclass\s+(Form\d)\b[^;{]*\{", text))):
            members = data_members(class_body(text, name))
            own = {header} | {p for p, t in code.items() if re.search(r"\b%s::~?\w+\s*\(" % name, t)}
            for path, body in sorted(code.items()):
                if path in own or header not in includes(body):
                    continue
                named = set(re.findall(r"(?:\.|->)\s*(\w+)\b", body)) & members
                pairs += [(path, "%s::%s" % (name, m)) for m in sorted(named)]
    return files, pairs


def folder_cycles(files):
    edges = {f: set() for f in FEATURES}
    for path, text in files.items():
        folder = path.split("/")[0]
        for target in includes(text):
            to = target.split("/")[0]
            if folder in edges and to in edges and to != folder:
                edges[folder].add(to)
    cycles, seen = [], set()

    def walk(node, trail):
        for nxt in sorted(edges[node]):
            if nxt == trail[0]:
                cycle = trail + [nxt]
                key = frozenset(trail)
                if key not in seen:
                    seen.add(key)
                    cycles.append(" -> ".join(cycle))
            elif nxt not in trail and FEATURES.index(nxt) > FEATURES.index(trail[0]):
                walk(nxt, trail + [nxt])

    for start in FEATURES:
        walk(start, [start])
    return cycles


def main(argv):
    folders = "--folders" in argv
    args = [a for a in argv if a != "--folders"]
    src = pathlib.Path(args[0] if args else pathlib.Path(__file__).parent.parent / "src")
    files, pairs = reach_ins(src)
    for path, member in pairs:
        print("%s: %s" % (path, member))
    print("reach-ins: %d" % len(pairs))
    if folders:
        upward = [p for p, t in sorted(files.items())
                  if "app/form3.h" in includes(t) and not p.startswith("app/")]
        for path in upward:
            print("includes app/form3.h: %s" % path)
        cycles = folder_cycles(files)
        for cycle in cycles:
            print("folder cycle: %s" % cycle)
        print("form3.h outside app: %d, folder cycles: %d" % (len(upward), len(cycles)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
