#!/usr/bin/env python3
"""Lists and applies the small mutations that scripts/mutants.sh runs the tests against.

A mutation is one change on one line of a core source file: a comparison flipped, an integer
constant off by one, a call statement removed, or a boolean result inverted. The candidates are
found in every core .cpp but the data tables, ordered by file and line, and a fixed sample of them
is drawn with a fixed seed, so that two runs on the same tree try the same mutants.
"""

import argparse
import random
import re
import sys
from pathlib import Path

# Comparisons and what they become; the pattern keeps <<, >>, ->, <=> and templates out.
FLIPS = {"==": "!=", "!=": "==", "<=": ">", ">=": "<", "<": ">=", ">": "<="}
COMPARISON = re.compile(r"(?<=[\w\)\]] )(==|!=|<=|>=|<|>)(?= [\w\(!-])")
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
CALL_STATEMENT = re.compile(r"^\s*[A-Za-z_][\w:.>\-]*\((.*)\);\s*$")
BOOL_RETURN = re.compile(r"\breturn (true|false);")
# Lines that are declarations, data or preprocessor, where a change says nothing about the tests.
SKIPPED_LINE = re.compile(r"^\s*(#|//|static_assert|case |template|using |namespace |\{.*\},?$)")
# Table files: transcribed data, checked by counts and invariants rather than by behaviour.
SKIPPED_FILE = re.compile(r"(Data|Tables?|Templates)\.cpp$")


def candidates(root):
    found = []
    for path in sorted((root / "src" / "core").rglob("*.cpp")):
        if SKIPPED_FILE.search(path.name):
            continue
        relative = path.relative_to(root).as_posix()
        for number, line in enumerate(path.read_text().splitlines(), start=1):
            if SKIPPED_LINE.match(line) or '"' in line:
                continue
            code = line.split("//")[0]
            for match in COMPARISON.finditer(code):
                found.append((relative, number, "flip", match.start(1), match.group(1)))
            for match in INTEGER.finditer(code):
                found.append((relative, number, "plus-one", match.start(1), match.group(1)))
            if CALL_STATEMENT.match(code) and not code.strip().startswith("return"):
                found.append((relative, number, "drop-call", 0, code.strip()))
            for match in BOOL_RETURN.finditer(code):
                found.append((relative, number, "invert", match.start(1), match.group(1)))
    return found


def sample(root, count, seed):
    everything = candidates(root)
    picked = random.Random(seed).sample(everything, min(count, len(everything)))
    return sorted(picked, key=lambda m: (m[0], m[1], m[3]))


def mutated_line(line, kind, column, text):
    if kind == "flip":
        return line[:column] + FLIPS[text] + line[column + len(text):]
    if kind == "plus-one":
        return line[:column] + str(int(text) + 1) + line[column + len(text):]
    if kind == "drop-call":
        return line[: len(line) - len(line.lstrip())] + "(void)0;"
    return line[:column] + ("false" if text == "true" else "true") + line[column + len(text):]


def apply(root, mutant):
    relative, number, kind, column, text = mutant
    path = root / relative
    lines = path.read_text().split("\n")
    lines[number - 1] = mutated_line(lines[number - 1], kind, column, text)
    path.write_text("\n".join(lines))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["list", "apply"])
    parser.add_argument("--root", type=Path, required=True)
    parser.add_argument("--count", type=int, default=120)
    parser.add_argument("--seed", type=int, default=20261206)
    parser.add_argument("--index", type=int, help="with apply: which mutant of the sample")
    arguments = parser.parse_args()
    mutants = sample(arguments.root, arguments.count, arguments.seed)
    if arguments.command == "list":
        for index, (relative, number, kind, _, text) in enumerate(mutants):
            print(f"{index}\t{relative}:{number}\t{kind}\t{text}")
        return 0
    apply(arguments.root, mutants[arguments.index])
    return 0


if __name__ == "__main__":
    sys.exit(main())
