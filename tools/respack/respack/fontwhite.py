"""default_res\\fontwhite\\: the toolkit's glyph sprites and the white sprite font.

fonts.dds (and the identical font.dds) is a white DejaVu Sans atlas in which a few cells hold
pictures instead of letters: 0x00 is fully transparent (every widget's mouse pick area),
0x60 is the fall-back glyph of sprite text, 0x62 and 0x63 are the cursor types 1 and 2, and
0x68 to 0x6c are small widget icons. Sprites created without the glyph flag take their
texture from font_XX.png, which is a copy of the whole atlas, so the same quad works both ways
(the plug-in, which makes every sprite by path, needs that for the pick area and the cursors).
"""
from . import fonts, icons, imageio, textart
from .output import FileSet

BASE = "default_res\\fontwhite\\font"
CELL = 32
PNG_COMPANIONS = (0x00, 0x60, 0x62, 0x63, 0x68, 0x69, 0x6A, 0x6B, 0x6C)


def icon_cells():
    size = CELL * 4
    pictures = {
        0x60: icons.missing_glyph(size, (255, 255, 255, 230)),
        0x62: icons.pointer(size, (110, 175, 255, 255), (0, 0, 0, 255)),
        0x63: icons.pointer(size, (255, 120, 110, 255), (0, 0, 0, 255)),
        0x68: icons.triangle(size, "left", (255, 255, 255, 255)),
        0x69: icons.triangle(size, "right", (255, 255, 255, 255)),
        0x6A: icons.triangle(size, "up", (255, 255, 255, 255)),
        0x6B: icons.triangle(size, "down", (255, 255, 255, 255)),
        0x6C: icons.check_mark(size, (255, 255, 255, 255)),
    }
    return {code: (picture, 1.0) for code, picture in pictures.items()}


def job_fontwhite():
    files = FileSet()
    atlas, table = fonts.render_atlas(CELL, textart.SANS, (255, 255, 255, 255), (0, 0, 0, 170),
                                      icon_cells())
    # Glyph sprites made with the glyph flag take fonts.dds; the font itself takes font.dds.
    fonts.add_font(files, BASE, atlas, table, texture_name="fonts.dds")
    files.add("default_res\\fontwhite\\fonts.dds", files.files["default_res/fontwhite/font.dds"])
    png = imageio.png_bytes(atlas)
    for code in PNG_COMPANIONS:
        files.add(imageio.png_companion(fonts.glyph_name(BASE, code)), png)
    return files


def jobs():
    return [("fontwhite", "job_fontwhite")]
