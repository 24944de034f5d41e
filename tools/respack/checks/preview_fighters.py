#!/usr/bin/python3
"""Pictures of the pack's fighters to look at before the engine draws them: the nine body
types in their stance (front and three-quarter view, blue and red), the 24 faces, and the key
frames of every kick with an opponent at the middle of the kick's range.

    preview_fighters.py --pack build/game --out build/respack-preview
"""
import argparse
import os
import sys

sys.dont_write_bytecode = True

import numpy as np
from PIL import Image, ImageDraw

from packfiles import Pack
from raster import Camera, Canvas, texture_array
from respack import bodymesh, clips, fightertex
from respack import poses as P
from respack import skeleton as sk

SCRIPTS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "scripts")
sys.path.insert(0, SCRIPTS)
import controls  # noqa: E402

T = "Tavek_res\\skinmeshes\\textures\\"
_meshes = {}


def mesh_of(index):
    if index not in _meshes:
        _meshes[index] = bodymesh.body(index)
    return _meshes[index]


_weights = {}


def weight_table(mesh):
    """(vertices x bones) skin weights, made once per mesh."""
    if id(mesh) not in _weights:
        table = np.zeros((len(mesh.positions), len(sk.BONES)))
        column = {b: k for k, b in enumerate(sk.BONES)}
        for v, ws in enumerate(mesh.weights):
            for bone, w in ws:
                table[v, column[bone]] += w
        _weights[id(mesh)] = (mesh, table)
    return _weights[id(mesh)][1]


def skinned(mesh, pose, turn=np.eye(3), place=np.zeros(3)):
    p = np.array(mesh.positions)
    n = np.array(mesh.normals)
    out_p, out_n = np.zeros_like(p), np.zeros_like(n)
    table = weight_table(mesh)
    for k, bone in enumerate(sk.BONES):
        w = table[:, k]
        if not w.any():
            continue
        g = pose.turns[bone]
        out_p += w[:, None] * ((p - sk.REST_POS[bone]) @ g.T + pose.positions[bone])
        out_n += w[:, None] * (n @ g.T)
    return out_p @ turn.T + place, out_n @ turn.T


def draw_fighter(canvas, pack, index, pose, red=False, turn=np.eye(3), place=np.zeros(3),
                 skin=None):
    mesh = mesh_of(index)
    names = bodymesh.starting_textures(index)
    folder = T + bodymesh.TYPES[index][0].split("\\")[0] + "\\"
    paths = [folder + n for n in names]
    if red:
        paths[1] = (T + "female\\female_protection_red.png") if bodymesh.TYPES[index][1] \
            else T + "protection_red.png"
    if skin:
        paths[2] = skin
    positions, normals = skinned(mesh, pose, turn, place)
    faces = np.array(mesh.faces)
    materials = np.array(mesh.materials)
    for slot, path in enumerate(paths):
        canvas.draw(positions, normals, mesh.uvs, faces[materials == slot],
                    texture_array(pack.read(path)))


def fighter_sheet(pack, out):
    stance = P.solve(P.STANCE)
    tiles = []
    for red in (False, True):
        for view in ("front", "three-quarter"):
            row = []
            for index in range(9):
                eye = (0.0, 0.9, 3.2) if view == "front" else (2.3, 1.1, 2.3)
                canvas = Canvas(Camera(eye, (0.0, 0.2, 0.0), 40, 160, 260))
                draw_fighter(canvas, pack, index, stance, red)
                row.append(canvas.image())
            tiles.append(row)
    sheet = Image.new("RGB", (160 * 9, 260 * 4))
    for r, row in enumerate(tiles):
        for c, img in enumerate(row):
            sheet.paste(img, (c * 160, r * 260))
    sheet.save(os.path.join(out, "fighters.png"))


def faces(pack, out):
    rest = P.solve(P.STANCE)
    sheet = Image.new("RGB", (120 * 12, 140 * 2))
    for row, (folder, names, index) in enumerate((("male\\", fightertex.MALE_SKINS, 2),
                                                  ("female\\", fightertex.FEMALE_SKINS, 5))):
        for col, name in enumerate(names):
            head = rest.point("Bip01_Head", (0, 1.04, 0.01))
            canvas = Canvas(Camera(head + np.array((0.1, 0.02, 0.6)), head, 30, 120, 140))
            draw_fighter(canvas, pack, index, rest, skin=T + folder + name + ".png")
            sheet.paste(canvas.image(), (col * 120, row * 140))
    sheet.save(os.path.join(out, "faces.png"))


def kick_strips(pack, out):
    stance = P.solve(P.STANCE)
    kicks = {}
    for move, action, label, *_rest in controls.KICKS:
        kicks.setdefault(action, (label, controls.KICK_BY_ACTION[action]))
    rows = []
    for action, (label, kick) in sorted(kicks.items()):
        if action in (48, 49):
            continue
        import_name = [c for c in clips.CLIPS if c[0] == _clip_file(action)][0]
        file = import_name[0]
        keys = [k[0] for k in import_name[2]()]
        poses = clips.clip_poses(file, 0)
        distance = (kick[5] + kick[6]) / 2
        row = []
        for frame in keys:
            canvas = Canvas(Camera((3.2, 1.0, distance / 2), (0.0, 0.3, distance / 2), 45, 170, 200))
            draw_fighter(canvas, pack, 2, poses[frame])
            draw_fighter(canvas, pack, 5, stance, True, sk.rot_y(180.0),
                         np.array((0.0, 0.0, distance)))
            img = canvas.image()
            ImageDraw.Draw(img).text((4, 4), "%d %s f%d" % (action, label, frame), fill=(255, 255, 255))
            row.append(img)
        rows.append(row)
    width = max(len(r) for r in rows)
    sheet = Image.new("RGB", (170 * width, 200 * len(rows)))
    for r, row in enumerate(rows):
        for c, img in enumerate(row):
            sheet.paste(img, (c * 170, r * 200))
    sheet.save(os.path.join(out, "kicks.png"))


def _clip_file(action):
    table = {22: "01_", 23: "02_", 24: "03_", 25: "05_", 26: "06_", 27: "10_", 28: "11_",
             29: "12_", 30: "13_", 31: "21_", 32: "22_", 33: "25_", 34: "47_", 45: "24_",
             35: "26_", 36: "27_", 37: "28_"}
    return [c[0] for c in clips.CLIPS if c[0].startswith(table[action])][0]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pack", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--only", choices=("fighters", "faces", "kicks"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    pack = Pack(args.pack)
    for name, make in (("fighters", fighter_sheet), ("faces", faces), ("kicks", kick_strips)):
        if args.only in (None, name):
            make(pack, args.out)
    print("preview_fighters: wrote %s" % args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
