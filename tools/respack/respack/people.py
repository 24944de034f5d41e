"""The arenas' people: the fighter body posed standing or seated and baked into static meshes.

One picture per file, an atlas of the four fighter slots (clothes top left, protector top
right, skin bottom left, belt bottom right), painted in the clothes the file's name says.
"""
import numpy as np
from PIL import Image

from . import bodymesh, fightertex
from . import poses as P
from . import skeleton as sk

QUADRANT = {bodymesh.CLOTHES: (0.0, 0.0), bodymesh.PROTECTOR: (0.5, 0.0),
            bodymesh.SKIN: (0.0, 0.5), bodymesh.BELT: (0.5, 0.5)}

STANDING = P.spec(P.ATTENTION, fist=0.3)
SEATED = P.spec(P.ATTENTION, root=(0.0, -0.2, 0.0), pelvis=(0.0, -5.0, 0.0),
                lfoot=(-0.12, P.FOOT_Y, 0.42, 0.0, 0.0, 0.0),
                rfoot=(0.12, P.FOOT_Y, 0.42, 0.0, 0.0, 0.0),
                lknee=(0.0, 1.0, 1.0), rknee=(0.0, 1.0, 1.0),
                lhand=(-0.15, -0.32, 0.32), rhand=(0.15, -0.32, 0.32),
                lelbow=(-0.3, -1.0, -0.5), relbow=(0.3, -1.0, -0.5), fist=0.3)
SEAT_HEIGHT = 0.36  # location above the seat's top when seated

NAVY = (30, 36, 70)
CLOTHES = {
    "coach-male": ((40, 60, 150), (40, 60, 150)),
    "judge-male": (NAVY, (60, 60, 64)), "judge-female": (NAVY, (60, 60, 64)),
    "referee-male": (NAVY, (50, 50, 56)), "referee-female": (NAVY, (50, 50, 56)),
    "spectator_male_long-sleevegreen-blackpants": ((40, 140, 60), (25, 25, 28)),
    "spectator_female_Tshirtgreen": ((60, 170, 80), (70, 80, 120)),
    "spectator_male_Tshirtwhite-blackpants": ((240, 240, 240), (25, 25, 28)),
    "spectator_female_Topred-blackpants": ((200, 40, 40), (25, 25, 28)),
    "spectator_male_pologreen-lightpants": ((50, 150, 70), (200, 190, 160)),
    "spectator_female_poloyellow-lightpants": ((230, 200, 50), (200, 190, 160)),
    "spectator_male_long-sleevered": ((190, 40, 40), (60, 60, 80)),
    "spectator_male_tshirtgreen": ((50, 150, 70), (70, 80, 120)),
}


def _posed(mesh, pose, turn, place):
    """World positions and normals of a skinned mesh in a pose, turned and placed."""
    p = np.array(mesh.positions)
    n = np.array(mesh.normals)
    out_p, out_n = np.zeros_like(p), np.zeros_like(n)
    for bone in sk.BONES:
        w = np.array([sum(x for b, x in ws if b == bone) for ws in mesh.weights])
        if not w.any():
            continue
        g = pose.turns[bone]
        out_p += w[:, None] * ((p - sk.REST_POS[bone]) @ g.T + pose.positions[bone])
        out_n += w[:, None] * (n @ g.T)
    return out_p @ turn.T + place, out_n @ turn.T


def _atlas(name, female):
    top, bottom = CLOTHES[name]
    img = Image.new("RGBA", (512, 512), top + (255,))
    legs = Image.new("RGBA", (256, 256 - 128), bottom + (255,))
    img.paste(legs, (0, 128))
    skin_name = "w_d_skin" if not female else "w_skin"
    if "spectator" in name:
        skin_name = ("a_skin", "h_skin", "b_skin", "w_b_skin")[len(name) % 4]
    skin = fightertex.skin_image(skin_name, female)
    img.paste(skin.resize((256, 256)), (0, 256))
    img.paste(Image.new("RGBA", (256, 256), tuple(int(c * 0.8) for c in bottom) + (255,)),
              (256, 256))
    if "referee" in name or "judge" in name:  # a white shirt collar and a tie
        img.paste(Image.new("RGBA", (512, 16), (240, 240, 240, 255)), (0, 481))
    return img


def _body_for(name):
    female = "female" in name
    index = 5 if female else 2
    detail = 0.5 if "spectator" in name else 1.0
    mesh = bodymesh.body(index, detail)
    keep = []
    for face, material in zip(mesh.faces, mesh.materials):
        top = max(mesh.positions[v][1] for v in face)
        if material == bodymesh.PROTECTOR and top > 0.9:
            continue  # no head guards off the mat
        keep.append((face, material))
    mesh.faces = [f for f, _ in keep]
    mesh.materials = [m for _, m in keep]
    return mesh, female


def _places(a, name):
    """(location, facing in degrees, seated) of each person of the file."""
    s, F = a.s, a.floor
    y = F + 0.65
    if name == "coach-male":
        return [((s + 3.2, y, 0.9), -90.0, False), ((-(s + 3.2), y, 0.9), 90.0, False)]
    z_table = -(s + 3.0) if a.index != 5 else -(s + 6.5)
    if name.startswith("judge"):
        xs = (-1.2, 1.2) if name == "judge-male" else (0.0,)
        return [((x, F + 0.47 + SEAT_HEIGHT, z_table - 0.8), 0.0, True) for x in xs]
    if name.startswith("referee"):
        sx = 1 if name == "referee-male" else -1
        d = s + 1.6
        yy = y if a.index != 5 else -0.05 + 0.65
        return [((sx * d, yy, -d), -sx * 45.0, False)]
    # Spectators: a group of 14 on one stand, seated on the rows' tops.
    groups = {1: [("z", -1, 12.5, 0.75, 0.8)], 3: [("x", 1, 9.5, 0.8, 0.45)],
              4: [("x", -1, 9.0, 0.8, 0.45)], 5: [("x", 1, 14.0, 0.8, 0.85)]}
    axis, sign, start, depth, rise = groups[a.index][0]
    shift = (hash_name(name) % 5) * 1.3 - 2.6
    out = []
    for k in range(14):
        row = k % 3 + (1 if "female" in name else 0)
        along = -6.0 + (k // 3) * 2.8 + shift + (0.7 if row % 2 else 0.0)
        d = start + row * depth + depth * 0.45
        top = F + rise * (row + 1)
        if axis == "z":
            loc, facing = (along, top + SEAT_HEIGHT, sign * d), (0.0 if sign < 0 else 180.0)
        else:
            loc, facing = (sign * d, top + SEAT_HEIGHT, along), (-90.0 if sign > 0 else 90.0)
        out.append((loc, facing, True))
    return out


def hash_name(name):
    return sum(ord(c) * (k + 1) for k, c in enumerate(name))


def group(a, name):
    from .arenas import Geometry
    mesh, female = _body_for(name)
    g = Geometry()
    out = g.mesh
    for loc, facing, seated in _places(a, name):
        pose = P.solve(SEATED if seated else STANDING)
        positions, normals = _posed(mesh, pose, sk.rot_y(facing), np.asarray(loc))
        base = len(out.positions)
        for p, n, uv in zip(positions, normals, mesh.uvs):
            out.vertex(p, n, uv)
        for (i, j, k), material in zip(mesh.faces, mesh.materials):
            out.triangle(base + i, base + j, base + k)
        # Squeeze each slot's picture into its quadrant of the atlas.
        mats = {}
        for (i, j, k), material in zip(mesh.faces, mesh.materials):
            for v in (i, j, k):
                mats[base + v] = material
        for v, material in mats.items():
            du, dv = QUADRANT[material]
            u, w = out.uvs[v]
            out.uvs[v] = (du + u * 0.5, dv + w * 0.5)
    return g, _atlas(name, female)
