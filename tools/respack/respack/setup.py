"""Pictures of the quick-match setup screen and the options screen."""
import numpy as np
from PIL import Image, ImageDraw

from . import draw, textart
from .imageio import add_sprite
from .output import FileSet

QUICK = "Tavek_res\\gui\\quickMatchScreen\\"
OPTIONS = "Tavek_res\\gui\\optionScreen\\"
ARENAS = [  # name on the file, caption, theme colour, crowd rows
    ("Dojang", "DOJANG", (150, 95, 45, 255), 0),
    ("Local", "LOCAL", (40, 140, 130, 255), 1),
    ("State", "STATE", (120, 70, 170, 255), 2),
    ("National", "NATIONAL", (40, 100, 210, 255), 3),
    ("World", "WORLD", (200, 150, 40, 255), 4),
]
OPTION_CAPTIONS = [  # file, shown size, text
    ("00_difficulty", 4.4375, 0.35, "DIFFICULTY"),
    ("00_knockdowns", 1.5938, 0.35, "RULES"),
    ("00_music_volume", 3.75, 0.35, "FIGHT VOLUME"),
    ("00_sound_volume", 6.25, 0.35, "ARENA VOLUME"),
    ("00_controller", 5.625, 0.35, "CONTROLLER"),
    ("00_rumble", 4.375, 0.35, "RUMBLE"),
    ("00_camera", 6.25, 0.35, "CAMERA"),
]


def title_band():
    """The band drawn over a screen's title: clear where the title lies (its first quarter), so
    the title reads through it, then a dark shade that fades out to the right, with a line in
    the team colours under the whole width."""
    w, h = draw.pixels(30.0, 1.5, ppu=32)
    band = draw.gradient(w, h, [(0.0, (14, 22, 40, 0)), (0.25, (14, 22, 40, 0)), (0.35, (14, 22, 40, 200)),
                                (0.6, (10, 16, 30, 170)), (1.0, (6, 8, 16, 40))], vertical=False)
    clear = np.zeros((h, w))
    clear[:, int(w * 0.3):] = 1.0
    shade = draw.gradient(w, h, [(0.0, (255, 255, 255, 30)), (0.5, (255, 255, 255, 0)),
                                 (1.0, (0, 0, 0, 50))])
    band = Image.alpha_composite(band, draw.mask_alpha(shade, clear))
    line = draw.gradient(w, h, [(0.0, draw.BLUE), (0.5, draw.BLUE), (0.5, draw.RED),
                                (1.0, (220, 40, 45, 0))], vertical=False)
    rows = np.zeros((h, w))
    rows[h - max(3, h // 12):, :] = 1.0
    return Image.alpha_composite(band, draw.mask_alpha(line, rows))


def heading(width_units, height_units, text):
    w, h = draw.pixels(width_units, height_units, ppu=64)
    return textart.caption(w, h, text, face=textart.SANS_BOLD_OBLIQUE, align="left",
                           colour=(255, 255, 255, 255), fill=0.8)


def label(width_units, height_units, text, colour=(215, 225, 245, 255)):
    w, h = draw.pixels(width_units, height_units, ppu=64, min_height=40)
    return textart.caption(w, h, text, colour=colour, fill=0.92, stroke_ratio=0.08)


def small_label(width_units, height_units, text, colour=(235, 240, 250, 255)):
    """A caption only a few pixels tall on screen: an outline would swallow its letters."""
    w, h = draw.pixels(width_units, height_units, ppu=64, min_height=40)
    return textart.caption(w, h, text, face=textart.SANS_BOLD, colour=colour, fill=1.0,
                           stroke_ratio=0, shadow=False)


def side_panel(colour, strong):
    w, h = draw.pixels(11.0, 7.75, ppu=32)
    c = colour
    body = draw.gradient(w, h, [(0.0, (c[0], c[1], c[2], 110 if strong else 70)),
                                (1.0, (8, 10, 20, 150))])
    shape = draw.rounded_box(w, h, (0, 0, w, h), 18, (255, 255, 255, 255))
    panel = draw.mask_alpha(body, draw.to_array(shape)[..., 3])
    rim = draw.rounded_box(w, h, (1, 1, w - 1, h - 1), 18, (0, 0, 0, 0),
                           (c[0], c[1], c[2], 200), 2)
    return Image.alpha_composite(panel, rim)


def corner_bar(colour, text):
    w, h = draw.pixels(11.0, 1.0, ppu=48)
    c = colour
    bar = draw.gradient(w, h, [(0.0, tuple(min(255, v + 70) for v in c[:3]) + (255,)),
                               (0.45, c), (1.0, tuple(v // 3 for v in c[:3]) + (255,))])
    shape = draw.rounded_box(w, h, (0, 0, w, h), h * 0.25, (255, 255, 255, 255))
    bar = draw.mask_alpha(bar, draw.to_array(shape)[..., 3])
    cap = textart.caption(w, h, text, face=textart.SANS_BOLD, fill=0.7)
    return Image.alpha_composite(bar, cap)


def shade_band(colour):
    w, h = draw.pixels(11.0, 1.0, ppu=48)
    c = colour
    band = draw.gradient(w, h, [(0.0, (0, 0, 0, 0)), (0.15, (c[0] // 2, c[1] // 2, c[2] // 2, 150)),
                                (0.85, (c[0] // 2, c[1] // 2, c[2] // 2, 150)), (1.0, (0, 0, 0, 0))],
                         vertical=False)
    return band


def selector_band(width_units=10.0):
    w, h = draw.pixels(width_units, 1.0, ppu=48)
    body = draw.gradient(w, h, [(0.0, (40, 52, 80, 230)), (0.5, (16, 22, 38, 230)),
                                (1.0, (8, 10, 20, 230))])
    shape = draw.rounded_box(w, h, (h * 0.5, h * 0.1, w - h * 0.5, h * 0.9), h * 0.3,
                             (255, 255, 255, 255))
    band = draw.mask_alpha(body, draw.to_array(shape)[..., 3])
    rim = draw.rounded_box(w, h, (h * 0.5, h * 0.1, w - h * 0.5, h * 0.9), h * 0.3,
                           (0, 0, 0, 0), (90, 120, 180, 255), 2)
    return Image.alpha_composite(band, rim)


def arena_picture(caption, colour, rows, selected):
    size = 256
    c = colour
    image = draw.gradient(size, size, [(0.0, tuple(v // 4 for v in c[:3]) + (255,)),
                                       (0.6, tuple(v // 2 for v in c[:3]) + (255,)),
                                       (1.0, (10, 10, 16, 255))])
    d = ImageDraw.Draw(image)
    for row in range(rows):  # crowd: rows of heads, more for bigger venues
        y = 40 + row * 16
        for i in range(18):
            x = 8 + i * 14 + (row % 2) * 7
            shade = 60 + ((i * 37 + row * 53) % 70)
            d.ellipse([x, y, x + 9, y + 9], fill=(shade, shade, shade + 10, 255))
    mat = [(size * 0.2, size * 0.5), (size * 0.8, size * 0.5), (size * 0.95, size * 0.78),
           (size * 0.05, size * 0.78)]
    image = Image.alpha_composite(image, draw.polygon_layer(size, size, mat, (200, 70, 60, 255)))
    inner = [(size * 0.3, size * 0.54), (size * 0.7, size * 0.54), (size * 0.8, size * 0.74),
             (size * 0.2, size * 0.74)]
    image = Image.alpha_composite(image, draw.polygon_layer(size, size, inner, (40, 90, 200, 255)))
    band = draw.gradient(size, 60, [(0.0, (0, 0, 0, 120)), (1.0, (0, 0, 0, 220))])
    image.paste(band, (0, size - 60), band)
    cap = textart.caption(size - 24, 44, caption, fill=0.8)
    image.paste(cap, (12, size - 56), cap)
    shape = draw.rounded_box(size, size, (4, 4, size - 4, size - 4), 20, (255, 255, 255, 255))
    image = draw.mask_alpha(image, draw.to_array(shape)[..., 3])
    if selected:
        rim = draw.rounded_box(size, size, (5, 5, size - 5, size - 5), 20, (0, 0, 0, 0),
                               draw.GOLD, 7)
        image = Image.alpha_composite(image, draw.glow(rim, 6, 1.5))
        image = Image.alpha_composite(image, rim)
    else:
        image = draw.multiply_alpha(image, 0.85)
    return image


def text_button(width_units, height_units, text, colour, lit):
    w, h = draw.pixels(width_units, height_units, ppu=64)
    c = colour
    top = tuple(min(255, v + (90 if lit else 50)) for v in c[:3]) + (255,)
    body = draw.gradient(w, h, [(0.0, top), (0.5, c), (1.0, tuple(v // 3 for v in c[:3]) + (255,))])
    shape = draw.rounded_box(w, h, (2, 2, w - 2, h - 2), h * 0.3, (255, 255, 255, 255))
    image = draw.mask_alpha(body, draw.to_array(shape)[..., 3])
    rim = draw.rounded_box(w, h, (2, 2, w - 2, h - 2), h * 0.3, (0, 0, 0, 0),
                           (255, 255, 255, 230 if lit else 150), 2)
    image = Image.alpha_composite(image, rim)
    cap = textart.caption(w, h, text, face=textart.SANS_BOLD, fill=0.66)
    return Image.alpha_composite(image, cap)


def job_titles():
    files = FileSet()
    add_sprite(files, "Tavek_res\\gui\\global\\title_bkgd.x", title_band())
    add_sprite(files, "Tavek_res\\gui\\gameSetupScreen\\zel_rud_options_03_head_fad.x",
               title_band())
    add_sprite(files, QUICK + "00_quick-match-text.x", heading(6.0, 1.25, "QUICK MATCH"))
    add_sprite(files, OPTIONS + "01_game_options_hdr.x", heading(6.4, 1.25, "GAME OPTIONS"))
    for name, w, h, text in OPTION_CAPTIONS:
        add_sprite(files, OPTIONS + name + ".x", label(w, h, text))
    add_sprite(files, QUICK + "00_vs-text.x", textart.caption(
        *draw.pixels(2.0, 1.0, ppu=64), "VS", face=textart.SANS_BOLD_OBLIQUE,
        colour=draw.GOLD_LIGHT, fill=0.9))
    add_sprite(files, QUICK + "00_select-arena-text.x", label(6.0, 0.5, "SELECT ARENA"))
    add_sprite(files, QUICK + "00_number_rounds.x", small_label(4.7, 0.25, "NUMBER OF ROUNDS"))
    add_sprite(files, QUICK + "00_length_round.x", small_label(4.7, 0.25, "ROUND LENGTH"))
    return files


def job_panels():
    files = FileSet()
    add_sprite(files, QUICK + "01_shade-red-1.x", side_panel(draw.RED, True))
    add_sprite(files, QUICK + "01_shade-blue-1.x", side_panel(draw.BLUE, True))
    add_sprite(files, QUICK + "01_red-bar.x", corner_bar(draw.RED, "RED CORNER"))
    add_sprite(files, QUICK + "01_blue-bar.x", corner_bar(draw.BLUE, "BLUE CORNER"))
    add_sprite(files, QUICK + "01_shade-red-2.x", shade_band(draw.RED))
    add_sprite(files, QUICK + "01_shade-blue-2.x", shade_band(draw.BLUE))
    add_sprite(files, QUICK + "00_background_sample.x", selector_band())
    return files


def job_buttons():
    files = FileSet()
    for name, caption, colour, rows in ARENAS:
        add_sprite(files, QUICK + "Arena-%s-1.x" % name, arena_picture(caption, colour, rows, False))
        add_sprite(files, QUICK + "Arena-%s-2.x" % name, arena_picture(caption, colour, rows, True))
    grey = (60, 72, 96, 255)
    for index, lit in (("1", False), ("2", True)):
        add_sprite(files, OPTIONS + "button_back%s.x" % index, text_button(3.25, 1.0, "BACK", grey, lit))
        add_sprite(files, OPTIONS + "button_save%s.x" % index,
                   text_button(3.25, 1.0, "SAVE", (30, 110, 70, 255), lit))
        add_sprite(files, QUICK + "02_fight-now%s.x" % index,
                   text_button(6.25, 1.25, "FIGHT NOW!", (190, 30, 36, 255), lit))
    return files


def jobs():
    return [("setup", "job_titles"), ("setup", "job_panels"), ("setup", "job_buttons")]
