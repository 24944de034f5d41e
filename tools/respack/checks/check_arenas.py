#!/usr/bin/python3
"""Checks the arenas of a generated pack: the scene lists' counts, every mesh inside its hall,
nothing but the mat inside an arena's bounds, the match cameras' corridor and the top camera's
column free, walls and hangings facing the mat and ceilings facing down, arena 1's fly-by paths
clear of every object, the mirror where the battle puts its plane, and light maps over their
own arena's surfaces.

    check_arenas.py --pack build/game
"""
import argparse
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True

import numpy as np

from packfiles import Pack
from preview_arenas import read_static
from respack import arenas

COUNTS = {1: 57, 2: 39, 3: 44, 4: 43, 5: 48}
FACING_MAT = ("wall_tile", "wall", "bricks", "white_wall", "wall_dark", "wall_bottom", "wood",
              "concrete_opening", "outside", "gate", "cloth", "picture_frame", "wood_door",
              "audience")
FACING_DOWN = ("ceiling_tile", "ceiling_tile2", "ceiling_light")


def flyby_points(pack):
    root = ET.fromstring(pack.read("Tavek_res\\arenas\\arena1\\flybys.xml"))
    points = []
    for flyby in root.iter("Flyby"):
        keys = [(float(k.get("t")), np.array([float(k.get(a)) for a in ("lx", "ly", "lz")]))
                for k in flyby.iter("At")]
        for (t0, p0), (t1, p1) in zip(keys, keys[1:]):
            steps = max(1, int((t1 - t0) / 0.05))
            for i in range(steps + 1):
                points.append(p0 + (p1 - p0) * i / steps)
    return np.array(points)


def box_distance(points, lo, hi):
    """Distance of every point to the box lo..hi."""
    d = np.maximum(np.maximum(lo - points, 0), np.maximum(points - hi, 0))
    return np.sqrt((d * d).sum(axis=1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pack", required=True)
    args = parser.parse_args()
    pack = Pack(args.pack)
    problems = []

    def check(ok, message):
        if not ok:
            problems.append(message)
    flyby = flyby_points(pack)
    for index, a in sorted(arenas.ARENAS.items()):
        names = arenas.SCENES[index]
        check(len(names) == COUNTS[index], "arena %d lists %d scene meshes" % (index, len(names)))
        folder = "Tavek_res\\arenas\\arena%d\\" % index
        s = a.s
        x0, x1, z0, z1 = a.hall
        b = a.bounds
        extra = ["lightmap%d" % k for k in range(1, arenas.LIGHTMAPS[index] + 1)]
        for name in list(dict.fromkeys(names)) + extra + (["mirror"] if index == 2 else []):
            p, n, uv, faces = read_static(pack.read(folder + name + ".x").decode("ascii"))
            tri = p[faces]
            lo, hi = tri.min(axis=(0, 1)), tri.max(axis=(0, 1))
            where = "arena %d %s" % (index, name)
            check(lo[0] >= x0 - 0.6 and hi[0] <= x1 + 0.6 and lo[2] >= z0 - 0.6 and
                  hi[2] <= z1 + 0.6 and lo[1] >= a.floor - 0.01 and hi[1] <= a.ceiling + 0.01,
                  "%s leaves its hall (%s..%s)" % (where, lo.round(2), hi.round(2)))
            check(uv.min() >= 0 and uv.max() <= 1, "%s: texture coordinates outside 0..1" % where)
            normals = np.cross(tri[:, 1] - tri[:, 0], tri[:, 2] - tri[:, 0])
            centres = tri.mean(axis=1)
            tlo, thi = tri.min(axis=1), tri.max(axis=1)
            if name not in ("mat", "mirror") and not name.startswith("lightmap"):
                # Where the fighters move (ceilings and rigging far above excepted).
                inside = (thi[:, 0] > b[0] - 0.3) & (tlo[:, 0] < b[1] + 0.3) & \
                    (thi[:, 2] > b[2] - 0.3) & (tlo[:, 2] < b[3] + 0.3) & (thi[:, 1] > 0.01) & \
                    (tlo[:, 1] < 3.0)
                check(not inside.any(), "%s rises inside the arena's bounds" % where)
                # Cameras look down at the mat: surfaces facing down or away from them (the
                # inward face of a wall behind them) cannot block the view.
                corridor = (thi[:, 0] > -(s + 3)) & (tlo[:, 0] < s + 3) & (thi[:, 2] > s + 1) & \
                    (tlo[:, 2] < s + 8) & (thi[:, 1] > 1.2 + (a.floor if index == 5 else 0.0)) & \
                    (normals[:, 1] > -1e-9) & (normals[:, 2] > -1e-9)
                check(not corridor.any(), "%s stands in the cameras' corridor" % where)
                column = (thi[:, 0] > -(s + 4)) & (tlo[:, 0] < s + 4) & (thi[:, 2] > -(s + 4)) & \
                    (tlo[:, 2] < s + 4) & (thi[:, 1] > 3.0) & (normals[:, 1] > 1e-9)
                check(not column.any(), "%s shows above the mat to the top camera" % where)
            if name in FACING_MAT or (name.startswith("flag_") and not name.startswith("flag_large")):
                towards = np.array((0.0, 0.0, 0.0)) - centres
                towards[:, 1] = 0
                check(((normals * towards).sum(axis=1) > 0).all(), "%s faces away from the mat" % where)
            if name in FACING_DOWN:
                check((normals[:, 1] < 0).all(), "%s does not face down" % where)
            if index == 1 and not name.startswith("lightmap"):
                near = np.min([box_distance(flyby, l, h).min() for l, h in zip(tlo, thi)])
                check(near >= 0.5, "%s comes within %.2f of a fly-by path" % (where, near))
            if name == "mirror":
                check(len(faces) == 2 and np.allclose(p[:, 2], -4.98, atol=0.05) and
                      (normals[:, 2] > 0).all(), "the mirror is not a quad at z -5 facing +z")
    for problem in problems[:40]:
        print("PROBLEM:", problem)
    if problems:
        print("check_arenas: %d problems" % len(problems))
        return 1
    print("check_arenas: the five arenas keep their rules")
    return 0


if __name__ == "__main__":
    sys.exit(main())
