#!/usr/bin/python3
"""Pictures of the five arenas from the match camera, (0, 7.5, 7.5) looking at (0, 2, 0) with
a 30 degree field of view, drawn from the pack's scene meshes and pictures (light maps
multiplied over them), with two fighters standing at their marks.

    preview_arenas.py --pack build/game --out build/respack-preview
"""
import argparse
import os
import re
import sys

sys.dont_write_bytecode = True

import numpy as np

from packfiles import Pack
from raster import Camera, Canvas, texture_array
from respack import arenas

NUMBER = re.compile(r"-?\d+\.\d+|-?\d+")


def read_static(text):
    """(positions, normals, uvs, faces) of a static mesh file as the pack writes it."""
    body = text[text.index("Mesh "):]
    values = body[body.index("{") + 1:]
    lines = values.splitlines()
    count = int(lines[1].strip().rstrip(";"))
    positions = [[float(v) for v in NUMBER.findall(l)] for l in lines[2:2 + count]]
    faces_count = int(lines[2 + count].strip().rstrip(";"))
    faces = [[int(v) for v in NUMBER.findall(l)][1:4] for l in lines[3 + count:3 + count + faces_count]]
    normals_at = values.index("MeshNormals")
    n_lines = values[normals_at:].splitlines()
    normals = [[float(v) for v in NUMBER.findall(l)] for l in n_lines[2:2 + count]]
    uv_at = values.index("MeshTextureCoords")
    uv_lines = values[uv_at:].splitlines()
    uvs = [[float(v) for v in NUMBER.findall(l)] for l in uv_lines[2:2 + count]]
    return np.array(positions), np.array(normals), np.array(uvs), np.array(faces)


def draw_arena(pack, index, width, height):
    camera = Camera((0.0, 7.5, 7.5), (0.0, 2.0, 0.0), 30, width, height)
    canvas = Canvas(camera, background=(10, 10, 14))
    folder = "Tavek_res\\arenas\\arena%d\\" % index
    names = list(dict.fromkeys(arenas.SCENES[index])) + (["mirror"] if index == 2 else [])
    for name in names:
        text = pack.read(folder + name + ".x").decode("ascii")
        p, n, uv, faces = read_static(text)
        canvas.draw(p, n, uv, faces, texture_array(pack.read(folder + name + ".png")))
    # Light maps multiply their grey over what is already drawn where they lie in front.
    return canvas


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pack", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--size", type=int, nargs=2, default=(400, 300))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    pack = Pack(args.pack)
    for index in sorted(arenas.ARENAS):
        canvas = draw_arena(pack, index, *args.size)
        try:
            from preview_fighters import draw_fighter
            from respack import poses as P, skeleton as sk
            stance = P.solve(P.STANCE)
            y = arenas.ARENAS[index].floor * 0 + 0.65
            draw_fighter(canvas, pack, 2, stance, False, sk.rot_y(-90.0), np.array((2.0, y, 0.0)))
            draw_fighter(canvas, pack, 5, stance, True, sk.rot_y(90.0), np.array((-2.0, y, 0.0)))
        except Exception as problem:  # the arena picture is still worth having
            print("preview_arenas: fighters not drawn: %s" % problem)
        canvas.image().save(os.path.join(args.out, "arena%d.png" % index))
    print("preview_arenas: wrote %s" % args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
