#!/usr/bin/env python3
"""The include check finds every upward include of a small tree, and only those."""
import pathlib, sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from check_includes import check

# fixture/ holds one allowed include of each kind (down a layer, within a layer, gui/TickAble.h and an
# event-handler interface from below, a relative name inside platform/) and these faults.
EXPECTED = [
    "audio/Song.h:2: includes fight/Fighter.h, which lies above it",
    "fight/ActionIds.cpp:1: includes fight/Fighter.h, which lies above it",
    "game/MatchScreenEH.cpp: game/MatchScreenEH.h may be included from below, so it has no source file",
    "game/MatchScreenEH.h:2: may be included from below, so it must include nothing above math/ (state/Record.h)",
    "platform/win32/window.cpp:3: includes app/WinMain.h, which lies above it",
    "script/ScriptList.cpp:1: includes fight/Fighter.h, which lies above it",
    "state/Record.cpp:5: includes gui/GuiPanel.h, which lies above it",
]

found = check(pathlib.Path(__file__).parent / "fixture")
for line in sorted(set(found) ^ set(EXPECTED)):
    print(("unexpected: " if line in found else "missed: ") + line)
sys.exit(0 if sorted(found) == EXPECTED else 1)
