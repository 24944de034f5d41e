"""Rendered text for pictures: captions, titles and match banners (DejaVu fonts)."""
import os

from PIL import Image, ImageDraw, ImageFont

from . import draw

FONT_DIR = os.environ.get("RESPACK_FONT_DIR", "/usr/share/fonts/truetype/dejavu")
SANS = "DejaVuSans.ttf"
SANS_BOLD = "DejaVuSans-Bold.ttf"
SANS_BOLD_OBLIQUE = "DejaVuSans-BoldOblique.ttf"
CONDENSED_BOLD = "DejaVuSansCondensed-Bold.ttf"
CONDENSED_BOLD_OBLIQUE = "DejaVuSansCondensed-BoldOblique.ttf"

_cache = {}


def font(name, size):
    key = (name, int(size))
    if key not in _cache:
        path = os.path.join(FONT_DIR, name)
        if not os.path.exists(path):
            raise FileNotFoundError("font not found: %s (install fonts-dejavu-core)" % path)
        _cache[key] = ImageFont.truetype(path, int(size), layout_engine=ImageFont.Layout.BASIC)
    return _cache[key]


def measure(text, face, size, stroke=0, spacing=0):
    """(width, height, left, top) of the ink box of a text at a size, stroke included."""
    f = font(face, size)
    box = ImageDraw.Draw(Image.new("L", (1, 1))).multiline_textbbox(
        (0, 0), text, font=f, stroke_width=stroke, spacing=spacing, align="center")
    return box[2] - box[0], box[3] - box[1], box[0], box[1]


def fit_size(text, face, width, height, stroke_ratio=0.0, spacing_ratio=0.1, fill=0.86):
    """Largest font size whose ink box (stroke included) fits fill x the width and height."""
    low, high = 4, 2048
    while low < high:
        mid = (low + high + 1) // 2
        stroke = int(round(mid * stroke_ratio))
        w, h, _, _ = measure(text, face, mid, stroke, int(mid * spacing_ratio))
        if w <= width * fill and h <= height * fill:
            low = mid
        else:
            high = mid - 1
    return low


def text_mask(text, face, size, width, height, stroke=0, spacing=0, align="center", margin=0):
    """L masks (fill, stroke) of text placed in a width x height box, centred vertically."""
    f = font(face, size)
    w, h, left, top = measure(text, face, size, stroke, spacing)
    if align == "left":
        x = margin - left
    elif align == "right":
        x = width - margin - w - left
    else:
        x = (width - w) / 2.0 - left
    y = (height - h) / 2.0 - top
    body = Image.new("L", (width, height), 0)
    ImageDraw.Draw(body).multiline_text((x, y), text, font=f, fill=255, spacing=spacing,
                                        align="center")
    outline = Image.new("L", (width, height), 0)
    if stroke > 0:
        ImageDraw.Draw(outline).multiline_text((x, y), text, font=f, fill=255, spacing=spacing,
                                               align="center", stroke_width=stroke,
                                               stroke_fill=255)
    return body, outline


def caption(width, height, text, face=SANS_BOLD, colour=draw.WHITE, outline=(0, 0, 0, 200),
            stroke_ratio=0.06, align="center", fill=0.86, shadow=True, margin_ratio=0.02,
            size=None):
    """Transparent picture of one caption fitted into the box (or at a given font size)."""
    if size is None:
        size = fit_size(text, face, width, height, stroke_ratio, fill=fill)
    stroke = max(1, int(round(size * stroke_ratio))) if stroke_ratio > 0 else 0
    body, ring = text_mask(text, face, size, width, height, stroke, int(size * 0.1), align,
                           margin=int(width * margin_ratio) + stroke)
    image = draw.blank(width, height)
    if stroke:
        ring_layer = draw.fill_mask(ring, outline)
        if shadow:
            image = Image.alpha_composite(image, draw.shadow(ring_layer, (max(1, stroke // 2),) * 2,
                                                             max(1, stroke)))
        image = Image.alpha_composite(image, ring_layer)
    return Image.alpha_composite(image, draw.fill_mask(body, colour))


def banner(width, height, text, top_colour, bottom_colour, edge=(10, 10, 16, 255),
           face=SANS_BOLD_OBLIQUE, stroke_ratio=0.09, glow_colour=None, fill=0.9):
    """A match banner: big text with a vertical colour gradient, dark edge, glow and shadow."""
    size = fit_size(text, face, width, height, stroke_ratio, fill=fill)
    stroke = max(2, int(round(size * stroke_ratio)))
    body, ring = text_mask(text, face, size, width, height, stroke, int(size * 0.05))
    fill_layer = draw.gradient(width, height, [(0.0, top_colour), (0.5, top_colour),
                                               (1.0, bottom_colour)])
    bbox = body.getbbox()
    if bbox:
        span = draw.gradient(width, max(1, bbox[3] - bbox[1]),
                             [(0.0, top_colour), (0.45, top_colour), (1.0, bottom_colour)])
        fill_layer = draw.blank(width, height, top_colour)
        fill_layer.paste(span, (0, bbox[1]))
    image = draw.blank(width, height)
    ring_layer = draw.fill_mask(ring, edge)
    if glow_colour is not None:
        image = Image.alpha_composite(image, draw.glow(ring_layer, stroke * 2, 1.6, glow_colour))
    image = Image.alpha_composite(image, draw.shadow(ring_layer, (stroke // 2, stroke), stroke))
    image = Image.alpha_composite(image, ring_layer)
    image = Image.alpha_composite(image, draw.fill_mask(body, fill_layer))
    # A thin light line on the upper half of the letters gives them some shine.
    return image
