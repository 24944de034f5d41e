#!/usr/bin/python3
"""Draws mock screens from a generated pack the way the game lays its pictures out.

    preview.py --pack build/game --out /tmp/previews

Only for looking at the pack: sprites are placed with the game's conventions (32 x 24 units,
location = left edge and vertical middle, y up) and captions are drawn with the pack's font.
"""
import argparse
import os
import sys

sys.dont_write_bytecode = True

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))



PPU = 30


class Screen:
    def __init__(self, pack):
        self.pack = pack
        self.image = Image.new("RGBA", (32 * PPU, 24 * PPU), (0, 0, 0, 255))
        self.font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                       int(0.7 * PPU))

    def texture(self, sprite):
        path = os.path.join(self.pack, sprite.replace("\\", "/")[:-1] + "png")
        return Image.open(path).convert("RGBA")

    def sprite(self, sprite, x, y, w, h, alpha=1.0, colour=None):
        """x, y: screen units (x from -16, y up); the sprite's left edge and vertical middle."""
        tex = self.texture(sprite).resize((max(1, int(w * PPU)), max(1, int(h * PPU))),
                                          Image.BILINEAR)
        if colour is not None or alpha != 1.0:
            r, g, b, a = colour or (1, 1, 1, alpha)
            bands = [band.point(lambda v, f=f: int(v * f)) for band, f in
                     zip(tex.split(), (r, g, b, a))]
            tex = Image.merge("RGBA", bands)
        px, py = int((x + 16) * PPU), int((12 - (y + h / 2.0)) * PPU)
        layer = Image.new("RGBA", self.image.size, (0, 0, 0, 0))
        layer.paste(tex, (px, py))
        self.image = Image.alpha_composite(self.image, layer)

    def text(self, text, x, y, size=0.7, centred=False):
        font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                  max(6, int(size * 0.75 * PPU)))
        d = ImageDraw.Draw(self.image)
        px, py = (x + 16) * PPU, (12 - y) * PPU
        anchor = "mm" if centred else "lm"
        d.text((px, py), text, font=font, fill=(255, 255, 255, 255), anchor=anchor,
               stroke_width=1, stroke_fill=(0, 0, 0, 255))

    def save(self, path):
        self.image.convert("RGB").save(path)


def main_menu(pack):
    s = Screen(pack)
    s.sprite("Tavek_res\\gui\\general\\main-bg.x", -16, 0, 32, 24)
    s.sprite("Tavek_res\\gui\\general\\main-fighter.x", -16, 0, 16, 24)
    s.sprite("Tavek_res\\gui\\general\\main-logo.x", -16 + 22.25 - 5.25, 6.0, 10.5, 7.0)
    items = [("quickmatch", "Quick Match"), ("championship", "Championship"),
             ("options", "Game Options"), ("practice", "Practice"), ("exit", "Exit Game")]
    for i, (item, caption) in enumerate(items):
        y = -0.5 - 2 * i
        for part in (1, 2):
            s.sprite("Tavek_res\\gui\\mainMenu\\main-dot-%s-%d.x" % (item, part), 3, y, 7, 1.5)
        s.sprite("default_res\\sprites\\buttonOn.x" if i == 0 else
                 "default_res\\sprites\\buttonOff.x", 3, y, 1.5, 1.5)
        s.text(caption, 5.0, y)
    s.sprite("default_res\\sprites\\cursor.x", 4.2, -0.9 + 0.5, 1, 1)
    return s


def quick_match(pack):
    s = Screen(pack)
    q = "Tavek_res\\gui\\quickMatchScreen\\"
    s.sprite("Tavek_res\\gui\\general\\main-bg.x", -16, 0, 32, 24)
    table = [(q + "00_quick-match-text.x", 6, 1.25, 1, 10.25),
             ("Tavek_res\\gui\\global\\title_bkgd.x", 30, 1.5, 1, 10.5),
             (q + "01_shade-red-1.x", 11, 7.75, 18, 3.85), (q + "01_shade-blue-1.x", 11, 7.75, 3, 3.85),
             (q + "01_red-bar.x", 11, 1, 18, 8), (q + "01_blue-bar.x", 11, 1, 3, 8),
             (q + "01_shade-red-2.x", 11, 1, 18, -0.5), (q + "01_shade-blue-2.x", 11, 1, 3, -0.5),
             (q + "00_vs-text.x", 2, 1, 15, 4), (q + "00_select-arena-text.x", 6, 0.5, 13, -4.5),
             (q + "00_number_rounds.x", 4.7, 0.25, 6, -2), (q + "00_length_round.x", 4.7, 0.25, 22, -2)]
    for sprite, w, h, ox, oy in table[1:] + table[:1]:
        s.sprite(sprite, -16 + ox, oy, w, h)
    for x in (3.5, 18.5):
        for y, caption in ((6.875, "Fighter"), (-0.5, "Keyboard" if x < 10 else "CPU")):
            s.sprite("Tavek_res\\gui\\general\\Select-Arrow-L2.x", -16 + x, y, 1, 1)
            s.sprite("Tavek_res\\gui\\general\\Select-Arrow-R2.x", -16 + x + 9, y, 1, 1)
            s.text(caption, -16 + x + 5, y, centred=True)
    for x, y, cap in ((3.5, -3, "1"), (18.5, -3, "1:00")):
        s.sprite(q + "00_background_sample.x", -16 + x, y, 10, 1)
        s.sprite("Tavek_res\\gui\\general\\Select-Arrow-L2.x", -16 + x, y, 1, 1)
        s.sprite("Tavek_res\\gui\\general\\Select-Arrow-R2.x", -16 + x + 9, y, 1, 1)
        s.text(cap, -16 + x + 5, y, centred=True)
    for side, x in (("blue", 9), ("red", 24)):
        for i, cap in enumerate(["Age:", "Gender:", "Rank:", "Stamina:", "Training:", "Power:",
                                 "Disruption:", "Speed:"]):
            y = 6 - 0.75 * i
            s.text(cap, -16 + x - 3.2, y, size=0.55)
            if i >= 3:
                s.sprite("Tavek_res\\gui\\general\\%s.x" % side, -16 + x, y, 3.5 * 0.8, 0.4)
    for i, name in enumerate(["Dojang", "Local", "State", "National", "World"]):
        part = "-2" if i == 3 else "-1"
        s.sprite(q + "Arena-%s%s.x" % (name, part), -16 + 5 + 4.5 * i, -7.5, 4, 4)
        s.sprite("default_res\\sprites\\buttonOff.x", -16 + 5 + 4.5 * i, -7.5, 4, 4)
    s.sprite("Tavek_res\\gui\\optionScreen\\button_back2.x", -16 + 2, -10.5, 3.25, 1)
    s.sprite(q + "02_fight-now2.x", -16 + 23, -10.5, 6.25, 1.25)
    return s


def options(pack):
    s = Screen(pack)
    o = "Tavek_res\\gui\\optionScreen\\"
    s.sprite("Tavek_res\\gui\\general\\main-bg.x", -16, 0, 32, 24)
    parts = [("Tavek_res\\gui\\gameSetupScreen\\zel_rud_options_03_head_fad.x", 30, 1.5, 1, 10.5),
             (o + "01_game_options_hdr.x", 6.4, 1.25, 1, 10.5),
             (o + "00_difficulty.x", 4.4375, 0.35, 13.8125, 7.0),
             (o + "00_knockdowns.x", 1.5938, 0.35, 15.2031, 4.5),
             (o + "00_music_volume.x", 3.75, 0.35, 9.0, 2.0),
             (o + "00_sound_volume.x", 6.25, 0.35, 18.0, 2.0),
             (o + "00_controller.x", 5.625, 0.35, 13.1875, -0.5),
             (o + "00_rumble.x", 4.375, 0.35, 13.8125, -3.0),
             (o + "00_camera.x", 6.25, 0.35, 12.875, -5.5)]
    for sprite, w, h, ox, oy in parts:
        s.sprite(sprite, -16 + ox, oy, w, h)
    for x, y, cap in ((11.925, 6.0, "Medium"), (11.925, 3.5, "Standard"), (7.0, 1.0, "10"),
                      (16.85, 1.0, "8"), (11.925, -1.5, "Keyboard"), (11.925, -4.0, "On"),
                      (11.925, -6.5, "Normal")):
        s.sprite("Tavek_res\\gui\\quickMatchScreen\\00_background_sample.x", -16 + x, y, 8.15, 1)
        s.sprite("Tavek_res\\gui\\general\\Select-Arrow-L2.x", -16 + x, y, 1, 1)
        s.sprite("Tavek_res\\gui\\general\\Select-Arrow-R2.x", -16 + x + 7.15, y, 1, 1)
        s.text(cap, -16 + x + 4.075, y, centred=True)
    s.sprite(o + "button_back1.x", -16 + 2, -10.5, 3.25, 1)
    s.sprite(o + "button_save1.x", -16 + 26, -10.5, 3.25, 1)
    return s


def match_hud(pack, banner, scale):
    s = Screen(pack)
    m = "Tavek_res\\gui\\matchScreen\\"
    s.image.paste((46, 60, 52, 255), (0, 0) + s.image.size)
    s.sprite("Tavek_res\\gui\\general\\main-bg.x", -16, 0, 32, 24, alpha=0.5)
    s.sprite(m + "blue_bar.x", -16, 9.5, 16, 4)
    s.sprite(m + "red_bar.x", 0, 9.5, 16, 4)
    s.sprite(m + "round_and_timer.x", -2, 9.5, 4, 4)
    s.sprite("Tavek_res\\gui\\general\\blue.x", -16 + 0.35, 10.0, 8.25 * 0.8, 0.75)
    s.sprite("Tavek_res\\gui\\general\\blue.x", -16 + 0.35, 9.15, 8.25 * 0.6, 0.75)
    s.sprite("Tavek_res\\gui\\general\\red.x", -16 + 23.4 + 8.25 * 0.3, 10.0, 8.25 * 0.7, 0.75)
    s.sprite("Tavek_res\\gui\\general\\red.x", -16 + 23.4 + 8.25 * 0.1, 9.15, 8.25 * 0.9, 0.75)
    s.sprite(m + "penalty_full.x", -16 + 2.5, 8.3, 0.8, 0.8)
    s.sprite(m + "penalty_half.x", -16 + 3.5, 8.3, 0.8, 0.8)
    s.sprite(m + "penalty_half.x", -16 + 25.5, 8.3, 0.8, 0.8)
    s.text("Minho Park", -13.35, 10.8, 0.35 * 1.6)
    s.text("Sora Kim", 7.75, 10.8, 0.35 * 1.6)
    s.text("1", 0.0, 10.15, 0.35 * 1.6)
    s.text("0:42:17", -1.25, 8.43, 0.35 * 1.6)
    s.text("3", -5.8, 8.9, 0.7, centred=True)
    s.text("1", 6.7, 8.9, 0.7, centred=True)
    w, h = scale
    s.sprite(m + banner + ".x", -w / 2.0, 0, w, h)
    return s


def pause_dialog(pack):
    s = match_hud(pack, "Point-2-Red", (2, 2))
    s.sprite("Tavek_res\\gui\\general\\black.x", -16, 0, 32, 24, colour=(0, 0, 0, 0.5))
    s.sprite("Tavek_res\\gui\\traitScreen\\traitPopUp\\00_main_window.x", -9.8, 0, 19.625, 9.75)
    s.text("Game paused", -9.8 + 1.3, 3.0)
    # Message box style frame (super border, thickness 0.25) with two buttons.
    x, y, w, h, t = -8, -8.0, 16, 3.0, 0.25
    s.sprite("Tavek_res\\gui\\general\\black.x", x, y, w, h)
    g = "Tavek_res\\gui\\general\\Border-"
    for name, sx, sy, sw, sh in (("Top", x + t / 2, y + h / 2, w - t, t),
                                 ("Top-Right", x + w - t / 2, y + h / 2, t, t),
                                 ("Right", x + w - t / 2, y, t, h - t),
                                 ("Bot-Right", x + w - t / 2, y - h / 2, t, t),
                                 ("Bot", x + t / 2, y - h / 2, w - t, t),
                                 ("Bot-Left", x - t / 2, y - h / 2, t, t),
                                 ("Left", x - t / 2, y, t, h - t),
                                 ("Top-Left", x - t / 2, y + h / 2, t, t)):
        s.sprite(g + name + ".x", sx, sy, sw, sh)
    s.sprite("default_res\\sprites\\buttonOff.x", -6, -8.6, 4, 1)
    s.sprite("default_res\\sprites\\buttonOn.x", 2, -8.6, 4, 1)
    s.text("OK", -4, -8.6, centred=True)
    s.text("Cancel", 4, -8.6, centred=True)
    s.text("A message box", -7, -7.6, 0.6)
    return s


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pack", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    main_menu(args.pack).save(os.path.join(args.out, "main_menu.png"))
    quick_match(args.pack).save(os.path.join(args.out, "quick_match.png"))
    options(args.pack).save(os.path.join(args.out, "options.png"))
    match_hud(args.pack, "Fight", (19.6, 13.244)).save(os.path.join(args.out, "hud_fight.png"))
    match_hud(args.pack, "Knockdown", (17.78, 7.79)).save(os.path.join(args.out, "hud_knockdown.png"))
    match_hud(args.pack, "Counting-7", (5, 5)).save(os.path.join(args.out, "hud_count.png"))
    pause_dialog(args.pack).save(os.path.join(args.out, "pause.png"))


if __name__ == "__main__":
    main()
