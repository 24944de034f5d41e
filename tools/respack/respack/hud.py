"""The match HUD: corner plates behind the bars, the round and clock plate, penalty marks and
the pause window."""

from PIL import Image, ImageDraw

from . import draw, textart
from .imageio import add_sprite
from .output import FileSet

MATCH = "Tavek_res\\gui\\matchScreen\\"
PPU = 32  # the plates: 16 x 4 units -> 512 x 128 pixels


def _u(value):
    return int(round(value * PPU))


def trough(width, height, box):
    """A dark recessed slot where a fill bar is drawn."""
    slot = draw.rounded_box(width, height, box, 5, (0, 0, 0, 190), (255, 255, 255, 60), 1)
    return slot


def corner_plate(colour, mirrored):
    """Plate of one side: x from the screen's edge to its middle, y from 11.5 down to 7.5.

    The bars lie at x 0.35 to 8.6 (health, y 9.625-10.375; balance, y 8.775-9.525), the name
    above them, the score near x 10.2 at y 8.9, the penalty marks at x 2.5 to 6.3, y 7.9 to 8.7.
    """
    w, h = _u(16), _u(4)
    c = colour
    image = draw.blank(w, h)
    # The body ends above the penalty places (y 8.7), so the marks drawn under it show whole.
    bottom = 2.8
    slant = 13.2 - 0.8 * (bottom - 0.15) / 3.0
    shape = [(0, _u(0.15)), (_u(13.2), _u(0.15)), (_u(slant), _u(bottom)), (0, _u(bottom))]
    body = draw.gradient(w, h, [(0.0, (c[0], c[1], c[2], 235)), (0.4, (c[0] // 2, c[1] // 2,
                                                                       c[2] // 2, 225)),
                                (0.8, (10, 12, 22, 215)), (1.0, (10, 12, 22, 0))])
    mask = draw.polygon_layer(w, h, shape, (255, 255, 255, 255))
    image = Image.alpha_composite(image, draw.mask_alpha(body, draw.to_array(mask)[..., 3]))
    edge = draw.blank(w, h)
    d = ImageDraw.Draw(edge)
    d.line([(0, _u(0.15)), (_u(13.2), _u(0.15))], fill=(255, 255, 255, 150), width=2)
    d.line([(_u(13.2), _u(0.15)), (_u(slant), _u(bottom))], fill=c, width=3)
    d.line([(0, _u(bottom)), (_u(slant), _u(bottom))], fill=c, width=3)
    image = Image.alpha_composite(image, edge)
    for top in (1.125, 1.975):
        image = Image.alpha_composite(image, trough(w, h, (_u(0.3), _u(top - 0.05),
                                                           _u(8.65), _u(top + 0.8))))
    if mirrored:
        image = image.transpose(Image.FLIP_LEFT_RIGHT)
    # The score and the penalty places are not mirror images of the other side's: the right
    # score stands at x 6.7 and the right penalty places at x 9.5 to 13.3 of this plate.
    score_centre, first_place = (6.7, 9.5) if mirrored else (10.2, 2.5)
    score = draw.rounded_box(w, h, (_u(score_centre - 0.85), _u(2.05), _u(score_centre + 0.85),
                                    _u(3.05)), 6, (0, 0, 0, 200), c, 2)
    image = Image.alpha_composite(image, score)
    for k in range(4):  # empty penalty places: rims only, as the plate is drawn over the marks
        x0 = _u(first_place + k)
        ring = draw.rounded_box(w, h, (x0 + 3, _u(2.85), x0 + _u(0.8) - 3, _u(3.55)), 5,
                                (0, 0, 0, 0), (255, 255, 255, 90), 1)
        image = Image.alpha_composite(image, ring)
    return image


def clock_plate():
    """Round and clock plate, 4 x 4 units at the top centre."""
    w = h = _u(4)
    image = draw.blank(w, h)
    shape = [(_u(0.2), _u(0.1)), (_u(3.8), _u(0.1)), (_u(3.8), _u(3.0)), (_u(2.0), _u(3.9)),
             (_u(0.2), _u(3.0))]
    body = draw.gradient(w, h, [(0.0, (40, 46, 64, 250)), (1.0, (8, 10, 18, 250))])
    mask = draw.polygon_layer(w, h, shape, (255, 255, 255, 255))
    plate = draw.mask_alpha(body, draw.to_array(mask)[..., 3])
    rim = draw.blank(w, h)
    ImageDraw.Draw(rim).line(shape + [shape[0]], fill=draw.GOLD, width=3)
    image = Image.alpha_composite(image, draw.glow(mask, 4, 0.6, (0, 0, 0, 255)))
    image = Image.alpha_composite(image, plate)
    image = Image.alpha_composite(image, rim)
    label = textart.caption(_u(3.6), _u(0.6), "ROUND", colour=draw.GOLD_LIGHT, fill=0.8)
    image.paste(label, (_u(0.2), _u(0.3)), label)
    inset = draw.rounded_box(w, h, (_u(0.55), _u(2.6), _u(3.45), _u(3.5)), 6, (0, 0, 0, 230),
                             (255, 255, 255, 70), 1)
    return Image.alpha_composite(image, inset)


def penalty_mark(full):
    size = 64
    card = (size * 0.22, size * 0.1, size * 0.78, size * 0.9)
    yellow = (255, 205, 40, 255)
    outline = draw.rounded_box(size, size, card, 6, (0, 0, 0, 0), (20, 16, 0, 255), 4)
    if full:
        body = draw.rounded_box(size, size, card, 6, yellow)
    else:
        half = draw.polygon_layer(size, size, [(card[0], card[3]), (card[2], card[1]),
                                               (card[2], card[3])], yellow)
        clip = draw.rounded_box(size, size, card, 6, (255, 255, 255, 255))
        body = draw.mask_alpha(half, draw.to_array(clip)[..., 3])
        body = Image.alpha_composite(draw.rounded_box(size, size, card, 6, (60, 50, 10, 160)),
                                     body)
    image = Image.alpha_composite(body, outline)
    return Image.alpha_composite(draw.glow(image, 3, 0.8, (0, 0, 0, 255)), image)


def pause_window():
    w, h = draw.pixels(19.625, 9.75, ppu=40)
    image = draw.blank(w, h)
    panel = draw.rounded_box(w, h, (6, 6, w - 6, h - 6), 22, (8, 12, 24, 235),
                             (110, 160, 255, 255), 3)
    image = Image.alpha_composite(image, draw.glow(panel, 8, 0.7, (40, 100, 255, 255)))
    image = Image.alpha_composite(image, panel)
    title = draw.gradient(w, int(h * 0.2), [(0.0, (50, 100, 200, 220)), (1.0, (20, 40, 90, 220))])
    clip = draw.rounded_box(w, h, (9, 9, w - 9, h - 9), 20, (255, 255, 255, 255))
    band = draw.blank(w, h)
    band.paste(title, (0, 9))
    image = Image.alpha_composite(image, draw.mask_alpha(band, draw.to_array(clip)[..., 3] *
                                                         (draw.to_array(band)[..., 3] > 0)))
    d = ImageDraw.Draw(image)
    d.line([(24, 9 + int(h * 0.2)), (w - 24, 9 + int(h * 0.2))], fill=(150, 190, 255, 255), width=2)
    return image


def job_hud():
    files = FileSet()
    add_sprite(files, MATCH + "blue_bar.x", corner_plate(draw.BLUE, False))
    add_sprite(files, MATCH + "red_bar.x", corner_plate(draw.RED, True))
    add_sprite(files, MATCH + "round_and_timer.x", clock_plate())
    add_sprite(files, MATCH + "penalty_full.x", penalty_mark(True))
    add_sprite(files, MATCH + "penalty_half.x", penalty_mark(False))
    add_sprite(files, "Tavek_res\\gui\\traitScreen\\traitPopUp\\00_main_window.x", pause_window())
    return files


def jobs():
    return [("hud", "job_hud")]
