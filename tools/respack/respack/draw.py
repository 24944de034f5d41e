"""Small drawing toolbox on Pillow RGBA images and NumPy arrays."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

# The pack's palette: dark backgrounds, blue and red for the two corners, white text.
NAVY = (10, 16, 30, 255)
NIGHT = (4, 6, 12, 255)
SLATE = (28, 38, 58, 255)
STEEL = (120, 140, 170, 255)
BLUE = (40, 110, 230, 255)
BLUE_LIGHT = (110, 175, 255, 255)
BLUE_DARK = (12, 40, 110, 255)
RED = (220, 40, 45, 255)
RED_LIGHT = (255, 120, 110, 255)
RED_DARK = (100, 10, 16, 255)
GOLD = (255, 200, 60, 255)
GOLD_LIGHT = (255, 235, 150, 255)
WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)


def pixels(width_units, height_units, ppu=40, min_height=16, max_side=1024):
    """Texture size for a picture shown at the given size in GUI units.

    The texture keeps the picture's aspect; its short side gets at least min_height pixels and
    its long side at most max_side pixels.
    """
    scale = max(float(ppu), min_height / float(min(width_units, height_units)))
    scale = min(scale, max_side / float(max(width_units, height_units)))
    return max(1, int(round(width_units * scale))), max(1, int(round(height_units * scale)))


def blank(width, height, colour=(0, 0, 0, 0)):
    return Image.new("RGBA", (width, height), colour)


def from_array(array):
    """RGBA image from a float array in 0..1 (height x width x 4)."""
    data = np.clip(np.rint(array * 255.0), 0, 255).astype(np.uint8)
    return Image.fromarray(data, "RGBA")


def to_array(image):
    return np.asarray(image.convert("RGBA"), dtype=np.float64) / 255.0


def _stops_to_array(stops, t):
    positions = np.array([p for p, _ in stops], dtype=np.float64)
    colours = np.array([c for _, c in stops], dtype=np.float64) / 255.0
    out = np.empty(t.shape + (4,), dtype=np.float64)
    for channel in range(4):
        out[..., channel] = np.interp(t, positions, colours[:, channel])
    return out


def gradient(width, height, stops, vertical=True):
    """Linear gradient through (position 0..1, RGBA colour) stops, top to bottom or left to right."""
    if vertical:
        t = np.repeat(np.linspace(0.0, 1.0, height)[:, None], width, axis=1)
    else:
        t = np.repeat(np.linspace(0.0, 1.0, width)[None, :], height, axis=0)
    return from_array(_stops_to_array(stops, t))


def radial(width, height, centre, radius, stops):
    """Radial gradient around centre (pixels) with radius (pixels, or (rx, ry))."""
    rx, ry = (radius, radius) if np.isscalar(radius) else radius
    ys, xs = np.mgrid[0:height, 0:width].astype(np.float64)
    t = np.sqrt(((xs + 0.5 - centre[0]) / rx) ** 2 + ((ys + 0.5 - centre[1]) / ry) ** 2)
    return from_array(_stops_to_array(stops, np.clip(t, 0.0, 1.0)))


def over(base, top, position=(0, 0)):
    """base with top composited over it at position (returns a new image)."""
    result = base.copy()
    layer = blank(*base.size)
    layer.paste(top, position)
    return Image.alpha_composite(result, layer)


def multiply_alpha(image, factor):
    array = to_array(image)
    array[..., 3] *= factor
    return from_array(array)


def mask_alpha(image, mask):
    """image with its alpha multiplied by a float mask (height x width, 0..1)."""
    array = to_array(image)
    array[..., 3] *= mask
    return from_array(array)


def fill_mask(mask_image, fill):
    """A layer of colour (or image) `fill` shown through an L-mode mask."""
    width, height = mask_image.size
    if isinstance(fill, Image.Image):
        layer = fill.resize((width, height)) if fill.size != (width, height) else fill.copy()
    else:
        layer = blank(width, height, fill)
    array = to_array(layer)
    array[..., 3] *= np.asarray(mask_image, dtype=np.float64) / 255.0
    return from_array(array)


def shape_mask(width, height, painter, factor=4):
    """An antialiased L mask: painter(draw, scale) paints white on a factor-times larger canvas."""
    big = Image.new("L", (width * factor, height * factor), 0)
    painter(ImageDraw.Draw(big), factor)
    return big.resize((width, height), Image.LANCZOS)


def rounded_box(width, height, box, radius, fill, outline=None, line=0, factor=4):
    """Layer with an antialiased rounded rectangle (box in pixels: x0, y0, x1, y1)."""
    x0, y0, x1, y1 = box

    def body(draw, s):
        draw.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], radius * s, fill=255)

    layer = fill_mask(shape_mask(width, height, body, factor), fill)
    if outline is not None and line > 0:
        def ring(draw, s):
            draw.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], radius * s,
                                   outline=255, width=int(round(line * s)))
        layer = Image.alpha_composite(layer, fill_mask(shape_mask(width, height, ring, factor),
                                                        outline))
    return layer


def polygon_layer(width, height, points, fill, factor=4):
    def paint(draw, s):
        draw.polygon([(x * s, y * s) for x, y in points], fill=255)
    return fill_mask(shape_mask(width, height, paint, factor), fill)


def glow(layer, radius, strength=1.0, colour=None):
    """A soft glow of a layer's shape (optionally recoloured)."""
    alpha = layer.getchannel("A").filter(ImageFilter.GaussianBlur(radius))
    if strength != 1.0:
        alpha = alpha.point(lambda v: min(255, int(v * strength)))
    if colour is None:
        base = layer.copy()
        base.putalpha(alpha)
        return base
    return fill_mask(alpha, colour)


def shadow(layer, offset, radius, opacity=0.8):
    alpha = layer.getchannel("A").filter(ImageFilter.GaussianBlur(radius))
    alpha = alpha.point(lambda v: int(v * opacity))
    shade = fill_mask(alpha, BLACK)
    moved = blank(*layer.size)
    moved.paste(shade, offset)
    return moved


def noise_texture(width, height, seed, amount=0.03, scale=1):
    """Fine grain as a float array around 0 (deterministic)."""
    rng = np.random.default_rng(seed)
    small = rng.standard_normal((max(1, height // scale), max(1, width // scale)))
    if scale > 1:
        small = np.kron(small, np.ones((scale, scale)))[:height, :width]
    return small * amount


def add_grain(image, seed, amount=0.02):
    array = to_array(image)
    grain = noise_texture(image.size[0], image.size[1], seed, amount)
    array[..., :3] = np.clip(array[..., :3] + grain[..., None], 0.0, 1.0)
    return from_array(array)
