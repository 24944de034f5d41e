"""A martial artist in a high side kick, drawn as a lit silhouette (main menu picture)."""
from PIL import Image, ImageDraw, ImageFilter

from . import draw

# Joint positions in a unit box (x right, y down); the fighter kicks to the right.
HEAD = (0.25, 0.205)
NECK = (0.29, 0.265)
SHOULDER_FRONT = (0.385, 0.3)
SHOULDER_BACK = (0.215, 0.305)
LIMBS = [
    # (from, to, thickness in picture widths)
    (SHOULDER_BACK, (0.13, 0.40), 0.078), ((0.13, 0.40), (0.085, 0.49), 0.064),  # rear arm
    ((0.085, 0.49), (0.075, 0.515), 0.07),  # rear fist
    (SHOULDER_FRONT, (0.475, 0.37), 0.078), ((0.475, 0.37), (0.465, 0.285), 0.064),  # guard
    ((0.465, 0.285), (0.462, 0.262), 0.072),  # guard fist
    ((0.36, 0.54), (0.335, 0.72), 0.125), ((0.335, 0.72), (0.30, 0.895), 0.09),  # standing leg
    ((0.30, 0.895), (0.41, 0.925), 0.06),  # standing foot
    ((0.44, 0.525), (0.64, 0.44), 0.125), ((0.64, 0.44), (0.86, 0.345), 0.09),  # kicking leg
    ((0.86, 0.345), (0.965, 0.315), 0.065),  # kicking foot
    (NECK, (0.3, 0.3), 0.075),
]
TORSO = [SHOULDER_BACK, (0.29, 0.285), SHOULDER_FRONT, (0.455, 0.50), (0.46, 0.56), (0.33, 0.565),
         (0.31, 0.50)]
BELT = [(0.305, 0.478), (0.462, 0.47), (0.466, 0.505), (0.31, 0.512)]
BELT_ENDS = [(0.40, 0.50), (0.425, 0.50), (0.44, 0.575), (0.418, 0.58)]


def silhouette_mask(width, height, factor=3):
    big = Image.new("L", (width * factor, height * factor), 0)
    d = ImageDraw.Draw(big)
    sx, sy = width * factor, height * factor
    unit = sx

    def point(p):
        return (p[0] * sx, p[1] * sy)

    for a, b, thickness in LIMBS:
        w = thickness * unit
        d.line([point(a), point(b)], fill=255, width=int(w))
        for p in (a, b):
            x, y = point(p)
            d.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=255)
    d.polygon([point(p) for p in TORSO], fill=255)
    hx, hy = point(HEAD)
    r = 0.068 * unit
    d.ellipse([hx - r, hy - r * 1.12, hx + r, hy + r * 1.12], fill=255)
    return big.resize((width, height), Image.LANCZOS)


def belt_mask(width, height, factor=3):
    def paint(d, s):
        for shape in (BELT, BELT_ENDS):
            d.polygon([(x * width * s, y * height * s) for x, y in shape], fill=255)
    return draw.shape_mask(width, height, paint, factor)


def fighter(width, height, rim=(70, 140, 255, 255), body_top=(34, 44, 66, 255),
            body_bottom=(8, 10, 18, 255)):
    """The lit silhouette with a rim glow and motion streaks behind the kicking foot."""
    mask = silhouette_mask(width, height)
    image = draw.blank(width, height)
    streaks = draw.blank(width, height)
    d = ImageDraw.Draw(streaks)
    for i, (y, length) in enumerate(((0.285, 0.30), (0.315, 0.40), (0.345, 0.26))):
        y0 = y * height
        x1 = 0.90 * width
        x0 = x1 - length * width
        for step in range(24):
            t = step / 23.0
            alpha = int(110 * t)
            d.line([(x0 + (x1 - x0) * t, y0 + i), (x0 + (x1 - x0) * (t + 0.05), y0 + i)],
                   fill=(150, 200, 255, alpha), width=max(1, height // 300))
    streaks = streaks.filter(ImageFilter.GaussianBlur(1.2))
    image = Image.alpha_composite(image, streaks)
    halo = draw.fill_mask(mask.filter(ImageFilter.GaussianBlur(width / 40.0)), rim)
    image = Image.alpha_composite(image, halo)
    image = Image.alpha_composite(image, draw.fill_mask(mask, draw.gradient(
        width, height, [(0.0, body_top), (1.0, body_bottom)])))
    # Rim light on the right-hand edges: the mask minus itself shifted left.
    shifted = Image.new("L", mask.size, 0)
    shifted.paste(mask, (-max(2, width // 120), 0))
    rim_mask = Image.fromarray(
        (draw.to_array(mask.convert("RGBA"))[..., 0] * 255 -
         draw.to_array(shifted.convert("RGBA"))[..., 0] * 255).clip(0, 255).astype("uint8"), "L")
    image = Image.alpha_composite(image, draw.fill_mask(rim_mask, (170, 210, 255, 255)))
    image = Image.alpha_composite(image, draw.fill_mask(belt_mask(width, height),
                                                        (5, 5, 8, 255)))
    return image
