"""The thirty match banners: rendered words and numbers on transparent pictures."""
import math

from PIL import Image

from . import draw, textart
from .imageio import add_sprite
from .output import FileSet

MATCH = "Tavek_res\\gui\\matchScreen\\"
BLUE = ((150, 200, 255, 255), (30, 90, 220, 255))
RED = ((255, 150, 140, 255), (200, 20, 30, 255))
GOLD = ((255, 250, 200, 255), (240, 160, 20, 255))
WHITE = ((255, 255, 255, 255), (170, 185, 210, 255))
ORANGE = ((255, 230, 140, 255), (235, 90, 20, 255))
GREY = ((220, 220, 225, 255), (110, 115, 125, 255))
GREEN = ((200, 255, 220, 255), (30, 170, 90, 255))
DARK_RED = ((255, 120, 110, 255), (130, 0, 10, 255))

# picture name: (shown size in units, text, colours, burst behind the text)
BANNERS = {
    "Ready": ((6.21, 2.5), "READY", GOLD, False),
    "Fight": ((19.6, 13.244), "FIGHT!", ORANGE, True),
    "Blue-wins": ((10.37, 2.5), "BLUE WINS", BLUE, False),
    "Red-wins": ((9.33, 2.5), "RED WINS", RED, False),
    "You-win": ((8.62, 2.5), "YOU WIN!", GOLD, False),
    "You-lose": ((8.93, 2.5), "YOU LOSE", GREY, False),
    "Knockdown": ((17.78, 7.79), "KNOCK\nDOWN!", ORANGE, False),
    "Knockout": ((10.11, 2.5), "KNOCKOUT!", RED, False),
    "End-of-round": ((12.72, 2.5), "END OF ROUND", WHITE, False),
    "Red-penalty": ((11.97, 2.5), "RED PENALTY", RED, False),
    "Blue-penalty": ((12.95, 2.5), "BLUE PENALTY", BLUE, False),
    "00_blue_disqualified": ((16.62, 2.84), "BLUE DISQUALIFIED", BLUE, False),
    "00_red_disqualified": ((15.68, 2.84), "RED DISQUALIFIED", RED, False),
    "00_critical_hit": ((18.53, 10.04), "CRITICAL\nHIT!", DARK_RED, True),
    "00_second_wind": ((15.39, 8.34), "SECOND\nWIND!", GREEN, False),
    "Sudden-death": ((14.2, 2.5), "SUDDEN DEATH", DARK_RED, False),
}


def burst(width, height, colour, points=18, seed_shift=0.0):
    cx, cy = width / 2.0, height / 2.0
    rx, ry = width * 0.48, height * 0.48
    shape = []
    for k in range(points * 2):
        angle = math.pi * k / points + seed_shift
        r = 1.0 if k % 2 == 0 else 0.62 + 0.08 * math.sin(k * 1.7)
        shape.append((cx + math.cos(angle) * rx * r, cy + math.sin(angle) * ry * r))
    star = draw.polygon_layer(width, height, shape, colour)
    core = draw.radial(width, height, (cx, cy), (rx, ry), [(0.0, (255, 255, 255, 255)),
                                                           (1.0, (255, 255, 255, 60))])
    return draw.mask_alpha(star, draw.to_array(core)[..., 3] * draw.to_array(star)[..., 3])


def banner_picture(size, text, colours, with_burst):
    w, h = draw.pixels(size[0], size[1], ppu=40, min_height=64, max_side=1024)
    image = draw.blank(w, h)
    if with_burst:
        image = Image.alpha_composite(image, burst(w, h, (255, 170, 40, 150)))
        image = Image.alpha_composite(image, burst(w, h, (255, 90, 20, 110), 13, 0.4))
    box_w, box_h = (int(w * 0.86), int(h * 0.68)) if with_burst else (w, h)
    words = textart.banner(box_w, box_h, text, colours[0], colours[1],
                           glow_colour=(0, 0, 0, 255) if not with_burst else None)
    image.paste(words, ((w - box_w) // 2, (h - box_h) // 2), words)
    return image


def count_picture(n):
    size = 256
    ring = draw.rounded_box(size, size, (16, 16, size - 16, size - 16), size / 2 - 16,
                            (10, 12, 20, 150), (255, 255, 255, 230), 8)
    image = Image.alpha_composite(draw.glow(ring, 10, 0.8, (0, 0, 0, 255)), ring)
    digits = textart.banner(int(size * 0.78), int(size * 0.7), str(n), *WHITE,
                            face=textart.SANS_BOLD, fill=0.92)
    image.paste(digits, (int(size * 0.11), int(size * 0.15)), digits)
    return image


def point_picture(points, colours):
    size = 128
    top, bottom = colours
    badge = draw.rounded_box(size, size, (8, 8, size - 8, size - 8), size / 2 - 8,
                             bottom, (255, 255, 255, 255), 5)
    image = Image.alpha_composite(draw.glow(badge, 6, 1.0, (0, 0, 0, 255)), badge)
    text = textart.caption(int(size * 0.8), int(size * 0.6), "+%d" % points,
                           face=textart.SANS_BOLD, fill=0.95)
    image.paste(text, (int(size * 0.1), int(size * 0.2)), text)
    return image


def job_banners(names):
    files = FileSet()
    for name in names:
        size, text, colours, with_burst = BANNERS[name]
        add_sprite(files, MATCH + name + ".x", banner_picture(size, text, colours, with_burst))
    return files


def job_small():
    files = FileSet()
    for n in range(1, 11):
        add_sprite(files, MATCH + "Counting-%d.x" % n, count_picture(n))
    for side, colours in (("Blue", BLUE), ("Red", RED)):
        for points in (1, 2):
            add_sprite(files, MATCH + "Point-%d-%s.x" % (points, side),
                       point_picture(points, colours))
    return files


def jobs():
    names = sorted(BANNERS)
    return [("banners", "job_banners", tuple(names[i::4])) for i in range(4)] + \
        [("banners", "job_small")]
