#!/usr/bin/env python3
"""Fails, naming file and line, for every #include "..." under src/ that runs upward, and names every
circle of units that include each other.

The layers, top to bottom, are those of docs/architecture.md; a file may include files of its own
layer and of the layers below it. A unit is a header with its source (graphics/jpeg.h and
graphics/jpeg.cpp); within a layer too, units depend on each other one way only.
Usage: check_layering.py SRC_DIR
"""
import pathlib
import re
import sys

LAYERS = ["app", "ui", "controls", "graphics", "systools", "framework", "platform"]  # top first
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def rank(path: str):
    head = path.split("/", 1)[0]
    return LAYERS.index(head) if head in LAYERS else None


def upward_includes(src: pathlib.Path):
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp") or not file.is_file():
            continue
        own = rank(file.relative_to(src).as_posix())
        if own is None:
            yield f"{file}: not in a layer folder ({', '.join(LAYERS)})"
            continue
        for number, line in enumerate(file.read_text(encoding="latin-1").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = rank(match.group(1))
            if target is None:
                yield f"{file}:{number}: includes \"{match.group(1)}\", which is in no layer folder"
            elif target < own:
                yield (f"{file}:{number}: {LAYERS[own]} includes \"{match.group(1)}\" of {LAYERS[target]}, "
                       f"a layer above it")


def unit_circles(src: pathlib.Path):
    """Every group of units each of which reaches all the others through #include (a strongly
    connected component of more than one unit, found with Tarjan's algorithm)."""
    uses = {}
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp") or not file.is_file():
            continue
        unit = file.relative_to(src).with_suffix("").as_posix()
        for line in file.read_text(encoding="latin-1").splitlines():
            match = INCLUDE.match(line)
            if match and (src / match.group(1)).is_file():
                used = pathlib.PurePosixPath(match.group(1)).with_suffix("").as_posix()
                if used != unit:
                    uses.setdefault(unit, set()).add(used)
    index, low, stack, on_stack, circles = {}, {}, [], set(), []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for used in sorted(uses.get(unit, ())):
            if used not in index:
                visit(used)
                low[unit] = min(low[unit], low[used])
            elif used in on_stack:
                low[unit] = min(low[unit], index[used])
        if low[unit] == index[unit]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == unit:
                    break
            if len(group) > 1:
                circles.append(sorted(group))

    for unit in sorted(uses):
        if unit not in index:
            visit(unit)
    for group in circles:
        yield f"{src}: units include each other: {' <-> '.join(group)}"


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    faults = list(upward_includes(src)) + list(unit_circles(src))
    for fault in faults:
        print(fault)
    print(f"layering: {len(faults)} upward include(s) or circle(s) of units under {src}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
