#!/usr/bin/env python3
"""Fails when a game source includes a header of a layer above its own (see architecture.md).

Reads the text of every .h/.c/.cpp of the layered folders and names each upward include by file
and line; it builds nothing. Rows of equal rank are one layer and may include each other.
"""
import pathlib, re, sys

# (rank, folder, the folder's files in this row by name without extension; None: all the others)
LAYERS = [
    (0, "platform", None), (1, "math", None),
    (2, "persistence", None), (2, "resources", None), (2, "audio", None), (2, "input", None),
    (3, "fight", {"ActionIds", "FighterAbilities", "FighterCombo", "FighterCombos", "InputBinding",
                  "HumanInputMapper", "TrackedAction", "TrackedActions", "ITrackedActions"}),
    (3, "script", None),
    (4, "state", None),
    (5, "gui", None),
    (6, "fight", None), (6, "script", {"AIMaster", "AIInstance", "AIFighterInstance", "AISparkInstance"}),
    (7, "game", None), (7, "plugin", None),
    (8, "app", None),
]
FOLDERS = sorted({folder for _, folder, _ in LAYERS})
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def rank_of(path):
    """The layer of a path relative to the root, or None outside the layered folders."""
    rows = [row for row in LAYERS if row[1] == path.parts[0]]
    stem = path.name.split(".")[0]
    named = [rank for rank, _, files in rows if files and stem in files]
    return named[0] if named else next((rank for rank, _, files in rows if files is None), None)


def reported_upwards(path):
    """Code-free headers through which an owned object reports to its owner: allowed from below."""
    return path.parts[0] == "gui" and path.name == "TickAble.h" or path.name.endswith("EH.h")


def includes(root, source):
    """(line number, included path relative to root) of every quoted include of source."""
    for number, line in enumerate(source.read_text(errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        target = pathlib.Path(match.group(1))
        if target.parts[0] not in FOLDERS:
            try:  # a bare or relative name: the including file's own folder
                target = (source.parent / target).resolve().relative_to(root.resolve())
            except ValueError:
                continue
        yield number, target


def check(root):
    problems = []
    sources = [p for folder in FOLDERS for p in sorted((root / folder).rglob("*"))
               if p.suffix in (".h", ".hpp", ".inl", ".c", ".cc", ".cpp")]
    for source in sources:
        own = source.relative_to(root)
        for number, target in includes(root, source):
            upper = rank_of(target)
            # Code-free headers may build on each other (an interface deriving from another).
            if reported_upwards(own) and (upper or 0) > rank_of(pathlib.Path("math")) \
                    and not reported_upwards(target):
                problems.append(f"{own}:{number}: may be included from below, so it must include "
                                f"nothing above math/ ({target})")
            elif upper is not None and upper > rank_of(own) and not reported_upwards(target):
                problems.append(f"{own}:{number}: includes {target}, which lies above it")
        if source.suffix == ".cpp" and reported_upwards(own.with_suffix(".h")):
            problems.append(f"{own}: {own.with_suffix('.h')} may be included from below, so it has no source file")
    return problems


if __name__ == "__main__":
    found = check(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "."))
    print("\n".join(found) or "Every include points down the layer order.")
    sys.exit(1 if found else 0)
