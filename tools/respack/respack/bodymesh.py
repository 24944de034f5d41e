"""The nine display meshes of the fighters: rounded low-poly bodies skinned to the skeleton.

Four materials in slot order: 0 clothes (uniform), 1 protector (trunk shell and head guard),
2 skin (head, neck, hands, feet, ponytail), 3 belt. All meshes share one texture layout per
slot (LAYOUT), so any fighter texture fits any mesh. Bone positions never change between
builds; only girth and shape do.
"""
import numpy as np

from . import xmesh
from .output import FileSet

CLOTHES, PROTECTOR, SKIN, BELT = range(4)
FOLDER = "Tavek_res\\skinmeshes\\textures\\"

# (u0, v0, u1, v1) of each piece in its slot's picture.
LAYOUT = {
    "jacket": (0.0, 0.0, 0.5, 0.5), "collar": (0.0, 0.94, 1.0, 1.0),
    "sleeve_L": (0.5, 0.0, 0.75, 0.5), "sleeve_R": (0.75, 0.0, 1.0, 0.5),
    "leg_L": (0.0, 0.5, 0.5, 0.94), "leg_R": (0.5, 0.5, 1.0, 0.94),
    "trunk": (0.0, 0.0, 1.0, 0.62), "guard": (0.0, 0.62, 1.0, 1.0),
    "head": (0.0, 0.0, 1.0, 0.5), "neck": (0.0, 0.5, 1.0, 0.56),
    "hand": (0.0, 0.56, 0.5, 0.72), "foot": (0.5, 0.56, 1.0, 0.72),
    "hair": (0.0, 0.9, 1.0, 1.0),
    "belt": (0.0, 0.0, 1.0, 0.6), "knot": (0.0, 0.6, 0.5, 1.0), "tails": (0.5, 0.6, 1.0, 1.0),
}
HEAD_TOP = 1.15
HEAD_V_SPAN = 0.22   # the head region runs from y 1.15 (v 0) down to y 0.93 (v 0.5)

# (file, female, build factor, ponytail, starting skin)
TYPES = [
    ("male\\male_heavy.x", False, 1.18, False, "w_d_skin.png"),
    ("male\\male_light.x", False, 0.86, False, "w_d_skin.png"),
    ("male\\male_middle.x", False, 1.0, False, "w_b_skin.png"),
    ("female\\female_heavy.x", True, 1.18, False, "w_skin.png"),
    ("female\\female_light.x", True, 0.86, False, "w_skin.png"),
    ("female\\female_middle.x", True, 1.0, False, "w_skin.png"),
    ("female\\female_heavy_ponytail.x", True, 1.18, True, "w_skin.png"),
    ("female\\female_light_ponytail.x", True, 0.86, True, "w_skin.png"),
    ("female\\female_middle_ponytail.x", True, 1.0, True, "w_skin.png"),
]


def starting_textures(index):
    """The four starting texture names (slot order) of body type `index`, in its own folder."""
    _, female, _, _, skin = TYPES[index]
    protector = "female_protection_blue.png" if female else "protection_blue.png"
    return ["clothes.png", protector, skin, "belt_black.png"]


def _unit(v):
    v = np.asarray(v, dtype=np.float64)
    return v / np.linalg.norm(v)


def _region_uv(region, u, v):
    u0, v0, u1, v1 = LAYOUT[region]
    return (u0 + (u1 - u0) * u, v0 + (v1 - v0) * v)


class Ring:
    def __init__(self, centre, along, front, width, depth, weights, v, bulge=None):
        self.centre = np.asarray(centre, dtype=np.float64)
        self.along = _unit(along)
        f = np.asarray(front, dtype=np.float64)
        f = f - np.dot(f, self.along) * self.along
        self.front = _unit(f)
        self.side = np.cross(self.along, self.front)
        self.width, self.depth, self.weights, self.v = width, depth, weights, v
        self.bulge = bulge  # optional f(theta) -> extra radius


DETAIL = [1.0]  # fewer sides for the crowd's people


def tube(mesh, rings, material, region, sides=10, start_cap=False, end_cap=False,
         theta=(-np.pi, np.pi)):
    sides = max(4, int(round(sides * DETAIL[0])))
    grid = []
    for ring in rings:
        ids = []
        for s in range(sides + 1):
            th = theta[0] + (theta[1] - theta[0]) * s / sides
            direction = np.sin(th) * ring.side * ring.width + np.cos(th) * ring.front * ring.depth
            extra = ring.bulge(th) if ring.bulge else 0.0
            normal = _unit(np.sin(th) * ring.side / max(ring.width, 1e-4) +
                           np.cos(th) * ring.front / max(ring.depth, 1e-4))
            point = ring.centre + direction + normal * extra
            u = (th + np.pi) / (2 * np.pi)
            ids.append(mesh.vertex(point, normal, _region_uv(region, u, ring.v), ring.weights))
        grid.append(ids)
    for r in range(len(grid) - 1):
        for s in range(sides):
            mesh.quad(grid[r][s], grid[r][s + 1], grid[r + 1][s + 1], grid[r + 1][s], material)
    for cap, ring, ids, sign in ((start_cap, rings[0], grid[0], -1), (end_cap, rings[-1], grid[-1], 1)):
        if not cap:
            continue
        tip = ring.centre + ring.along * sign * 0.6 * min(ring.width, ring.depth)
        centre = mesh.vertex(tip, ring.along * sign, _region_uv(region, 0.5, ring.v), ring.weights)
        for s in range(sides):
            mesh.triangle(centre, ids[s], ids[s + 1], material)


def box(mesh, centre, size, material, region, weights, turn=np.eye(3)):
    centre = np.asarray(centre, dtype=np.float64)
    half = np.asarray(size, dtype=np.float64) / 2
    for axis in range(3):
        for sign in (-1, 1):
            n = np.zeros(3)
            n[axis] = sign
            a, b = [k for k in range(3) if k != axis]
            ids = []
            for da, db in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
                p = n * half
                p = p.copy()
                p[a] = da * half[a]
                p[b] = db * half[b]
                ids.append(mesh.vertex(centre + turn @ p, turn @ n,
                                       _region_uv(region, (da + 1) / 2, (db + 1) / 2), weights))
            mesh.quad(*ids, material=material)


def orient(mesh):
    """Turns every triangle so that its winding agrees with its vertices' normals."""
    p = np.array(mesh.positions)
    n = np.array(mesh.normals)
    corners = np.array(mesh.faces).reshape(-1, 3)
    a, b, c = corners[:, 0], corners[:, 1], corners[:, 2]
    face_normal = np.cross(p[b] - p[a], p[c] - p[a])
    vertex_normal = n[a] + n[b] + n[c]
    flip = (face_normal[:, 0] * vertex_normal[:, 0] + face_normal[:, 1] * vertex_normal[:, 1] +
            face_normal[:, 2] * vertex_normal[:, 2]) < 0
    mesh.faces = [(i, k, j) if turn else (i, j, k)
                  for (i, j, k), turn in zip(corners.tolist(), flip.tolist())]


def W(*pairs):
    total = sum(w for _, w in pairs)
    return [(b, w / total) for b, w in pairs if w > 0]


def _legs(mesh, g, hips):
    for side, s in (("L", -1.0), ("R", 1.0)):
        x = 0.09 * s
        thigh, calf, foot, toe = ("Bip01_%s_%s" % (side, n) for n in ("Thigh", "Calf", "Foot",
                                                                        "Toe0"))
        specs = [(0.30, 0.095 * hips, W(("Bip01_Spine", 0.5), (thigh, 0.5)), 0.0),
                 (0.18, 0.090 * g, W((thigh, 1.0)), 0.15),
                 (0.02, 0.078 * g, W((thigh, 1.0)), 0.35),
                 (-0.14, 0.068 * g, W((thigh, 0.5), (calf, 0.5)), 0.55),
                 (-0.32, 0.072 * g, W((calf, 1.0)), 0.75),
                 (-0.50, 0.070 * g, W((calf, 1.0)), 0.92),
                 (-0.56, 0.068 * g, W((calf, 0.7), (foot, 0.3)), 1.0)]
        rings = [Ring((x + s * 0.01 * (k == 0), y, 0), (0, -1, 0), (0, 0, 1), r, r * 1.05, w, v)
                 for k, (y, r, w, v) in enumerate(specs)]
        tube(mesh, rings, CLOTHES, "leg_" + side)
        # Foot: heel to toes along +z.
        fs = [(-0.07, -0.615, 0.035, 0.030, W((foot, 1.0)), 0.0),
              (-0.03, -0.605, 0.042, 0.045, W((foot, 1.0)), 0.25),
              (0.05, -0.620, 0.046, 0.032, W((foot, 1.0)), 0.55),
              (0.12, -0.630, 0.044, 0.022, W((foot, 0.5), (toe, 0.5)), 0.8),
              (0.18, -0.635, 0.036, 0.015, W((toe, 1.0)), 1.0)]
        frings = [Ring((x, y, z), (0, 0, 1), (0, 1, 0), wd * g ** 0.3, dp, w, v)
                  for z, y, wd, dp, w, v in fs]
        tube(mesh, frings, SKIN, "foot", sides=8, start_cap=True, end_cap=True)


def _torso(mesh, g, female):
    shoulders = 0.9 if female else 1.0
    waist = 0.85 if female else 1.0
    hips = 1.1 if female else 1.0
    spine, spine1, spine2 = "Bip01_Spine", "Bip01_Spine1", "Bip01_Spine2"
    sections = [(0.16, 0.15 * hips, 0.10, W((spine, 1.0)), 0.0),
                (0.27, 0.15 * hips, 0.105, W((spine, 1.0)), 0.15),
                (0.40, 0.13 * waist, 0.095, W((spine, 0.6), (spine1, 0.4)), 0.35),
                (0.52, 0.14 * waist, 0.100, W((spine1, 1.0)), 0.5),
                (0.64, 0.16 * shoulders, 0.105, W((spine1, 0.4), (spine2, 0.6)), 0.68),
                (0.76, 0.17 * shoulders, 0.095, W((spine2, 1.0)), 0.85),
                (0.85, 0.16 * shoulders, 0.075, W((spine2, 1.0)), 1.0)]
    rings = [Ring((0, y, 0.0), (0, 1, 0), (0, 0, 1), wd * g, dp * g, w, v)
             for y, wd, dp, w, v in sections]
    tube(mesh, rings, CLOTHES, "jacket", sides=14, start_cap=True)
    collar = [Ring((0, 0.85, 0), (0, 1, 0), (0, 0, 1), 0.16 * shoulders * g, 0.075 * g,
                   W((spine2, 1.0)), 0.0),
              Ring((0, 0.90, 0.0), (0, 1, 0), (0, 0, 1), 0.07 * g ** 0.5, 0.06 * g ** 0.5,
                   W((spine2, 0.8), ("Bip01_Head", 0.2)), 1.0)]
    tube(mesh, collar, CLOTHES, "collar", sides=14)
    # The trunk protector: a shell from the armpits to the belt.
    chest = (lambda th: 0.025 * max(0.0, np.cos(th)) ** 2) if female else None
    shell = [(0.36, 0.135 * waist, 0.10, W((spine, 0.5), (spine1, 0.5)), 1.0),
             (0.52, 0.145 * waist, 0.108, W((spine1, 1.0)), 0.6),
             (0.64, 0.165 * shoulders, 0.115, W((spine1, 0.4), (spine2, 0.6)), 0.3),
             (0.74, 0.165 * shoulders, 0.105, W((spine2, 1.0)), 0.0)]
    srings = [Ring((0, y, 0.005), (0, 1, 0), (0, 0, 1), wd * g + 0.02, dp * g + 0.02, w, v,
                   bulge=chest if 0.5 < y < 0.7 else None)
              for y, wd, dp, w, v in shell]
    tube(mesh, srings, PROTECTOR, "trunk", sides=14)
    # The belt with its knot and two tails.
    belt = [Ring((0, 0.300, 0), (0, 1, 0), (0, 0, 1), 0.15 * hips * g + 0.012, 0.105 * g + 0.012,
                 W((spine, 1.0)), 1.0),
            Ring((0, 0.345, 0), (0, 1, 0), (0, 0, 1), 0.14 * hips * g + 0.012, 0.10 * g + 0.012,
                 W((spine, 1.0)), 0.0)]
    tube(mesh, belt, BELT, "belt", sides=14)
    front = 0.105 * g + 0.02
    box(mesh, (0, 0.322, front), (0.05, 0.04, 0.025), BELT, "knot", W((spine, 1.0)))
    for s in (-1, 1):
        box(mesh, (0.03 * s, 0.24, front - 0.002), (0.028, 0.13, 0.008), BELT, "tails",
            W((spine, 1.0)))


def _arms(mesh, g, female):
    hand_scale = 0.93 if female else 1.0
    for side, s in (("L", -1.0), ("R", 1.0)):
        upper, fore, hand = ("Bip01_%s_%s" % (side, n) for n in ("UpperArm", "Forearm", "Hand"))
        along = (s, 0, 0)
        specs = [(0.13, 0.075, W(("Bip01_Spine2", 0.6), (upper, 0.4)), 0.0),
                 (0.20, 0.065, W(("Bip01_Spine2", 0.2), (upper, 0.8)), 0.12),
                 (0.33, 0.058, W((upper, 1.0)), 0.35),
                 (0.48, 0.052, W((upper, 0.5), (fore, 0.5)), 0.6),
                 (0.62, 0.052, W((fore, 1.0)), 0.82),
                 (0.72, 0.050, W((fore, 0.8), (hand, 0.2)), 1.0)]
        rings = [Ring((x * s, 0.82 - (0.015 if k == 0 else 0.0), 0), along, (0, 0, 1),
                      r * g, r * g * (1.1 if k == 0 else 1.0), w, v)
                 for k, (x, r, w, v) in enumerate(specs)]
        tube(mesh, rings, CLOTHES, "sleeve_" + side)
        # Fist: a rounded mitten over the hand and the finger bones.
        h = hand_scale * g ** 0.3
        f2, f21 = "Bip01_%s_Finger2" % side, "Bip01_%s_Finger21" % side
        mitt = [(0.715, 0.038, 0.030, W((fore, 0.3), (hand, 0.7)), 0.0),
                (0.76, 0.044, 0.026, W((hand, 1.0)), 0.3),
                (0.82, 0.046, 0.022, W((hand, 1.0)), 0.55),
                (0.86, 0.044, 0.020, W((hand, 0.3), (f2, 0.7)), 0.75),
                (0.90, 0.040, 0.018, W((f21, 1.0)), 1.0)]
        hrings = [Ring((0.74 * s + (x - 0.74) * s * h, 0.82, 0.0), along, (0, -1, 0),
                       wd * h, dp * h, w, v) for x, wd, dp, w, v in mitt]
        tube(mesh, hrings, SKIN, "hand", sides=8, end_cap=True)
        t0, t01 = "Bip01_%s_Finger0" % side, "Bip01_%s_Finger01" % side
        thumb = [Ring((0.77 * s, 0.80, 0.035), (0.04 * s, 0, 0.02), (0, 1, 0), 0.013 * h,
                      0.012 * h, W((t0, 1.0)), 0.0),
                 Ring((0.81 * s, 0.80, 0.055), (0.04 * s, 0, 0.02), (0, 1, 0), 0.011 * h,
                      0.010 * h, W((t01, 1.0)), 1.0)]
        tube(mesh, thumb, SKIN, "hand", sides=6, end_cap=True)


def _head_radius(y, female):
    t = (y - 1.04) / 0.115
    scale = np.sqrt(max(0.0, 1.0 - t * t))
    jaw = 0.82 if female else 0.88
    if y < 1.0:
        scale *= jaw + (1 - jaw) * (y - 0.955) / 0.045
    return 0.083 * scale, 0.097 * scale


def _head(mesh, female, ponytail):
    head = "Bip01_Head"
    neck = [Ring((0, 0.88, 0.0), (0, 1, 0), (0, 0, 1), 0.05, 0.05,
                 W(("Bip01_Spine2", 1.0)), 0.0),
            Ring((0, 0.99, 0.0), (0, 1, 0), (0, 0, 1), 0.045, 0.045, W((head, 1.0)), 1.0)]
    tube(mesh, neck, SKIN, "neck", sides=10)

    def face(y):
        def bulge(th):
            extra = 0.0
            if abs(th) < 0.25 and 1.0 < y < 1.05:           # nose
                extra += 0.018 * (1 - abs(th) / 0.25) * (1 - abs(y - 1.02) / 0.03)
            if abs(th) < 0.9 and 1.06 < y < 1.085:          # brow
                extra += 0.006
            if abs(abs(th) - np.pi / 2) < 0.2 and 1.0 < y < 1.06:  # ears
                extra += 0.012
            return max(extra, 0.0)
        return bulge
    ys = [0.955, 0.975, 0.995, 1.01, 1.025, 1.04, 1.055, 1.07, 1.085, 1.10, 1.115, 1.13, 1.142]
    rings = []
    for y in ys:
        wd, dp = _head_radius(y, female)
        v = (HEAD_TOP - y) / HEAD_V_SPAN
        rings.append(Ring((0, y, 0.01), (0, 1, 0), (0, 0, 1), max(wd, 0.01), max(dp, 0.01),
                          W((head, 1.0)), v, bulge=face(y)))
    tube(mesh, rings, SKIN, "head", sides=16, start_cap=True, end_cap=True)
    # Head guard: a dome over the skull, open over the face.
    guard = []
    for k, y in enumerate((1.0, 1.03, 1.06, 1.09)):
        wd, dp = _head_radius(y, female)
        guard.append(Ring((0, y, 0.005), (0, 1, 0), (0, 0, 1), wd + 0.018, dp + 0.018,
                          W((head, 1.0)), k / 6.0))
    tube(mesh, guard, PROTECTOR, "guard", sides=12, theta=(0.75, 2 * np.pi - 0.75))
    dome = []
    for k, y in enumerate((1.09, 1.11, 1.13, 1.148, 1.16)):
        wd, dp = _head_radius(min(y, 1.15), female)
        dome.append(Ring((0, y, 0.005), (0, 1, 0), (0, 0, 1), max(wd, 0.02) + 0.018,
                         max(dp, 0.02) + 0.018, W((head, 1.0)), 0.5 + k / 8.0))
    tube(mesh, dome, PROTECTOR, "guard", sides=14, end_cap=True)
    if ponytail:
        pts = [(0, 1.10, -0.10), (0, 1.06, -0.135), (0, 1.0, -0.15), (0, 0.94, -0.155),
               (0, 0.88, -0.155), (0, 0.83, -0.15), (0, 0.79, -0.14)]
        radii = [0.035, 0.034, 0.030, 0.026, 0.022, 0.017, 0.010]
        prings = []
        for k, (p, r) in enumerate(zip(pts, radii)):
            a = np.subtract(pts[min(k + 1, 6)], pts[max(k - 1, 0)])
            prings.append(Ring(p, a, (0, 0, -1), r, r * 0.8, W((head, 1.0)), k / 6.0))
        tube(mesh, prings, SKIN, "hair", sides=8, end_cap=True)


def body(index, detail=1.0):
    _, female, build, ponytail, _ = TYPES[index]
    DETAIL[0] = detail
    mesh = xmesh.MeshData()
    hips = 1.1 if female else 1.0
    _torso(mesh, build, female)
    _legs(mesh, build, hips)
    _arms(mesh, build, female)
    _head(mesh, female, ponytail)
    DETAIL[0] = 1.0
    orient(mesh)
    return mesh


def make(index):
    files = FileSet()
    name = TYPES[index][0]
    files.add(FOLDER + name, xmesh.skinned_mesh(body(index), starting_textures(index)))
    return files


def jobs():
    return [("bodymesh", "make", k) for k in range(len(TYPES))]
