#!/usr/bin/env python3
"""Which faults do the tests catch? Runs the mutant tool twice on a fixed sample: the rules
(kc_logic) with their unit tests, and the windows (kc_ui) with the window tests, then prints
both scores. It works on a clone of the committed tree under --work, never on this checkout.

    scripts/mutation_scores.py                     # the tool from ../shared/tools
    scripts/mutation_scores.py --rules 98 --windows 50 --seed 21 --tool PATH/mutants.py
"""

import argparse
import json
import os
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TESTS = {"kc_logic": "kc_logic_tests", "kc_ui": "kc_ui_tests"}


def sources(tree, library):
    """The .cpp files CMake gives the library, as paths relative to the tree."""
    found = []
    for cmake in sorted((tree / "src").glob("*/CMakeLists.txt")):
        for match in re.finditer(r"target_sources\(\s*%s\s+PRIVATE([^)]*)\)" % library,
                                 cmake.read_text()):
            found += [str(cmake.parent.relative_to(tree) / name)
                      for name in match.group(1).split() if name.endswith(".cpp")]
    return found


def run(command, **kwargs):
    print("+", " ".join(map(str, command)), file=sys.stderr, flush=True)
    subprocess.run(command, check=True, **kwargs)


def score(tool, tree, build, library, sample, seed, work):
    target, report = TESTS[library], work / f"{library}.json"
    run(["nice", "cmake", "--build", build, "--target", target])
    test = (f"env LANG=C.UTF-8 TZ=Europe/Berlin QT_QPA_PLATFORM=offscreen "
            f"{build}/tests/{target} --gtest_brief=1")
    run(["nice", sys.executable, tool, "--build", build, "--target", target, "--test", test,
         "--sample", str(sample), "--seed", str(seed), "--json", report]
        + sources(tree, library), cwd=tree, stdout=open(work / f"{library}.log", "w"))
    summary = json.loads(Path(report).read_text())["summary"]
    c = summary["counts"]
    caught = c["killed"] + c["timeout"]
    return f"{library} with {target}: {100 * summary['score']:.1f}% = {caught} / " \
           f"{caught + c['survived']}  (survivors in {work}/{library}.log)"


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--tool", default=str(ROOT.parent / "shared/tools/mutants.py"))
    ap.add_argument("--work", default="/tmp/kc-mutants", help="clone and build here")
    ap.add_argument("--rules", type=int, default=98, help="mutants sampled in the rules")
    ap.add_argument("--windows", type=int, default=50, help="mutants sampled in the windows")
    ap.add_argument("--seed", type=int, default=21)
    args = ap.parse_args()
    work = Path(args.work)
    tree, build = work / "src", work / "build"
    if tree.exists():  # the committed tree of now, not an older one
        run(["git", "-C", tree, "fetch", "-q", ROOT, "HEAD"])
        run(["git", "-C", tree, "reset", "-q", "--hard", "FETCH_HEAD"])
    else:
        run(["git", "clone", "-q", ROOT, tree])
    run(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug"],
        stdout=subprocess.DEVNULL)
    tool = os.path.abspath(args.tool)
    for library, sample in (("kc_ui", args.windows), ("kc_logic", args.rules)):
        if sample > 0:  # 0 leaves that layer out
            print(score(tool, tree, build, library, sample, args.seed, work), flush=True)


if __name__ == "__main__":
    main()
