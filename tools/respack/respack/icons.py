"""Small icons drawn at any square size: cursor arrows, triangles, check marks."""
from PIL import Image

from . import draw

# The mouse pointer: the tip is the sprite's left edge at its vertical middle, which is where
# the toolkit's mouse test lands (a cursor sprite is drawn half a unit above the mouse point).
ARROW = [(0.0, 0.0), (0.0, 0.86), (0.22, 0.66), (0.37, 1.0), (0.52, 0.93), (0.37, 0.6),
         (0.62, 0.6)]


def pointer(size, fill, edge, height_ratio=0.48):
    """A pointer arrow with its tip at (0, size / 2)."""
    h = size * height_ratio
    top = size / 2.0
    left = max(1.0, size / 32.0)
    points = [(left + x * h, top + y * h) for x, y in ARROW]
    outline = draw.polygon_layer(size, size, points, edge)
    outline = draw.glow(outline, max(1, size // 32), 6.0)
    inset = size / 24.0
    inner = [(left + inset * 0.8 + x * (h - 3 * inset), top + inset * 1.6 + y * (h - 3 * inset))
             for x, y in ARROW]
    image = Image.alpha_composite(draw.blank(size, size), outline)
    return Image.alpha_composite(image, draw.polygon_layer(size, size, inner, fill))


def triangle(size, direction, fill, edge=(0, 0, 0, 200), margin=0.22):
    m0, m1 = size * margin, size * (1 - margin)
    mid = size / 2.0
    shapes = {
        "left": [(m0, mid), (m1, m0), (m1, m1)],
        "right": [(m1, mid), (m0, m0), (m0, m1)],
        "up": [(mid, m0), (m1, m1), (m0, m1)],
        "down": [(mid, m1), (m0, m0), (m1, m0)],
    }
    shape = draw.polygon_layer(size, size, shapes[direction], fill)
    image = draw.glow(shape, max(1, size // 24), 4.0, edge)
    return Image.alpha_composite(image, shape)


def check_mark(size, fill, edge=(0, 0, 0, 200)):
    pts = [(0.18, 0.52), (0.30, 0.40), (0.44, 0.56), (0.74, 0.22), (0.86, 0.34), (0.44, 0.78)]
    shape = draw.polygon_layer(size, size, [(x * size, y * size) for x, y in pts], fill)
    image = draw.glow(shape, max(1, size // 24), 4.0, edge)
    return Image.alpha_composite(image, shape)


def missing_glyph(size, colour):
    pad = size * 0.2
    return draw.rounded_box(size, size, (pad, pad * 0.8, size - pad, size - pad * 0.6),
                            size * 0.08, (0, 0, 0, 0), colour, max(1.0, size / 16.0))
