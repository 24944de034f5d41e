"""Every fighter texture: 24 skins, the protectors, six belts and five uniforms.

All pictures follow the one layout per slot of bodymesh.LAYOUT and are fully opaque.
"""
import zlib

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from .bodymesh import HEAD_TOP, HEAD_V_SPAN, LAYOUT
from .imageio import png_bytes as _png
from .output import FileSet


def png_bytes(image):
    """Big pictures compress at level 6: ten times faster than 9, 7% larger."""
    return _png(image, level=6)


T = "Tavek_res\\skinmeshes\\textures\\"
MALE_SKINS = ["a_skin", "a_skin_goatee", "b_skin", "b_skin_goatee", "b_skin_mustache", "h_skin",
              "h_skin_goatee", "h_skin_mustache", "w_b_skin", "w_b_skin_stubble", "w_d_skin",
              "w_d_skin_goatee"]
FEMALE_SKINS = ["a_b_skin", "a_p_skin", "a_skin", "b_skin", "b_skin_braids", "h_b_skin",
                "h_br_skin", "h_skin", "w_b_skin", "w_br_skin", "w_r_skin", "w_skin"]
TONES = {"w": (236, 198, 170), "a": (212, 168, 126), "h": (184, 134, 94), "b": (112, 74, 50)}
HAIR = {"": (28, 22, 20), "d": (62, 40, 26), "b": (214, 178, 104), "br": (112, 70, 38),
        "r": (158, 62, 30), "p": (232, 226, 208)}
BLUE = (30, 80, 200)
RED = (200, 35, 35)
BELTS = {"white": (238, 238, 232), "yellow": (236, 200, 40), "green": (40, 150, 60),
         "blue": (40, 80, 190), "red": (190, 30, 30), "black": (22, 22, 24)}
SIZE = 512


def _rng(name):
    return np.random.default_rng(zlib.crc32(name.encode()))


def _img(array):
    return Image.fromarray(np.clip(np.rint(array), 0, 255).astype(np.uint8), "RGB").convert("RGBA")


def _region_px(region, width, height):
    u0, v0, u1, v1 = LAYOUT[region]
    return int(u0 * width), int(v0 * height), int(u1 * width), int(v1 * height)


def _head_row(y):
    return (HEAD_TOP - y) / HEAD_V_SPAN * 0.5 * SIZE


def _head_col(theta):
    return (theta + np.pi) / (2 * np.pi) * SIZE


def parse_skin(name):
    parts = name.split("_")
    tone = parts[0]
    hair = parts[1] if parts[1] != "skin" else ""
    extra = parts[-1] if parts[-1] not in ("skin",) else ""
    return tone, hair, extra


def skin(name, female):
    return png_bytes(skin_image(name, female))


def skin_image(name, female):
    """The skin picture (face, hair, hands, feet) of a skin texture's name."""
    tone, hair, extra = parse_skin(name)
    rng = _rng(name + str(female))
    base = np.array(TONES[tone], dtype=np.float64)
    hair_colour = np.array(HAIR[hair], dtype=np.float64)
    a = np.ones((SIZE, SIZE, 3)) * base
    a += rng.normal(0, 2.5, (SIZE, SIZE, 1))
    img = _img(a)
    d = ImageDraw.Draw(img)
    dark = tuple(int(c * 0.72) for c in base)
    shade = tuple(int(c * 0.86) for c in base)
    cx = SIZE / 2
    hc = tuple(int(c) for c in hair_colour)
    # Hair: the crown all round, the back and sides down to the nape (short cut).
    hairline = _head_row(1.095 if not female else 1.10)
    d.rectangle([0, 0, SIZE, hairline], fill=hc)
    back = _head_row(0.99 if not female else 0.97)
    for left, right in ((0, _head_col(-1.45)), (_head_col(1.45), SIZE)):
        d.rectangle([left, 0, right, back], fill=hc)
    for side in (-1, 1):  # temples
        d.polygon([(_head_col(side * 1.45), back), (_head_col(side * 1.45), hairline),
                   (_head_col(side * 0.95), hairline), (_head_col(side * 1.2), _head_row(1.06))],
                  fill=hc)
    if female:  # a fringe and longer sides
        d.pieslice([cx - 70, hairline - 25, cx + 70, hairline + 22], 0, 180, fill=hc)
    if extra == "braids":  # braided rows over the crown and down the back, never the face
        for k in range(0, SIZE, 18):
            bottom = back if (k < _head_col(-1.45) or k > _head_col(1.45)) else hairline
            d.line([(k, 0), (k, bottom)], fill=tuple(int(c * 0.6) for c in hc), width=5)
    # Ears.
    for side in (-1, 1):
        ex = _head_col(side * np.pi / 2)
        d.ellipse([ex - 12, _head_row(1.06), ex + 12, _head_row(1.0)], fill=shade, outline=dark)
    # Eyes, brows, nose, mouth: large enough to read from the match camera.
    eye_row = _head_row(1.05)
    for side in (-1, 1):
        ex = cx + side * 31
        d.ellipse([ex - 11, eye_row - 6, ex + 11, eye_row + 6], fill=(245, 245, 240))
        d.ellipse([ex - 5, eye_row - 5, ex + 5, eye_row + 5], fill=(70, 50, 35))
        d.ellipse([ex - 2, eye_row - 2, ex + 2, eye_row + 2], fill=(10, 10, 10))
        d.line([(ex - 12, eye_row - 6), (ex + 12, eye_row - 6)], fill=dark, width=2)
        brow_row = _head_row(1.073)
        width = 3 if female else 6
        brow = tuple(int(c * 0.8) for c in hc) if hair in ("b", "p") else hc
        d.line([(ex - 13, brow_row + (2 if side < 0 else 0)),
                (ex + 13, brow_row + (0 if side < 0 else 2))], fill=brow, width=width)
    nose_top, nose_tip = _head_row(1.045), _head_row(1.012)
    d.polygon([(cx - 4, nose_top), (cx + 4, nose_top), (cx + 10, nose_tip), (cx - 10, nose_tip)],
              fill=shade)
    d.line([(cx - 9, nose_tip), (cx + 9, nose_tip)], fill=dark, width=3)
    mouth = _head_row(0.985)
    lips = (176, 80, 80) if female else tuple(int(c * 0.7) for c in base)
    if female:
        d.ellipse([cx - 18, mouth - 7, cx + 18, mouth + 7], fill=lips)
        d.line([(cx - 17, mouth), (cx + 17, mouth)], fill=(110, 40, 40), width=2)
    else:
        d.line([(cx - 16, mouth), (cx + 16, mouth)], fill=lips, width=4)
    if extra in ("goatee", "mustache"):
        d.rectangle([cx - 20, mouth - 12, cx + 20, mouth - 5], fill=hc)
        if extra == "goatee":
            d.polygon([(cx - 16, mouth + 6), (cx + 16, mouth + 6), (cx + 8, _head_row(0.955)),
                       (cx - 8, _head_row(0.955))], fill=hc)
    a = np.asarray(img.convert("RGB"), dtype=np.float64)
    if extra == "stubble":
        rows = slice(int(mouth - 16), int(_head_row(0.95)))
        cols = slice(int(_head_col(-1.2)), int(_head_col(1.2)))
        dots = rng.random(a[rows, cols].shape[:2]) < 0.35
        patch = a[rows, cols]
        patch[dots] *= 0.75
        a[rows, cols] = patch
    # Cheek and chin shading, and a darker jaw line.
    jaw = int(_head_row(0.96))
    a[jaw:int(_head_row(0.93))] *= 0.92
    # Hands: knuckle lines; feet: toe lines.
    x0, y0, x1, y1 = _region_px("hand", SIZE, SIZE)
    for k in range(1, 4):
        a[y0 + (y1 - y0) * k // 4, x0:x1] *= 0.85
    x0, y0, x1, y1 = _region_px("foot", SIZE, SIZE)
    for k in range(1, 5):
        a[y0 + (y1 - y0) * 4 // 5:y1, x0 + (x1 - x0) * k // 5] *= 0.8
    x0, y0, x1, y1 = _region_px("hair", SIZE, SIZE)
    a[y0:y1, x0:x1] = hair_colour + rng.normal(0, 6, (y1 - y0, x1 - x0, 1))
    for k in range(x0, x1, 9):
        a[y0:y1, k] *= 0.8
    return _img(a).filter(ImageFilter.SMOOTH)


def clothes(kind, female):
    rng = _rng("clothes%d%d" % (kind, female))
    base = np.array((244, 244, 240)) if kind != 3 else np.array((236, 230, 212))
    a = np.ones((SIZE, SIZE, 3)) * base
    xs = np.arange(SIZE)
    folds = 0.035 * np.sin(xs / 23.0) + 0.02 * np.sin(xs / 7.3 + 1.0)
    a *= (1 - folds)[None, :, None]
    a += rng.normal(0, 2.0, (SIZE, SIZE, 1))
    trim = {2: (25, 25, 25), 4: (30, 70, 190), 5: (190, 30, 30)}.get(kind)
    x0, y0, x1, y1 = _region_px("collar", SIZE, SIZE)
    collar = trim if kind == 2 else (trim or tuple(int(c * 0.92) for c in base))
    a[y0:y1, x0:x1] = collar
    if trim:
        for region in ("sleeve_L", "sleeve_R"):
            x0, y0, x1, y1 = _region_px(region, SIZE, SIZE)
            a[y1 - 12:y1, x0:x1] = trim
        x0, y0, x1, y1 = _region_px("jacket", SIZE, SIZE)
        a[y0:y0 + 10, x0:x1] = trim
    # Seams down the outside of the trousers.
    for region in ("leg_L", "leg_R"):
        x0, y0, x1, y1 = _region_px(region, SIZE, SIZE)
        for u in (0.25, 0.75):
            a[y0:y1, x0 + int((x1 - x0) * u)] *= 0.85
    return png_bytes(_img(a))


def protector(colour, female):
    w, h = 512, 256
    a = np.ones((h, w, 3)) * np.array(colour, dtype=np.float64)
    x0, y0, x1, y1 = _region_px("trunk", w, h)
    # A soft vertical shading round the trunk and white piping along the edges.
    shade = 0.85 + 0.15 * np.cos((np.arange(w) / w - 0.5) * 2 * np.pi) ** 2
    a[y0:y1] *= shade[None, :, None]
    a[y0:y0 + 6] = (245, 245, 245)
    a[y1 - 6:y1] = (245, 245, 245)
    a[y0:y1, 0:5] = (245, 245, 245)
    a[y0:y1, w - 5:w] = (245, 245, 245)
    if female:
        for side in (-1, 1):
            cx = w / 2 + side * 38
            yy, xx = np.mgrid[y0:y1, 0:w]
            d = ((xx - cx) / 40.0) ** 2 + ((yy - (y0 + (y1 - y0) * 0.55)) / 24.0) ** 2
            a[y0:y1][d < 1] *= 0.82
    img = _img(a)
    dr = ImageDraw.Draw(img)
    cx, cy = w / 2, y0 + (y1 - y0) * 0.38
    dr.ellipse([cx - 30, cy - 30, cx + 30, cy + 30], fill=(245, 245, 245))
    dr.ellipse([cx - 22, cy - 22, cx + 22, cy + 22], outline=tuple(colour), width=3)
    gx0, gy0, gx1, gy1 = _region_px("guard", w, h)
    dr.rectangle([gx0, gy0, gx1, gy0 + 5], fill=(245, 245, 245))
    for k in range(gx0, gx1, 64):
        dr.line([(k, gy0 + 10), (k, gy1)], fill=tuple(int(c * 0.8) for c in colour), width=3)
    return png_bytes(img)


def belt(colour):
    w, h = 256, 64
    a = np.ones((h, w, 3)) * np.array(colour, dtype=np.float64)
    x0, y0, x1, y1 = _region_px("belt", w, h)
    for frac in (0.25, 0.5, 0.75):
        a[y0 + int((y1 - y0) * frac), x0:x1] *= 0.82 if sum(colour) > 200 else 1.6
    a[y0:y0 + 2] *= 0.8
    a[y1 - 2:y1] *= 0.8
    if sum(colour) < 100:  # the black belt's gold bar on the tails
        tx0, ty0, tx1, ty1 = _region_px("tails", w, h)
        a[ty1 - 8:ty1 - 4, tx0:tx1] = (200, 160, 50)
    return png_bytes(_img(a))


def _entries():
    """(game paths, painter) of every texture, in a fixed order."""
    out = []
    for name in MALE_SKINS:
        out.append(([T + "male\\" + name + ".png"], lambda n=name: skin(n, False)))
    for name in FEMALE_SKINS:
        out.append(([T + "female\\" + name + ".png"], lambda n=name: skin(n, True)))
    out.append(([T + "protection_blue.png", T + "male\\protection_blue.png"],
                lambda: protector(BLUE, False)))
    out.append(([T + "protection_red.png"], lambda: protector(RED, False)))
    out.append(([T + "female\\female_protection_blue.png"], lambda: protector(BLUE, True)))
    out.append(([T + "female\\female_protection_red.png"], lambda: protector(RED, True)))
    for name, colour in BELTS.items():
        paths = [T + "belt_%s.png" % name]
        if name == "black":
            paths += [T + "male\\belt_black.png", T + "female\\belt_black.png"]
        out.append((paths, lambda c=colour: belt(c)))
    for folder, female in (("male\\", False), ("female\\", True)):
        for kind in range(1, 6):
            suffix = "" if kind == 1 else str(kind)
            out.append(([T + folder + "clothes%s.png" % suffix],
                        lambda k=kind, f=female: clothes(k, f)))
    return out


PARTS = 8


def make(part):
    files = FileSet()
    for paths, paint in _entries()[part::PARTS]:
        data = paint()
        for path in paths:
            files.add(path, data)
    return files


def jobs():
    return [("fightertex", "make", k) for k in range(PARTS)]
