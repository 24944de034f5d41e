"""The five arenas: scene meshes in world space with their pictures, light maps, the mirror of
arena 2, and the one mat body all arenas share.

Rules kept by every builder: walls and ceilings face inward only; nothing but the mat rises
above y 0.01 inside an arena's bounds plus 0.3; the match cameras' side (+z) stays low; every
scene picture is opaque and texture coordinates stay within 0..1.
"""
import zlib

import numpy as np
from PIL import Image, ImageDraw

from . import people, textart, xmesh
from .imageio import png_bytes as _png
from .output import FileSet


def png_bytes(image):
    """Big pictures compress at level 6: ten times faster than 9, 7% larger."""
    return _png(image, level=6)


ROOT = "Tavek_res\\arenas\\"
OLD_ARENA1 = "Tavek_res\\arena1\\"


class Arena:
    def __init__(self, index, s, hall, ceiling, floor, accent):
        self.index, self.s, self.hall, self.ceiling, self.floor = index, s, hall, ceiling, floor
        self.accent = accent
        if index == 2:
            self.bounds = (-11.7, 5.3, -4.7, 5.3)
        else:
            self.bounds = (-(s + 1), s + 1, -(s + 1), s + 1)


ARENAS = {
    1: Arena(1, 6.0, (-18, 18, -18, 18), 12.0, -0.05, (40, 90, 200)),
    2: Arena(2, 4.0, (-15, 7, -5, 8), 8.5, -0.05, (150, 100, 50)),
    3: Arena(3, 4.5, (-15, 15, -13, 13), 10.0, -0.05, (120, 60, 170)),
    4: Arena(4, 4.5, (-13, 13, -11, 11), 9.0, -0.05, (40, 150, 60)),
    5: Arena(5, 5.25, (-22, 22, -22, 22), 16.0, -0.93, (210, 170, 40)),
}

SCENES = {
    1: ["audience", "black", "black_beam", "blue", "blue_beam", "blue_light", "bottle", "box1",
        "box2", "camera", "camera_attach", "catwalk_tile", "chair", "flag_au", "flag_ca",
        "flag_cn", "flag_cu", "flag_eg", "flag_fr", "flag_gb", "flag_gr", "flag_ir", "flag_kr",
        "flag_large_tavek2", "flag_large_tavek", "flag_mx", "flag_se", "flag_th", "flag_tr",
        "flag_tw", "flag_us", "flag_ve", "gate", "grate", "green2", "light", "light_blue", "mat",
        "metal_beam", "metal_light", "red", "scoreboard_led", "seats", "side2", "side",
        "small_scoreboard", "spotlight", "stairs", "table", "wall_tile", "white_beam",
        "characters\\coach-male", "characters\\judge-male", "characters\\judge-female",
        "characters\\referee-male", "characters\\referee-female",
        "characters\\spectator_male_long-sleevegreen-blackpants"],
    2: ["bag1", "bag2", "black_beam", "blue_pad", "bottle", "ceiling_light", "ceiling_tile2",
        "ceiling_tile", "chair", "counter", "door_knob", "flag_kr", "flag_us", "gold",
        "gold_earth", "mat", "medal_ribbon", "medals", "metal_duct2", "metal_duct",
        "metal_duct_grill", "outside", "picture_frame", "red_pad", "silver", "sneaker",
        "soda_machine", "statue", "trophy_large", "trophy_large_gold", "trophy_stone",
        "wall_bottom", "white_beam", "white_wall", "window_frame", "wood", "wood_door",
        "wood_floor", "wood_floor"],
    3: ["audience", "black", "black_beam", "blue", "blue_beam", "blue_light", "bricks",
        "catwalk_tile", "chair", "cloth", "concrete", "concrete_fade", "court", "court_floor",
        "court_dark", "gold", "gold_earth", "laptop", "light", "light_blue", "mat",
        "medal_ribbon", "medals", "metal_beam", "metal_light", "picture_frame", "seats", "silver",
        "spotlight", "stairs", "statue", "table", "trophy_large", "trophy_large_gold",
        "trophy_stone", "wall", "wall_dark", "wall_tile", "characters\\coach-male",
        "characters\\judge-female", "characters\\judge-male", "characters\\referee-female",
        "characters\\spectator_female_Tshirtgreen",
        "characters\\spectator_male_Tshirtwhite-blackpants"],
    4: ["audience", "black", "black_beam", "blue", "blue_beam", "blue_light", "bricks",
        "catwalk_tile", "chair", "cloth", "concrete", "concrete_fade", "court", "court_floor",
        "gold", "gold_earth", "laptop", "light", "light_blue", "mat", "medal_ribbon", "medals",
        "metal_beam", "metal_light", "picture_frame", "seats", "silver", "spotlight", "stairs",
        "statue", "table", "trophy_large", "trophy_large_gold", "trophy_stone", "wall",
        "wall_dark", "wall_tile", "characters\\judge-female", "characters\\judge-male",
        "characters\\referee-female", "characters\\referee-male",
        "characters\\spectator_female_Topred-blackpants",
        "characters\\spectator_male_pologreen-lightpants"],
    5: ["audience", "black", "black_beam", "blue", "box2", "camera", "camera_attach", "chair",
        "concrete", "concrete_beam", "concrete_fade", "concrete_opening", "floor", "gold",
        "gold_earth", "light", "mat", "mat_stairs", "medal_ribbon", "medals", "metal_beam",
        "metal_light", "picture_frame", "red", "scoreboard_led", "seat_side", "seats", "side",
        "silver", "small_scoreboard", "spotlight", "stairs", "statue", "table",
        "tournament_sign", "tron", "trophy_large", "trophy_large_gold", "trophy_stone",
        "wall_dark", "wall_tile", "characters\\coach-male", "characters\\judge-female",
        "characters\\judge-male", "characters\\referee-male",
        "characters\\spectator_female_poloyellow-lightpants",
        "characters\\spectator_male_long-sleevered", "characters\\spectator_male_tshirtgreen"],
}
LIGHTMAPS = {1: 4, 2: 3, 3: 4, 4: 4, 5: 4}

FLAGS = {  # simplified national flags: (kind, colours)
    "au": ("field", [(0, 40, 120)]), "ca": ("vbands", [(210, 30, 40), (250, 250, 250), (210, 30, 40)]),
    "cn": ("field", [(220, 30, 30)]), "cu": ("hbands", [(0, 50, 150), (250, 250, 250)] * 2 + [(0, 50, 150)]),
    "eg": ("hbands", [(200, 20, 30), (250, 250, 250), (20, 20, 20)]),
    "fr": ("vbands", [(0, 40, 140), (250, 250, 250), (220, 30, 40)]),
    "gb": ("cross", [(0, 40, 120), (250, 250, 250), (200, 20, 40)]),
    "gr": ("hbands", [(20, 90, 180), (250, 250, 250)] * 4 + [(20, 90, 180)]),
    "ir": ("hbands", [(30, 150, 60), (250, 250, 250), (220, 30, 40)]),
    "kr": ("disc", [(250, 250, 250), (200, 30, 50), (0, 60, 150)]),
    "mx": ("vbands", [(0, 110, 70), (250, 250, 250), (200, 20, 40)]),
    "se": ("cross", [(0, 90, 160), (250, 200, 0), (250, 200, 0)]),
    "th": ("hbands", [(220, 30, 40), (250, 250, 250), (30, 40, 100), (30, 40, 100), (250, 250, 250), (220, 30, 40)]),
    "tr": ("disc", [(220, 20, 30), (250, 250, 250), (220, 20, 30)]),
    "tw": ("field", [(220, 20, 30)]), "us": ("hbands", [(190, 20, 40), (250, 250, 250)] * 3 + [(190, 20, 40)]),
    "ve": ("hbands", [(250, 200, 0), (0, 50, 150), (210, 20, 40)]),
}


def _rng(name):
    return np.random.default_rng(zlib.crc32(name.encode()))


# ---- geometry ----------------------------------------------------------------------------------

class Geometry:
    """A scene object's triangles, kept with the boxes they came from (for the checks)."""

    def __init__(self):
        self.mesh = xmesh.MeshData()

    def quad(self, corners, normal, uv=((0, 1), (1, 1), (1, 0), (0, 0))):
        ids = [self.mesh.vertex(c, normal, t) for c, t in zip(corners, uv)]
        p = [np.asarray(c, dtype=np.float64) for c in corners]
        if np.dot(np.cross(p[1] - p[0], p[2] - p[0]), normal) < 0:
            ids = ids[::-1]
        self.mesh.quad(*ids)

    def rect(self, centre, u, v, uv=None):
        """A one-sided rectangle centre +- u +- v, facing u x v."""
        c, u, v = (np.asarray(a, dtype=np.float64) for a in (centre, u, v))
        n = np.cross(u, v)
        self.quad([c - u - v, c + u - v, c + u + v, c - u + v], n / np.linalg.norm(n),
                  uv or ((0, 1), (1, 1), (1, 0), (0, 0)))

    def box(self, lo, hi, faces="xyzXYZ"):
        lo, hi = np.asarray(lo, dtype=np.float64), np.asarray(hi, dtype=np.float64)
        c, h = (lo + hi) / 2, (hi - lo) / 2
        for k, letter in enumerate("xyz"):
            for sign, key in ((-1, letter), (1, letter.upper())):
                if key not in faces:
                    continue
                n = np.zeros(3)
                n[k] = sign
                if k == 1:  # tops and bottoms
                    u, v = np.array((h[0], 0.0, 0.0)), np.array((0.0, 0.0, h[2]))
                    if np.dot(np.cross(u, v), n) < 0:
                        u = -u
                else:       # sides: pictures read upright and left to right from outside
                    v = np.array((0.0, h[1], 0.0))
                    u = np.cross((0.0, 1.0, 0.0), n) * h[2 - k]
                    self.rect(c + n * h[k], u, v, uv=((1, 1), (0, 1), (0, 0), (1, 0)))
                    continue
                self.rect(c + n * h[k], u, v)

    def tiled_floor(self, x0, x1, z0, z1, y, tile):
        """A floor facing up, split into quads of about `tile` so textures repeat."""
        nx, nz = max(1, int(round((x1 - x0) / tile))), max(1, int(round((z1 - z0) / tile)))
        xs, zs = np.linspace(x0, x1, nx + 1), np.linspace(z0, z1, nz + 1)
        for i in range(nx):
            for j in range(nz):
                self.quad([(xs[i], y, zs[j + 1]), (xs[i + 1], y, zs[j + 1]), (xs[i + 1], y, zs[j]),
                           (xs[i], y, zs[j])], (0, 1, 0))

    def tiled_wall(self, a, b, y0, y1, tile, inward):
        """A vertical wall from a to b (x, z) and y0..y1, facing `inward`."""
        a, b = np.array((a[0], 0, a[1]), dtype=np.float64), np.array((b[0], 0, b[1]), dtype=np.float64)
        length = np.linalg.norm(b - a)
        n = max(1, int(round(length / tile)))
        m = max(1, int(round((y1 - y0) / tile)))
        for i in range(n):
            p0, p1 = a + (b - a) * i / n, a + (b - a) * (i + 1) / n
            for j in range(m):
                ya, yb = y0 + (y1 - y0) * j / m, y0 + (y1 - y0) * (j + 1) / m
                self.quad([p0 + (0, ya, 0), p1 + (0, ya, 0), p1 + (0, yb, 0), p0 + (0, yb, 0)],
                          inward)

    def ceiling(self, x0, x1, z0, z1, y, tile):
        nx, nz = max(1, int(round((x1 - x0) / tile))), max(1, int(round((z1 - z0) / tile)))
        xs, zs = np.linspace(x0, x1, nx + 1), np.linspace(z0, z1, nz + 1)
        for i in range(nx):
            for j in range(nz):
                self.quad([(xs[i], y, zs[j]), (xs[i + 1], y, zs[j]), (xs[i + 1], y, zs[j + 1]),
                           (xs[i], y, zs[j + 1])], (0, -1, 0))


# ---- pictures ----------------------------------------------------------------------------------

def solid(colour, size=64, grain=6, name="solid"):
    rng = _rng(name + str(colour))
    a = np.ones((size, size, 3)) * np.array(colour, dtype=np.float64)
    a += rng.normal(0, grain, (size, size, 1))
    return Image.fromarray(np.clip(a, 0, 255).astype(np.uint8), "RGB").convert("RGBA")


def tiles(colour, line, size=128, count=4, name="tiles"):
    img = solid(colour, size, 4, name)
    d = ImageDraw.Draw(img)
    step = size // count
    for k in range(0, size + 1, step):
        d.line([(k, 0), (k, size)], fill=line, width=2)
        d.line([(0, k), (size, k)], fill=line, width=2)
    return img


def bricks(colour, size=128):
    img = solid(colour, size, 8, "bricks")
    d = ImageDraw.Draw(img)
    mortar = (200, 195, 185)
    for row in range(8):
        y = row * 16
        d.line([(0, y), (size, y)], fill=mortar, width=2)
        off = 16 if row % 2 else 0
        for x in range(off, size + 32, 32):
            d.line([(x, y), (x, y + 16)], fill=mortar, width=2)
    return img


def wood(colour, size=128, name="wood"):
    rng = _rng(name)
    a = np.ones((size, size, 3)) * np.array(colour, dtype=np.float64)
    ys = np.arange(size)
    a *= (1 + 0.08 * np.sin(ys / 3.0 + rng.random() * 6))[:, None, None]
    for k in range(0, size, 16):
        a[k:k + 1] *= 0.7
    return Image.fromarray(np.clip(a, 0, 255).astype(np.uint8), "RGB").convert("RGBA")


def text_banner(text, colour, ink, width=512, height=128, outline=True):
    img = Image.new("RGBA", (width, height), tuple(colour) + (255,))
    d = ImageDraw.Draw(img)
    size = int(height * 0.55)
    face = textart.font(textart.SANS_BOLD, size)
    while d.textlength(text, font=face) > width * 0.9 and size > 8:
        size -= 2
        face = textart.font(textart.SANS_BOLD, size)
    w = d.textlength(text, font=face)
    d.text(((width - w) / 2, (height - size) / 2 - size * 0.1), text, font=face, fill=ink)
    if outline:
        d.rectangle([0, 0, width - 1, height - 1], outline=ink, width=4)
    return img


def flag(code, width=96, height=64):
    kind, colours = FLAGS[code]
    img = Image.new("RGBA", (width, height), tuple(colours[0]) + (255,))
    d = ImageDraw.Draw(img)
    if kind == "hbands":
        n = len(colours)
        for k, c in enumerate(colours):
            d.rectangle([0, k * height / n, width, (k + 1) * height / n], fill=c)
    elif kind == "vbands":
        n = len(colours)
        for k, c in enumerate(colours):
            d.rectangle([k * width / n, 0, (k + 1) * width / n, height], fill=c)
    elif kind == "cross":
        d.rectangle([0, height * 0.4, width, height * 0.6], fill=colours[1])
        d.rectangle([width * 0.3, 0, width * 0.42, height], fill=colours[1])
        d.rectangle([0, height * 0.45, width, height * 0.55], fill=colours[2])
    elif kind == "disc":
        r = height * 0.25
        d.ellipse([width / 2 - r, height / 2 - r, width / 2 + r, height / 2 + r], fill=colours[1])
        d.pieslice([width / 2 - r, height / 2 - r, width / 2 + r, height / 2 + r], 180, 360,
                   fill=colours[2])
    else:
        d.rectangle([0, 0, width * 0.4, height * 0.5], fill=(250, 250, 250))
    return img


def crowd(seed, size=256, rows=4):
    rng = _rng("crowd%s" % seed)
    img = solid((40, 40, 48), size, 3, "crowdbase")
    d = ImageDraw.Draw(img)
    shirts = [(200, 40, 40), (40, 80, 200), (240, 240, 240), (40, 150, 60), (230, 200, 40),
              (30, 30, 30), (150, 80, 170), (240, 140, 40)]
    skins = [(236, 198, 170), (212, 168, 126), (184, 134, 94), (112, 74, 50)]
    h = size / rows
    for r in range(rows):
        x = rng.uniform(0, 8)
        while x < size:
            w = rng.uniform(14, 20)
            top = r * h + rng.uniform(6, 12)
            shirt = shirts[rng.integers(len(shirts))]
            d.rectangle([x, top + 14, x + w, r * h + h], fill=shirt)
            sk = skins[rng.integers(len(skins))]
            d.ellipse([x + w / 2 - 6, top, x + w / 2 + 6, top + 14], fill=sk)
            d.rectangle([x + w / 2 - 6, top, x + w / 2 + 6, top + 4], fill=(30, 25, 20))
            x += w + rng.uniform(2, 6)
    return img


def mat_picture(s, size=256):
    img = Image.new("RGBA", (size, size), (200, 35, 35, 255))
    d = ImageDraw.Draw(img)
    inner = size * s / (s + 1.0)
    lo, hi = (size - inner) / 2, (size + inner) / 2
    d.rectangle([lo, lo, hi, hi], fill=(30, 80, 200))
    for k in range(1, 8):  # the foam tiles' seams
        t = lo + (hi - lo) * k / 8
        d.line([(t, lo), (t, hi)], fill=(26, 70, 180), width=1)
        d.line([(lo, t), (hi, t)], fill=(26, 70, 180), width=1)
    c = size // 2  # the centre mark: a small cross of white tape
    d.line([(c - 5, c), (c + 5, c)], fill=(235, 235, 235), width=1)
    d.line([(c, c - 5), (c, c + 5)], fill=(235, 235, 235), width=1)
    return img


# ---- scene objects -----------------------------------------------------------------------------

def build_object(a, name):
    """(Geometry, picture) of one scene name in arena a."""
    g = Geometry()
    s, F = a.s, a.floor
    x0, x1, z0, z1 = a.hall
    m = s + 1.0
    if name == "mat":
        g.quad([(-m, 0, m), (m, 0, m), (m, 0, -m), (-m, 0, -m)], (0, 1, 0))
        g.box((-m, -0.05, -m), (m, 0.0, m), faces="xzXZ")
        return g, mat_picture(s)
    if name == "mat_stairs":  # arena 5's podium with steps on the four sides
        p = s + 3.0
        g.box((-p, F, -p), (p, -0.05, p), faces="xzXZY")
        for k in range(3):
            e = p + 0.6 * (k + 1)
            top = -0.05 - 0.29 * (k + 1)
            g.box((-e, F, -e), (e, top, e), faces="xzXZY")
        return g, tiles((60, 60, 66), (90, 90, 96), name="stairs5")
    if name in ("black", "floor", "wood_floor", "court_floor", "concrete"):
        if name == "concrete" and a.index == 5:  # the concrete structure under the stands
            for sx in (-1, 1):
                g.box((sx * 13.6 - 0.4, F, -20), (sx * 13.6 + 0.4, 2.5, 20))
            return g, solid((130, 130, 128), 64, 10, "concrete")
        y = F
        if name == "concrete":
            for band in ((x0, x0 + 2.0), (x1 - 2.0, x1)):
                g.tiled_floor(band[0], band[1], z0, z1, y + 0.002, 4.0)
            return g, solid((140, 140, 138), 64, 10, "concrete")
        g.tiled_floor(x0, x1, z0, z1, y, 3.0)
        if name == "black":
            g.ceiling(x0, x1, z0, z1, a.ceiling, 6.0)
            return g, solid((22, 22, 26), 32, 3, "black")
        if name == "wood_floor":
            return g, wood((176, 128, 80))
        if name == "court_floor":
            return g, wood((200, 160, 100), name="court")
        return g, tiles((70, 70, 78), (55, 55, 60), name="floor5")
    if name in ("green2", "grate", "court_dark", "concrete_fade"):
        r = {"green2": m + 0.8, "grate": m + 2.6, "court_dark": m + 1.5, "concrete_fade": m + 3.5}[name]
        width = 0.6 if name != "court_dark" else 1.0
        y = (0.0 if a.floor > -0.5 else F) - 0.04 + 0.003
        if a.index == 5:
            y = F + 0.003
            r += 3.5
        for sx, sz in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            if sx:
                g.tiled_floor(sx * r - width / 2, sx * r + width / 2, -r, r, y, 4.0)
            else:
                g.tiled_floor(-r + width / 2, r - width / 2, sz * r - width / 2, sz * r + width / 2,
                              y, 4.0)
        colour = {"green2": (40, 120, 60), "grate": (60, 62, 66), "court_dark": (120, 60, 40),
                  "concrete_fade": (110, 110, 108)}[name]
        return g, tiles(colour, tuple(int(c * 0.7) for c in colour), name=name)
    if name == "court":  # painted court lines (thin strips)
        y = F + 0.004
        for lo, hi in (((-12, -11.9), (-9, 9)), ((11.9, 12), (-9, 9))):
            g.tiled_floor(lo[0], lo[1], hi[0], hi[1], y, 20)
        for zz in (-9, 9):
            g.tiled_floor(-12, 12, zz - 0.05, zz + 0.05, y, 30)
        g.tiled_floor(-0.05, 0.05, -9, -m - 0.5, y, 30)
        g.tiled_floor(-0.05, 0.05, m + 0.5, 9, y, 30)
        return g, solid((240, 240, 240), 16, 2, "court")
    if name in ("wall_tile", "wall", "bricks", "white_wall", "wall_dark", "wall_bottom"):
        lo, hi = F, a.ceiling
        if name == "wall_bottom":
            hi = F + 1.0
        elif name in ("wall", "white_wall"):
            lo = F + 1.0 if a.index == 2 else F + 2.5
        elif name == "wall_dark":
            hi = F + 2.5 if a.index != 5 else F + 3.0
        elif name == "bricks":
            lo = F + 2.5
            hi = a.ceiling * 0.5
        walls = [((x0, z0), (x1, z0), (0, 0, 1)), ((x1, z0), (x1, z1), (-1, 0, 0)),
                 ((x1, z1), (x0, z1), (0, 0, -1)), ((x0, z1), (x0, z0), (1, 0, 0))]
        if a.index == 2:
            walls = walls[:2] + walls[3:]  # the +z wall left out
        if name == "bricks":
            lo, hi = a.ceiling * 0.5, a.ceiling
        for p, q, n in walls:
            g.tiled_wall(p, q, lo, hi, 3.0, n)
        pictures = {"wall_tile": tiles((90, 96, 110), (70, 74, 86), name="walltile"),
                    "wall": solid((200, 196, 186), 64, 4, "wall"),
                    "bricks": bricks((150, 70, 50)),
                    "white_wall": solid((236, 234, 228), 64, 3, "white"),
                    "wall_dark": solid((50, 52, 60), 64, 4, "wdark"),
                    "wall_bottom": wood((120, 80, 50), name="wallbottom")}
        return g, pictures[name]
    if name in ("ceiling_tile", "ceiling_tile2", "ceiling_light"):
        if name == "ceiling_tile":
            g.ceiling(x0, -8, z0, z1, a.ceiling, 2.0)
            g.ceiling(-8, x1, z0, z1, a.ceiling, 2.0)
            return g, tiles((225, 225, 220), (190, 190, 185), name="ceil")
        if name == "ceiling_tile2":
            g.ceiling(-14, -9, -4, 7, a.ceiling - 0.3, 2.0)
            return g, tiles((205, 205, 200), (170, 170, 165), name="ceil2")
        for cx in (-13.5, -10.5):
            for cz in (-2, 2, 6):
                g.ceiling(cx - 0.6, cx + 0.6, cz - 0.3, cz + 0.3, a.ceiling - 0.32, 2.0)
        return g, solid((255, 255, 236), 16, 1, "clight")
    if name in ("metal_duct", "metal_duct2", "metal_duct_grill"):
        if name == "metal_duct":
            g.box((-15, a.ceiling - 1.2, 1.0), (-8.5, a.ceiling - 0.6, 1.6))
        elif name == "metal_duct2":
            g.box((-12.2, a.ceiling - 1.2, -4.5), (-11.6, a.ceiling - 0.6, 7.5))
        else:
            g.box((-9.0, a.ceiling - 1.25, 1.05), (-8.6, a.ceiling - 1.2, 1.55))
        return g, tiles((170, 172, 176), (140, 142, 146), count=8, name=name)
    if name in ("catwalk_tile",):
        for sx in (-1, 1):
            y = min(9.0, a.ceiling - 1.5)
            g.box((sx * 11 - 0.8, y, -11), (sx * 11 + 0.8, y + 0.15, 11))
        return g, tiles((80, 82, 88), (50, 52, 56), count=8, name=name)
    if name in ("metal_beam", "black_beam", "blue_beam", "white_beam", "concrete_beam"):
        colour = {"metal_beam": (150, 152, 156), "black_beam": (30, 30, 34),
                  "blue_beam": a.accent if a.index != 2 else (40, 80, 190),
                  "white_beam": (230, 230, 230), "concrete_beam": (130, 130, 128)}[name]
        top = a.ceiling - 0.8
        k = ("metal_beam", "black_beam", "blue_beam", "white_beam", "concrete_beam").index(name)
        if a.index == 2:  # only over the -x end of the dojang
            x = -14.0 + k * 0.8
            g.box((x - 0.15, a.ceiling - 0.5, -5), (x + 0.15, a.ceiling - 0.1, 8))
        else:
            half = min(x1, z1) - 1.0
            off = max(half - k * 1.2, s + 4.6)   # never over the top camera's column
            y0, y1 = top - 0.3 - 0.4 * k, top - 0.4 * k
            for sx in (-1, 1):
                g.box((sx * off - 0.15, y0, -half), (sx * off + 0.15, y1, half))
                # the cameras' side keeps its sky clear: no beam across it near the mat
                if sx < 0 or off >= s + 8.5:
                    g.box((-half, y0, sx * off - 0.15), (half, y1, sx * off + 0.15))
        return g, solid(colour, 32, 5, name)
    if name in ("light", "light_blue", "blue_light", "metal_light", "spotlight"):
        k = ("light", "light_blue", "blue_light", "metal_light", "spotlight").index(name)
        colour = [(235, 235, 225), (120, 170, 255), (60, 100, 220), (160, 160, 165), (40, 40, 44)][k]
        y = min(a.ceiling - 1.5, 10.5)
        if a.index == 2:
            spots = [(-13.5 + 0.5 * k, -3.0 + 3.0 * i) for i in range(3)]
        else:
            spots = [(sx * (x1 - 1.5), z0 + 2.0 + (k * 2.0 + i * 6.0) % (z1 - z0 - 4.0))
                     for sx in (-1, 1) for i in range(2)]
            spots += [(-x1 + 3.0 + (k * 2.5 + i * 7.0) % (2 * x1 - 6.0), z0 + 1.5) for i in range(2)]
        for cx, cz in spots:
            g.box((cx - 0.3, y - 0.5, cz - 0.3), (cx + 0.3, y, cz + 0.3))
        return g, solid(colour, 16, 3, name)
    if name in ("seats", "stairs", "audience", "seat_side"):
        return _stands(a, name, g)
    if name in ("side", "side2"):
        d = s + 1.6
        h = 0.5
        t = 0.03
        # The side boards run the whole length, corners included; the end boards stop at their
        # inner faces, so no two boards share a face or overlap.
        if name == "side":
            for sx in (-1, 1):
                _board(g, (sx * d - t, F, -d - t), (sx * d + t, F + h, d + t), "xXzZ")
        else:
            for sz in (-1, 1):
                _board(g, (-d + t, F, sz * d - t), (d - t, F + h, sz * d + t), "zZ")
        if a.index == 5:
            g = Geometry()
            p = s + 3.0 + 2.0
            for sx in (-1, 1):
                _board(g, (sx * p - t, F, -p), (sx * p + t, F + 1.0, p), "xXzZ")
        return g, text_banner("BRENNOCK", (20, 30, 60), (240, 240, 250), 512, 64, outline=False)
    if name in ("table", "chair", "small_scoreboard", "laptop", "bottle", "box1", "box2"):
        return _officials(a, name, g)
    if name in ("blue", "red"):
        sx = 1 if name == "blue" else -1
        x = sx * (s + 2.5)
        y = F if a.index != 5 else -0.05
        g.box((x - 0.25, y, -0.25), (x + 0.25, y + 0.45, 0.25))
        g.box((x - 0.6, y, -0.6), (x + 0.6, y + 0.01, 0.6), faces="Y")
        return g, solid((30, 80, 200) if name == "blue" else (200, 35, 35), 32, 4, name)
    if name in ("camera", "camera_attach"):
        base = (s + 4.5, F, s + 3.0)
        if name == "camera_attach":
            g.box((base[0] - 0.1, F, base[2] - 0.1), (base[0] + 0.1, F + 1.6, base[2] + 0.1))
            g.box((base[0] - 0.5, F, base[2] - 0.5), (base[0] + 0.5, F + 0.1, base[2] + 0.5))
            return g, solid((40, 40, 44), 16, 3, name)
        g.box((base[0] - 0.2, F + 1.6, base[2] - 0.35), (base[0] + 0.2, F + 1.95, base[2] + 0.25))
        g.box((base[0] - 0.08, F + 1.7, base[2] - 0.5), (base[0] + 0.08, F + 1.85, base[2] - 0.35))
        return g, solid((60, 60, 66), 16, 3, name)
    if name.startswith("flag_large"):
        k = 1 if name.endswith("2") else -1
        g.rect((k * (x1 - 0.2), 7.0, 0.0), (0, 0, -k * 3.0), (0, 2.0, 0))
        return g, text_banner("BRENNOCK", (20, 40, 120) if k > 0 else (150, 20, 30), (255, 255, 255))
    if name.startswith("flag_"):
        code = name[5:]
        codes = sorted(FLAGS)
        i = codes.index(code)
        if a.index == 2:
            x = -14.9
            z = -2.0 + 4 * (code == "us")
            g.rect((x, 4.0, z), (0, 0, -0.7), (0, 0.45, 0))
        else:
            ang = np.radians(-70 + i * 140.0 / (len(codes) - 1))
            r = z1 - 0.3
            cx, cz = r * np.sin(ang), -r * np.cos(ang)
            side = np.array((np.cos(ang), 0, np.sin(ang)))
            inward = -np.array((cx, 0, cz)) / r
            if np.dot(np.cross(side, (0, 1, 0)), inward) < 0:
                side = -side
            g.rect((cx, 8.0, cz), side * 0.9, (0, 0.6, 0))
        return g, flag(code)
    if name == "gate":
        g.rect((x0 + 0.05, 1.6, 8.0), (0, 0, -2.0), (0, 1.6, 0))
        return g, tiles((70, 70, 76), (40, 40, 44), count=6, name="gate")
    if name == "scoreboard_led":
        z = z0 + 0.5 if a.index == 1 else z0 + 2.0
        y = 8.5 if a.index == 1 else 11.0
        g.box((-4, y - 1.5, z - 0.3), (4, y + 1.5, z))
        return g, text_banner("BLUE  0 : 0  RED", (10, 10, 14), (255, 200, 60), 512, 192)
    if name == "tron":
        g.box((-6, 9.0, z0 + 1.5), (6, 14.0, z0 + 2.0))
        img = text_banner("BRENNOCK", (10, 20, 60), (120, 200, 255), 512, 256)
        return g, img
    if name == "tournament_sign":
        g.box((-8, 14.2, z0 + 1.6), (8, 15.4, z0 + 2.0))
        return g, text_banner("WORLD CHAMPIONSHIP", (120, 90, 10), (255, 240, 200), 1024, 96)
    if name == "concrete_opening":
        for sx in (-1, 1):
            g.rect((sx * (x1 - 0.05), 1.5, 0.0), (0, 0, sx * 2.5), (0, 2.4, 0))
        return g, solid((15, 15, 18), 32, 2, "opening")
    if name in ("gold", "gold_earth", "silver", "medals", "medal_ribbon", "picture_frame",
                "statue", "trophy_large", "trophy_large_gold", "trophy_stone"):
        return _trophies(a, name, g)
    if name in ("counter", "wood", "soda_machine", "sneaker", "bag1", "bag2", "blue_pad",
                "red_pad", "cloth", "outside", "window_frame", "wood_door", "door_knob"):
        return _furniture(a, name, g)
    if name.startswith("characters\\"):
        return people.group(a, name[len("characters\\"):])
    raise KeyError("no builder for %s" % name)


def _board(g, lo, hi, faces):
    """A perimeter board: the banner on the given sides, and a plain top in the banner's ground
    colour (a thin top showing the whole banner squeezed would sparkle)."""
    g.box(lo, hi, faces=faces)
    hx, hz = (hi[0] - lo[0]) / 2, (hi[2] - lo[2]) / 2
    ground = ((0.02, 0.5),) * 4
    g.rect(((lo[0] + hi[0]) / 2, hi[1], (lo[2] + hi[2]) / 2), (0.0, 0.0, hz), (hx, 0.0, 0.0), uv=ground)


def _stands(a, name, g):
    x0, x1, z0, z1 = a.hall
    F = a.floor
    if a.index == 2:
        raise KeyError(name)
    if a.index == 1:
        sides = [("x", 1, 12.5), ("x", -1, 12.5), ("z", -1, 12.5), ("z", 1, 14.0)]
        rows, depth, rise = 7, 0.75, 0.8
    elif a.index == 3:
        sides = [("x", 1, 9.5), ("x", -1, 9.5)]
        rows, depth, rise = 6, 0.8, 0.45
    elif a.index == 4:
        sides = [("x", -1, 9.0)]
        rows, depth, rise = 5, 0.8, 0.45
    else:
        sides = [("x", 1, 14.0), ("x", -1, 14.0), ("z", -1, 14.0), ("z", 1, 15.0)]
        rows, depth, rise = 8, 0.8, 0.85
    span = {1: 11.0, 3: 8.0, 4: 7.0, 5: 13.0}[a.index]
    for axis, sign, start in sides:
        edge = (x1 if sign > 0 else -x0) if axis == "x" else (z1 if sign > 0 else -z0)
        side_rows = min(rows, int((edge - 0.3 - start) / depth))
        for r in range(side_rows):
            near = start + r * depth
            top = F + rise * (r + 1)
            half = span if name != "stairs" else 0.5
            if name == "seats":
                lo, hi = _oriented(axis, sign, near, near + depth, -span, span, F, top)
                g.box(lo, hi, faces=_open_faces(axis, sign))
            elif name == "stairs":
                for c in (-span * 0.5, span * 0.5):
                    lo, hi = _oriented(axis, sign, near, near + depth, c - half, c + half, top,
                                       top + 0.02)
                    g.box(lo, hi, faces="Y")
            elif name == "seat_side":
                for c in (-span - 0.3, span + 0.3):
                    lo, hi = _oriented(axis, sign, near, near + depth, c - 0.3, c + 0.3, F,
                                       top + 0.3)
                    g.box(lo, hi)
            else:  # audience: the seated crowd painted on a panel behind each row
                centre_d = near + depth * 0.7
                h = rise * 1.1
                for c0 in np.arange(-span, span, 4.0):
                    c1 = min(c0 + 4.0, span)
                    if axis == "x":
                        p = (sign * centre_d, top + h / 2, (c0 + c1) / 2)
                        u = (0, 0, (c1 - c0) / 2 * sign)
                    else:
                        p = ((c0 + c1) / 2, top + h / 2, sign * centre_d)
                        u = ((c1 - c0) / 2 * -sign, 0, 0)
                    g.rect(p, u, (0, h / 2, 0), uv=((0, (r % 4 + 1) / 4.0), (1, (r % 4 + 1) / 4.0),
                                                     (1, (r % 4) / 4.0), (0, (r % 4) / 4.0)))
    if name == "seats":
        return g, tiles((60, 66, 80), (40, 44, 54), count=4, name="seats")
    if name == "stairs":
        return g, tiles((150, 150, 150), (90, 90, 90), count=4, name="stairs")
    if name == "seat_side":
        return g, solid((90, 90, 96), 32, 4, "seat_side")
    return g, crowd(a.index)


def _oriented(axis, sign, d0, d1, c0, c1, y0, y1):
    if axis == "x":
        xs = sorted((sign * d0, sign * d1))
        return (xs[0], y0, c0), (xs[1], y1, c1)
    zs = sorted((sign * d0, sign * d1))
    return (c0, y0, zs[0]), (c1, y1, zs[1])


def _open_faces(axis, sign):
    """A stand row shows its top and the face toward the mat."""
    if axis == "x":
        return "Y" + ("x" if sign > 0 else "X")
    return "Y" + ("z" if sign > 0 else "Z")


def _officials(a, name, g):
    s, F = a.s, a.floor
    z = -(s + 3.0) if a.index != 2 else 6.8
    if a.index == 5:
        z = -(s + 6.5)
    if name == "table":
        g.box((-2.0, F + 0.7, z - 0.4), (2.0, F + 0.76, z + 0.4))
        # The front panel faces the mat and hides the seated judges' legs behind it.
        front = 1.0 if z < 0 else -1.0
        g.box((-2.0, F, z + front * 0.34 - 0.02), (2.0, F + 0.7, z + front * 0.34 + 0.02))
        return g, wood((90, 60, 40), name="table")
    if name == "chair":
        xs = (-1.2, 0.0, 1.2) if a.index != 2 else (-1.0, 1.0)
        zc = z - 0.8 if a.index != 2 else z
        for x in xs:
            g.box((x - 0.22, F + 0.42, zc - 0.22), (x + 0.22, F + 0.47, zc + 0.22))
            g.box((x - 0.22, F + 0.47, zc - 0.24), (x + 0.22, F + 0.95, zc - 0.2))
            for dx in (-0.18, 0.18):
                for dz in (-0.18, 0.18):
                    g.box((x + dx - 0.02, F, zc + dz - 0.02), (x + dx + 0.02, F + 0.42, zc + dz + 0.02))
        return g, solid((50, 50, 60), 16, 3, "chair")
    top = F + 0.76
    if name == "small_scoreboard":
        g.box((-0.5, top, z - 0.3), (0.5, top + 0.45, z - 0.2))
        return g, text_banner("0 : 0", (10, 10, 12), (255, 80, 40), 256, 128)
    if name == "laptop":
        g.box((0.8, top, z - 0.2), (1.2, top + 0.02, z + 0.1))
        g.box((0.8, top, z - 0.22), (1.2, top + 0.28, z - 0.2))
        return g, solid((40, 40, 46), 16, 3, "laptop")
    if name == "bottle":
        x, zz = (1.6, z) if a.index != 2 else (-10.0, 7.2)
        y = top if a.index != 2 else 1.0 + F
        g.box((x - 0.04, y, zz - 0.04), (x + 0.04, y + 0.25, zz + 0.04))
        return g, solid((80, 150, 220), 16, 3, "bottle")
    k = 1 if name == "box1" else 2
    g.box((-1.6 + 0.3 * k, top, z - 0.1), (-1.35 + 0.3 * k, top + 0.12, z + 0.15))
    return g, solid((200, 190, 160) if k == 1 else (150, 120, 80), 16, 3, name)


def _trophies(a, name, g):
    F = a.floor
    if a.index == 2:
        base = (-11.0, F + 1.0, 7.2)     # on the counter by the +z edge beyond the bounds
        along = np.array((1.0, 0, 0))
    else:
        x0, x1, z0, z1 = a.hall
        base = (6.0, F + 1.0, z0 + 0.5)  # the cabinet on the far wall
        along = np.array((1.0, 0, 0))
    names = ["gold", "gold_earth", "silver", "medals", "medal_ribbon", "picture_frame", "statue",
             "trophy_large", "trophy_large_gold", "trophy_stone"]
    k = names.index(name)
    c = np.array(base) + along * (k * 0.45 - 2.0)
    colours = {"gold": (220, 180, 40), "gold_earth": (200, 160, 60), "silver": (200, 200, 210),
               "medals": (230, 190, 60), "medal_ribbon": (40, 80, 190), "picture_frame": (110, 70, 40),
               "statue": (190, 190, 180), "trophy_large": (210, 210, 220),
               "trophy_large_gold": (230, 190, 50), "trophy_stone": (120, 120, 115)}
    if name == "picture_frame":
        y = F + 2.4
        if a.index == 2:
            g.rect((-14.95, y, 4.0), (0, 0, -0.6), (0, 0.45, 0))
        else:
            g.rect((c[0], y, a.hall[2] + 0.05), (0.6, 0, 0), (0, 0.45, 0))
        return g, text_banner("1ST", (240, 230, 210), (110, 70, 40), 128, 96)
    h = 0.2 + 0.1 * (k % 4)
    g.box((c[0] - 0.1, c[1], c[2] - 0.1), (c[0] + 0.1, c[1] + h, c[2] + 0.1))
    g.box((c[0] - 0.14, c[1] + h, c[2] - 0.14), (c[0] + 0.14, c[1] + h + 0.1, c[2] + 0.14))
    if a.index != 2 and k == 0:  # the cabinet shelf under the display
        g.box((base[0] - 2.4, F, base[2] - 0.3), (base[0] + 2.4, base[1], base[2] + 0.3))
    return g, solid(colours[name], 16, 8, name)


def _furniture(a, name, g):
    F = a.floor
    if name == "counter":
        g.box((-12.6, F, 6.9), (-9.4, F + 1.0, 7.6))
        return g, wood((140, 100, 60), name="counter")
    if name == "wood":  # wall panelling along the -x end
        g.tiled_wall((-14.98, -5), (-14.98, 8), F + 1.0, F + 2.0, 3.0, (1, 0, 0))
        return g, wood((160, 110, 70), name="panel")
    if name == "soda_machine":
        g.box((-14.8, F, 5.0), (-14.0, F + 1.8, 6.0))
        return g, text_banner("SODA", (190, 20, 30), (255, 255, 255), 128, 256)
    if name == "sneaker":
        for k in range(3):
            g.box((6.0 + 0.1 * k, F, 3.3 + 0.35 * k), (6.3 + 0.1 * k, F + 0.1, 3.42 + 0.35 * k))
        return g, solid((230, 230, 235), 16, 5, "sneaker")
    if name in ("bag1", "bag2"):
        x = -13.2 if name == "bag1" else -14.0
        g.box((x - 0.2, F + 0.6, -2.2), (x + 0.2, F + 1.9, -1.8))
        g.box((x - 0.02, F + 1.9, -2.02), (x + 0.02, a.ceiling, -1.98))
        return g, solid((150, 30, 30) if name == "bag1" else (30, 30, 35), 32, 6, name)
    if name in ("blue_pad", "red_pad"):
        z = -3.5 if name == "blue_pad" else -3.0
        g.box((-13.8, F, z), (-12.8, F + 0.15, z + 0.4))
        return g, solid((40, 80, 190) if name == "blue_pad" else (190, 35, 35), 16, 4, name)
    if name == "cloth":
        for k in range(3):
            x = -6.0 + k * 6.0
            g.rect((x, a.ceiling - 2.5, a.hall[2] + 0.08), (0.8, 0, 0), (0, 1.6, 0))
        return g, text_banner("CHAMPIONS", (20, 30, 80), (255, 220, 80), 256, 512)
    if name == "outside":
        for z in (-1.5, 3.5):
            g.rect((-15.3, 3.5, z), (0, 0, -1.2), (0, 1.2, 0))
        img = solid((150, 200, 240), 128, 3, "sky")
        d = ImageDraw.Draw(img)
        d.rectangle([0, 80, 128, 128], fill=(70, 120, 60))
        return g, img
    if name == "window_frame":
        for z in (-1.5, 3.5):
            for lo, hi in (((-15.0, 2.2, z - 1.3), (-14.9, 2.35, z + 1.3)),
                           ((-15.0, 4.65, z - 1.3), (-14.9, 4.8, z + 1.3)),
                           ((-15.0, 2.2, z - 1.3), (-14.9, 4.8, z - 1.2)),
                           ((-15.0, 2.2, z + 1.2), (-14.9, 4.8, z + 1.3))):
                g.box(lo, hi)
        return g, solid((240, 240, 240), 16, 3, "frame")
    if name == "wood_door":
        g.rect((6.98, F + 1.05, 2.5), (0, 0, 0.5), (0, 1.05, 0))
        return g, wood((120, 80, 50), name="door")
    if name == "door_knob":
        g.box((6.9, F + 1.0, 2.15), (6.97, F + 1.07, 2.22))
        return g, solid((200, 170, 60), 16, 5, "knob")
    raise KeyError(name)


def mirror():
    g = Geometry()
    g.rect((-3.0, 1.4, -4.98), (7.0, 0, 0), (0, 1.2, 0))
    picture = solid((200, 210, 220), 64, 2, "mirror")
    alpha = Image.new("RGBA", (64, 64), (128, 128, 128, 255))
    return g, picture, alpha


def lightmap(a, k):
    """Light map k: a grey copy of a floor, wall or stand surface, lit in the middle."""
    g = Geometry()
    x0, x1, z0, z1 = a.hall
    F = a.floor
    size = 128
    yy, xx = np.mgrid[0:size, 0:size] / (size - 1.0)
    if k == 1:   # the hall floor, bright under the lights, darker in the corners
        g.tiled_floor(x0, x1, z0, z1, F + 0.001, max(x1 - x0, z1 - z0))
        r = np.hypot(xx - 0.5, yy - 0.5) * 2
        value = 1.0 - 0.45 * np.clip(r - 0.3, 0, 1)
    elif k == 2:  # the far wall
        g.tiled_wall((x0, z0 + 0.01), (x1, z0 + 0.01), F, a.ceiling, 100.0, (0, 0, 1))
        value = 0.55 + 0.45 * (1 - yy) * (1 - np.abs(xx - 0.5))
    elif k == 3:  # the side walls
        g.tiled_wall((x0 + 0.01, z1), (x0 + 0.01, z0), F, a.ceiling, 100.0, (1, 0, 0))
        if a.index != 2:
            g.tiled_wall((x1 - 0.01, z0), (x1 - 0.01, z1), F, a.ceiling, 100.0, (-1, 0, 0))
        value = 0.6 + 0.4 * (1 - yy)
    else:         # the ceiling
        g.ceiling(x0, x1, z0, z1, a.ceiling - 0.001, max(x1 - x0, z1 - z0))
        value = 0.55 + 0.2 * (1 - np.hypot(xx - 0.5, yy - 0.5))
    grey = np.clip(value * 255, 0, 255).astype(np.uint8)
    img = Image.fromarray(np.stack([grey] * 3, axis=-1), "RGB").convert("RGBA")
    return g, img


def mat_body():
    e = 14.0
    v = [(-e, -0.93, -e), (e, -0.93, -e), (e, -0.93, e), (-e, -0.93, e),
         (-e, 0.0, -e), (e, 0.0, -e), (e, 0.0, e), (-e, 0.0, e)]
    faces = [(0, 1, 2), (0, 2, 3), (4, 6, 5), (4, 7, 6), (0, 4, 5), (0, 5, 1), (1, 5, 6),
             (1, 6, 2), (2, 6, 7), (2, 7, 3), (3, 7, 4), (3, 4, 0)]
    lines = ["ply", "format ascii 1.0", "comment the mat: a box under every arena, top at y 0",
             "element vertex 8", "property float x", "property float y", "property float z",
             "element face 12", "property list uchar int vertex_indices", "end_header"]
    lines += ["%s %s %s" % tuple(xmesh.num(c) for c in p) for p in v]
    lines += ["3 %d %d %d" % f for f in faces]
    ply = ("\n".join(lines) + "\n").encode("ascii")
    pol = b"pol 1\n# the half space below the mat's top, so nothing falls through\n" \
          b"plane 0 1 0 0\nfriction 1.0\nbounce 0.05\n"
    return ply, pol


def _add_mesh(files, path, geometry, picture, copies=()):
    data = xmesh.static_mesh(geometry.mesh, path.split("\\")[-1][:-1] + "png")
    png = png_bytes(picture)
    for p in (path,) + tuple(copies):
        files.add(p, data)
        files.add(p[:-1] + "png", png)


def make(index):
    a = ARENAS[index]
    folder = ROOT + "arena%d\\" % index
    files = FileSet()
    done = set()
    for name in SCENES[index]:
        if name in done:
            continue
        done.add(name)
        geometry, picture = build_object(a, name)
        copies = ()
        if index == 1 and not name.startswith("characters\\"):
            copies = (OLD_ARENA1 + name + ".x",)
        _add_mesh(files, folder + name + ".x", geometry, picture, copies)
    for k in range(1, LIGHTMAPS[index] + 1):
        geometry, picture = lightmap(a, k)
        copies = (OLD_ARENA1 + "lightmap%d.x" % k,) if index == 1 else ()
        _add_mesh(files, folder + "lightmap%d.x" % k, geometry, picture, copies)
    if index == 2:
        geometry, picture, alpha = mirror()
        _add_mesh(files, folder + "mirror.x", geometry, picture)
        files.add(folder + "mirror_alpha.png", png_bytes(alpha))
    if index == 1:
        ply, pol = mat_body()
        for folder_name in (ROOT, OLD_ARENA1):
            files.add(folder_name + "mat_0.93.ply", ply)
            files.add(folder_name + "mat_0.93.pol", pol)
    return files


def jobs():
    return [("arenas", "make", k) for k in sorted(ARENAS)]
