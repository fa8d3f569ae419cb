#!/usr/bin/env python3
"""Fails, naming file and line, for every #include "..." under src/ that runs upward.

The layers, top to bottom, are those of DESIGN.md; a file may include files of its own layer and of
the layers below it. Usage: check_layering.py SRC_DIR
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


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    faults = list(upward_includes(src))
    for fault in faults:
        print(fault)
    print(f"layering: {len(faults)} upward include(s) under {src}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
