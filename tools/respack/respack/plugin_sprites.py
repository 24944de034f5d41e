"""Pictures of the fighter-creation plug-in (default_res\\sprites\\)."""
from PIL import Image

from . import draw, icons, textart
from .imageio import add_sprite
from .output import FileSet

SPRITES = "default_res\\sprites\\"
PAPER_TOP = (214, 222, 236, 255)
PAPER_BOTTOM = (176, 188, 210, 255)


def page_half(left):
    """One half of the editor page background; the black font is printed on it."""
    w, h = 256, 384
    paper = draw.gradient(w, h, [(0.0, PAPER_TOP), (1.0, PAPER_BOTTOM)])
    box = (8, 8, w + 40, h - 8) if left else (-40, 8, w - 8, h - 8)
    shape = draw.rounded_box(w, h, box, 24, (255, 255, 255, 255))
    image = draw.mask_alpha(paper, draw.to_array(shape)[..., 3])
    rim = draw.rounded_box(w, h, box, 24, (0, 0, 0, 0), (60, 90, 150, 255), 3)
    return Image.alpha_composite(image, rim)


def header_band():
    w, h = draw.pixels(15.0, 1.5, ppu=32)
    # Light enough that the page title, printed on it in the black font, reads clearly.
    band = draw.gradient(w, h, [(0.0, (170, 200, 245, 255)), (1.0, (110, 150, 220, 255))])
    shape = draw.rounded_box(w, h, (0, 0, w, h), h * 0.3, (255, 255, 255, 255))
    return draw.mask_alpha(band, draw.to_array(shape)[..., 3])


def band(colour_top, colour_bottom):
    return draw.gradient(64, 64, [(0.0, colour_top), (1.0, colour_bottom)])


def emblem():
    size = 256
    disc = draw.rounded_box(size, size, (10, 10, size - 10, size - 10), size / 2 - 10,
                            (14, 22, 44, 255), (120, 170, 255, 255), 8)
    left = draw.polygon_layer(size, size, [(size * 0.5, size * 0.08), (size * 0.5, size * 0.92),
                                           (size * 0.1, size * 0.5)], (40, 110, 230, 120))
    right = draw.polygon_layer(size, size, [(size * 0.5, size * 0.08), (size * 0.5, size * 0.92),
                                            (size * 0.9, size * 0.5)], (220, 40, 45, 120))
    clip = draw.to_array(disc)[..., 3]
    image = Image.alpha_composite(disc, draw.mask_alpha(left, clip))
    image = Image.alpha_composite(image, draw.mask_alpha(right, clip))
    letter = textart.caption(size, size, "B", face=textart.SANS_BOLD_OBLIQUE, fill=0.62)
    return Image.alpha_composite(image, letter)


def big_arrow(direction):
    size = 128
    return draw.multiply_alpha(icons.triangle(size, direction, (255, 255, 255, 255), margin=0.12),
                               0.55)


def job_plugin():
    files = FileSet()
    add_sprite(files, SPRITES + "VAV_001_GeneralInformationB.x", header_band())
    add_sprite(files, SPRITES + "VAV_002_Arrow_L.x", icons.triangle(64, "left", (255, 255, 255, 255)))
    add_sprite(files, SPRITES + "VAV_003_Arrow_r.x", icons.triangle(64, "right", (255, 255, 255, 255)))
    add_sprite(files, SPRITES + "VAV_005_Main_BG_L.x", page_half(True))
    add_sprite(files, SPRITES + "VAV_006_Main_BG_R.x", page_half(False))
    add_sprite(files, SPRITES + "VAV_007_2X2_Black.x", draw.blank(2, 2, (0, 0, 0, 255)))
    add_sprite(files, SPRITES + "VAV_008_2X2_White.x", draw.blank(2, 2, (255, 255, 255, 255)))
    add_sprite(files, SPRITES + "VAV_Trans_Arrow_L.x", big_arrow("left"))
    add_sprite(files, SPRITES + "VAV_Trans_Arrow_R.x", big_arrow("right"))
    add_sprite(files, SPRITES + "DovraLogo128.x", emblem())
    w, h = draw.pixels(16.0, 4.0, ppu=32)
    add_sprite(files, SPRITES + "VAV_CreateFighter.x",
               textart.caption(w, h, "CREATE FIGHTER", face=textart.SANS_BOLD_OBLIQUE, fill=0.7))
    add_sprite(files, SPRITES + "grayBand.x", band((90, 96, 110, 255), (40, 44, 54, 255)))
    add_sprite(files, SPRITES + "fillBar.x", band((150, 200, 255, 255), (30, 90, 210, 255)))
    add_sprite(files, SPRITES + "blueBand.x", band((30, 70, 160, 255), (8, 20, 60, 255)))
    w, h = draw.pixels(8.0, 1.0, ppu=64)
    add_sprite(files, SPRITES + "loading.x", textart.caption(w, h, "LOADING..."))
    return files


def jobs():
    return [("plugin_sprites", "job_plugin")]
