#!/usr/bin/env python3
"""Fails, naming file and line, for every #include "..." under src/ that runs upward, and names every
circle of units that include each other.

The layers, top to bottom, are those of docs/architecture.md; a file may include files of its own
layer and of the layers below it. A unit is a header with its source (graphics/jpeg.h and
graphics/jpeg.cpp); within a layer too, units depend on each other one way only.
With ARCHITECTURE_MD, also that the page names every folder of src/ and no path under src/ that is
not there. Usage: check_layering.py SRC_DIR [ARCHITECTURE_MD]
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


PATH_IN_TEXT = re.compile(r"\bsrc/[A-Za-z0-9_./]*[A-Za-z0-9_]")


def map_faults(src: pathlib.Path, map_file: pathlib.Path):
    """The architecture page must name every folder of src/ and nothing under src/ that is not there."""
    named = set(PATH_IN_TEXT.findall(map_file.read_text(encoding="utf-8")))
    for path in sorted(named):
        if not (src.parent / path).exists():
            yield f"{map_file}: names {path}, which does not exist"
    for folder in sorted(p for p in src.rglob("*") if p.is_dir()):
        name = "src/" + folder.relative_to(src).as_posix()
        if name not in named:
            yield f"{map_file}: does not name the folder {name}"


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    faults = list(upward_includes(src)) + list(unit_circles(src))
    if len(sys.argv) > 2:
        faults += list(map_faults(src, pathlib.Path(sys.argv[2])))
    for fault in faults:
        print(fault)
    print(f"layering: {len(faults)} upward include(s), circle(s) of units or stale names of the map under {src}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
