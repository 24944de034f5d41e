"""Menu pictures: background, fighter, logo, loading caption, advertisement, main menu plates."""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from . import draw, figure, textart
from .imageio import add_sprite
from .output import FileSet

GENERAL = "Tavek_res\\gui\\general\\"
MAIN_MENU = "Tavek_res\\gui\\mainMenu\\"
ITEM_ACCENTS = {
    "quickmatch": (60, 140, 255, 255),
    "championship": (255, 196, 60, 255),
    "options": (170, 190, 220, 255),
    "practice": (80, 210, 140, 255),
    "exit": (235, 60, 60, 255),
}


def background(width=1024, height=768):
    """Dark arena mood: navy glow, a lit mat in perspective, blue and red corner light."""
    image = draw.radial(width, height, (width * 0.68, height * 0.30), (width * 0.9, height * 0.9),
                        [(0.0, (30, 44, 78, 255)), (0.55, (12, 18, 34, 255)),
                         (1.0, (3, 4, 9, 255))])
    corners = draw.radial(width, height, (0, height), (width * 0.6, height * 0.7),
                          [(0.0, (40, 90, 230, 110)), (1.0, (40, 90, 230, 0))])
    image = Image.alpha_composite(image, corners)
    corners = draw.radial(width, height, (width, height), (width * 0.6, height * 0.7),
                          [(0.0, (230, 40, 50, 100)), (1.0, (230, 40, 50, 0))])
    image = Image.alpha_composite(image, corners)
    # The mat: a trapezoid with grid lines, fading into the dark.
    floor = draw.blank(width, height)
    d = ImageDraw.Draw(floor)
    horizon = height * 0.58
    cx = width * 0.5
    for i in range(-12, 13):
        x_far = cx + i * width * 0.035
        x_near = cx + i * width * 0.16
        d.line([(x_far, horizon), (x_near, height)], fill=(90, 130, 200, 70), width=2)
    for k in range(1, 12):
        t = (k / 11.0) ** 2.2
        y = horizon + (height - horizon) * t
        d.line([(0, y), (width, y)], fill=(90, 130, 200, int(30 + 50 * t)), width=2)
    fade = draw.gradient(width, height, [(0.0, (0, 0, 0, 0)), (0.58, (0, 0, 0, 0)),
                                         (0.75, (0, 0, 0, 255)), (1.0, (0, 0, 0, 255))])
    floor = draw.mask_alpha(floor, draw.to_array(fade)[..., 3])
    image = Image.alpha_composite(image, floor.filter(ImageFilter.GaussianBlur(0.8)))
    # Light beams from the top.
    beams = draw.blank(width, height)
    d = ImageDraw.Draw(beams)
    for x, spread in ((0.25, 0.10), (0.55, 0.07), (0.8, 0.09)):
        d.polygon([(width * (x - 0.02), 0), (width * (x + 0.02), 0),
                   (width * (x + spread), height * 0.8), (width * (x - spread), height * 0.8)],
                  fill=(120, 160, 255, 22))
    image = Image.alpha_composite(image, beams.filter(ImageFilter.GaussianBlur(width / 60.0)))
    vignette = draw.radial(width, height, (width / 2, height / 2), (width * 0.75, height * 0.8),
                           [(0.0, (0, 0, 0, 0)), (0.7, (0, 0, 0, 40)), (1.0, (0, 0, 0, 170))])
    return Image.alpha_composite(image, vignette)


def logo(width=630, height=420):
    image = draw.blank(width, height)
    title = textart.banner(width, int(height * 0.55), "BRENNOCK", (255, 255, 255, 255),
                           (150, 180, 225, 255), edge=(6, 10, 22, 255),
                           glow_colour=(50, 120, 255, 255), fill=0.94)
    image.paste(title, (0, int(height * 0.06)), title)
    bar_y = int(height * 0.64)
    half = width // 2
    bar = draw.blank(width, height)
    d = ImageDraw.Draw(bar)
    d.polygon([(width * 0.08, bar_y), (half, bar_y), (half - 8, bar_y + 10),
               (width * 0.08 - 8, bar_y + 10)], fill=draw.BLUE)
    d.polygon([(half + 4, bar_y), (width * 0.92, bar_y), (width * 0.92 - 8, bar_y + 10),
               (half - 4, bar_y + 10)], fill=draw.RED)
    image = Image.alpha_composite(image, bar)
    sub = textart.caption(width, int(height * 0.22), "MARTIAL ARTS SPARRING",
                          face=textart.SANS_BOLD, colour=(220, 230, 245, 255), fill=0.8)
    image.paste(sub, (0, int(height * 0.72)), sub)
    return image


def loading_caption():
    w, h = draw.pixels(4.0, 1.0, ppu=64)
    return textart.caption(w, h, "Loading game...", colour=(230, 236, 250, 255))


def advertisement(width=1024, height=768):
    """Full-screen overlay of the advertisement screen: a framed panel over the background."""
    image = draw.blank(width, height, (0, 0, 0, 90))
    box = (width * 0.16, height * 0.12, width * 0.84, height * 0.82)
    panel = draw.rounded_box(width, height, box, 24, (8, 12, 24, 225), (110, 160, 255, 255), 3)
    image = Image.alpha_composite(image, draw.glow(panel, 12, 0.6, (40, 100, 255, 255)))
    image = Image.alpha_composite(image, panel)
    x0, y0, x1, _ = [int(v) for v in box]
    inner = x1 - x0
    lines = [
        (0.02, 0.09, "THANK YOU FOR PLAYING", (200, 215, 240, 255), textart.SANS_BOLD),
        (0.12, 0.17, "BRENNOCK", (255, 255, 255, 255), textart.SANS_BOLD_OBLIQUE),
    ]
    for top, size, text, colour, face in lines:
        cap = textart.caption(inner, int(height * size), text, face=face, colour=colour,
                              fill=0.82)
        image.paste(cap, (x0, y0 + int(height * top)), cap)
    features = ["Five arenas, from the local dojang to the world stage",
                "A championship ladder of four tiers",
                "Opponents with their own style and fighting mind",
                "Official rules: points, penalties and knockdowns"]
    common = min(textart.fit_size(text, textart.SANS, int(inner * 0.8), int(height * 0.06), 0.0,
                                  fill=0.75) for text in features)
    for i, text in enumerate(features):
        top = y0 + int(height * (0.34 + i * 0.075))
        dot = draw.rounded_box(width, height, (x0 + inner * 0.08, top + height * 0.022,
                                               x0 + inner * 0.08 + 14, top + height * 0.022 + 14),
                               7, draw.RED if i % 2 else draw.BLUE)
        image = Image.alpha_composite(image, dot)
        cap = textart.caption(int(inner * 0.8), int(height * 0.06), text,
                              face=textart.SANS, colour=(225, 232, 245, 255), align="left",
                              stroke_ratio=0.0, size=common)
        image.paste(cap, (x0 + int(inner * 0.12), top), cap)
    return image


def press_esc():
    w, h = draw.pixels(8.224, 0.4488, ppu=80)
    return textart.caption(w, h, "Press Esc to continue", colour=(255, 255, 255, 255),
                           face=textart.SANS_BOLD)


def menu_plate(accent):
    """Picture 0 of a main menu button (7 x 1.5): a dark plate lit by the item's colour."""
    w, h = draw.pixels(7.0, 1.5, ppu=48)
    a = accent
    plate = draw.gradient(w, h, [(0.0, (a[0], a[1], a[2], 150)), (0.22, (16, 24, 42, 200)),
                                 (0.8, (10, 14, 26, 150)), (1.0, (10, 14, 26, 0))],
                          vertical=False)
    shape = draw.rounded_box(w, h, (0, h * 0.08, w, h * 0.92), h * 0.2, (255, 255, 255, 255))
    plate = draw.mask_alpha(plate, draw.to_array(shape)[..., 3])
    sheen = draw.gradient(w, h, [(0.0, (255, 255, 255, 40)), (0.5, (255, 255, 255, 0)),
                                 (1.0, (0, 0, 0, 40))])
    return Image.alpha_composite(plate, draw.mask_alpha(sheen, draw.to_array(shape)[..., 3]))


def menu_accent(accent):
    """Picture 1 of a main menu button: the item's dot and an underline in its colour."""
    w, h = draw.pixels(7.0, 1.5, ppu=48)
    image = draw.blank(w, h)
    cx, cy, r = h * 0.5, h * 0.5, h * 0.16
    dot = draw.rounded_box(w, h, (cx - r, cy - r, cx + r, cy + r), r, accent)
    image = Image.alpha_composite(image, draw.glow(dot, r * 0.8, 1.5))
    image = Image.alpha_composite(image, dot)
    line = draw.gradient(w, h, [(0.0, (0, 0, 0, 0)), (0.25, accent), (0.75, accent),
                                (1.0, (0, 0, 0, 0))], vertical=False)
    band = np.zeros((h, w))
    band[int(h * 0.84):int(h * 0.84) + max(2, h // 24), :] = 1.0
    return Image.alpha_composite(image, draw.mask_alpha(line, band))


def job_backgrounds():
    files = FileSet()
    add_sprite(files, GENERAL + "main-bg.x", background())
    add_sprite(files, GENERAL + "main-logo.x", logo())
    add_sprite(files, "Tavek_res\\gui\\gameLoad\\Loading-Game.x", loading_caption())
    return files


def job_fighter():
    files = FileSet()
    add_sprite(files, GENERAL + "main-fighter.x", figure.fighter(512, 768))
    return files


def job_advertisement():
    files = FileSet()
    add_sprite(files, "Tavek_res\\gui\\daviScreen\\buy_overlay.x", advertisement())
    add_sprite(files, "Tavek_res\\gui\\daviScreen\\press_esc.x", press_esc())
    return files


def job_main_menu():
    files = FileSet()
    for item, accent in ITEM_ACCENTS.items():
        add_sprite(files, MAIN_MENU + "main-dot-%s-1.x" % item, menu_plate(accent))
        add_sprite(files, MAIN_MENU + "main-dot-%s-2.x" % item, menu_accent(accent))
    return files


def jobs():
    return [("menus", "job_backgrounds"), ("menus", "job_fighter"),
            ("menus", "job_advertisement"), ("menus", "job_main_menu")]
