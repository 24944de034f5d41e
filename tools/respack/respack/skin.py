"""The toolkit's skin: backgrounds, fill bars, frame pieces, buttons, arrows, caret, cursor."""
from PIL import Image

from . import draw, icons
from .imageio import add_sprite
from .output import FileSet

GENERAL = "Tavek_res\\gui\\general\\"
SPRITES = "default_res\\sprites\\"
RIM = (150, 190, 255, 255)
RIM_DIM = (70, 95, 140, 255)


def solid(colour, size=8):
    return draw.blank(size, size, colour)


def fill_bar(light, mid, dark):
    """A bar fill: light top edge, body, darker bottom (stretched along x by the game)."""
    return draw.gradient(64, 32, [(0.0, light), (0.18, mid), (0.7, mid), (1.0, dark)])


def frame_piece(kind, size=32):
    """One of the eight frame pieces: a bright line along the middle of the piece with a glow.

    Edge pieces run along the frame; corner pieces join the two lines with a rounded bend.
    """
    mid = size / 2.0
    width = size * 0.16
    def paint(d, s):
        w = int(round(width * s))
        r = mid * s
        if kind in ("Top", "Bot"):
            d.rectangle([0, (mid - width / 2) * s, size * s, (mid + width / 2) * s], fill=255)
        elif kind in ("Left", "Right"):
            d.rectangle([(mid - width / 2) * s, 0, (mid + width / 2) * s, size * s], fill=255)
        else:
            # corner: an arc of radius mid centred on the piece's inner corner
            cx = size * s if "Left" in kind else 0
            cy = size * s if "Top" in kind else 0
            d.ellipse([cx - r, cy - r, cx + r, cy + r], outline=255, width=w)
    mask = draw.shape_mask(size, size, paint)
    line = draw.fill_mask(mask, RIM)
    halo = draw.glow(line, size * 0.12, 2.0, (60, 120, 255, 255))
    return Image.alpha_composite(halo, line)


def button(pressed):
    size = 96
    fill = (40, 90, 190, 120) if pressed else (12, 18, 32, 70)
    rim = (200, 225, 255, 255) if pressed else RIM_DIM
    image = draw.rounded_box(size, size, (3, 3, size - 3, size - 3), 14, fill, rim, 4)
    if pressed:
        image = Image.alpha_composite(draw.glow(image, 4, 1.5, (90, 150, 255, 255)), image)
    return image


def check_box(checked):
    size = 64
    image = draw.rounded_box(size, size, (6, 6, size - 6, size - 6), 8, (10, 14, 24, 200),
                             RIM, 3)
    if checked:
        image = Image.alpha_composite(image, icons.check_mark(size, (120, 200, 255, 255)))
    return image


def text_cursor():
    size = 64
    bar = draw.rounded_box(size, size, (30, 19, 34, 45), 1.5, (255, 255, 255, 255))
    return Image.alpha_composite(draw.glow(bar, 2, 1.0, (0, 0, 0, 200)), bar)


def slider_knob():
    image = draw.rounded_box(32, 64, (4, 4, 28, 60), 10, (200, 215, 235, 255),
                             (20, 30, 50, 255), 2)
    grip = draw.gradient(32, 64, [(0.0, (255, 255, 255, 90)), (1.0, (0, 0, 0, 60))])
    return Image.alpha_composite(image, draw.mask_alpha(grip, draw.to_array(image)[..., 3]))


def arrow_button(direction, pressed):
    size = 64
    disc = draw.rounded_box(size, size, (6, 6, size - 6, size - 6), 18,
                            (30, 80, 170, 200) if pressed else (16, 24, 40, 170),
                            (190, 215, 255, 255) if pressed else RIM_DIM, 3)
    tri = icons.triangle(size, direction, (255, 255, 255, 255) if pressed else
                         (200, 215, 240, 255), margin=0.3)
    return Image.alpha_composite(disc, tri)


def cursor():
    return icons.pointer(64, (255, 255, 255, 255), (0, 0, 0, 255))


def job_skin():
    files = FileSet()
    add_sprite(files, GENERAL + "black.x", solid((0, 0, 0, 255)))
    add_sprite(files, GENERAL + "white.x", solid((255, 255, 255, 255)))
    add_sprite(files, GENERAL + "blue.x", fill_bar((150, 200, 255, 255), (40, 110, 230, 255),
                                                   (14, 50, 130, 255)))
    add_sprite(files, GENERAL + "red.x", fill_bar((255, 160, 150, 255), (215, 35, 40, 255),
                                                  (110, 10, 16, 255)))
    for kind in ("Top", "Top-Right", "Right", "Bot-Right", "Bot", "Bot-Left", "Left",
                 "Top-Left"):
        add_sprite(files, GENERAL + "Border-%s.x" % kind, frame_piece(kind))
    add_sprite(files, SPRITES + "buttonOff.x", button(False))
    add_sprite(files, SPRITES + "buttonOn.x", button(True))
    add_sprite(files, SPRITES + "checkBoxOff.x", check_box(False))
    add_sprite(files, SPRITES + "checkBoxOn.x", check_box(True))
    add_sprite(files, SPRITES + "textCursor.x", text_cursor())
    add_sprite(files, SPRITES + "VAV_004_Arrow_Slider.x", slider_knob())
    add_sprite(files, SPRITES + "cursor.x", cursor())
    # "2" is the arrow at rest, "1" the arrow held down.
    for name, direction in (("Select-Arrow-L", "left"), ("Select-Arrow-R", "right"),
                            ("Arrow-Up-", "up"), ("Arrow-Down-", "down")):
        add_sprite(files, GENERAL + name + "2.x", arrow_button(direction, False))
        add_sprite(files, GENERAL + name + "1.x", arrow_button(direction, True))
    add_sprite(files, "Tavek_res\\gui\\global\\null.x", draw.blank(4, 4))
    return files


def jobs():
    return [("skin", "job_skin")]
