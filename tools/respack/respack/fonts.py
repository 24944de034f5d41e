"""The game's bitmap fonts: a 16 x 16 cell glyph atlas (.dds), a width table (.wid) with the
real advances of the DejaVu glyphs, and one glyph sprite per character code (name_XX.x).
"""
import numpy as np
from PIL import Image, ImageDraw

from . import dds, draw, textart, widths, xfile
from .output import FileSet

CELLS = 16
EM_RATIO = 0.75          # em size of the face in cell widths
# The five GUI fonts print captions as small as 7 pixels a cell: their glyphs fill more of it.
GUI_EM_RATIO = 0.875
BASELINE_RATIO = 25 / 32  # baseline, from the cell's top, in cell heights
PEN_RATIO = 1 / 16        # pen start, from the cell's left edge, in cell widths

# (font file without extension, cell pixels, face, fill, outline)
GAME_FONTS = [
    ("default_res\\fontblairblack\\BlairMdITC TT", 32, textart.SANS_BOLD,
     (14, 14, 18, 255), (255, 255, 255, 70)),
    ("default_res\\fontblairblack30\\BlairMdITC TT", 48, textart.SANS_BOLD,
     (14, 14, 18, 255), (255, 255, 255, 70)),
    ("default_res\\fontblairwhite30\\BlairMdITC TT", 48, textart.SANS_BOLD,
     (255, 255, 255, 255), (0, 0, 0, 190)),
    ("default_res\\fontblairblue30\\BlairMdITC TT", 48, textart.SANS_BOLD,
     (95, 170, 255, 255), (0, 8, 30, 200)),
    ("default_res\\fontblairwhite\\BlairMdITC TT", 32, textart.SANS_BOLD,
     (255, 255, 255, 255), (0, 0, 0, 190)),
    ("default_res\\fontimpactblack\\Impact", 32, textart.CONDENSED_BOLD,
     (14, 14, 18, 255), (255, 255, 255, 70)),
    ("default_res\\fontimpactwhite\\Impact", 32, textart.CONDENSED_BOLD,
     (255, 255, 255, 255), (0, 0, 0, 190)),
]


def printable(code):
    """Character codes (Latin-1) that get a glyph: 32-126 and 160-255."""
    return 32 <= code <= 126 or 160 <= code <= 255


def metrics(cell, em_ratio=EM_RATIO):
    em = int(round(cell * em_ratio))
    baseline = int(round(cell * BASELINE_RATIO))
    pen = max(1, int(round(cell * PEN_RATIO)))
    return em, baseline, pen


def render_atlas(cell, face, fill, outline, overrides=None, em_ratio=EM_RATIO):
    """(RGBA atlas image, 256 widths) for a face; overrides maps a code to (cell image, width)."""
    overrides = overrides or {}
    em, baseline, pen = metrics(cell, em_ratio)
    f = textart.font(face, em)
    stroke = 1 if cell <= 32 else 2
    size = cell * CELLS
    body = Image.new("L", (size, size), 0)
    ring = Image.new("L", (size, size), 0)
    body_draw, ring_draw = ImageDraw.Draw(body), ImageDraw.Draw(ring)
    table = [widths.DEFAULT_WIDTH] * 256
    for code in range(256):
        if code in overrides or not printable(code):
            continue
        ch = bytes([code]).decode("latin-1")
        x0, y0 = (code % CELLS) * cell, (code // CELLS) * cell
        # Draw inside the cell only: clip by drawing on a cell-sized canvas first.
        for target, width in ((body, 0), (ring, stroke)):
            glyph = Image.new("L", (cell, cell), 0)
            ImageDraw.Draw(glyph).text((pen, baseline), ch, font=f, fill=255, anchor="ls",
                                       stroke_width=width, stroke_fill=255)
            target.paste(glyph, (x0, y0))
        table[code] = f.getlength(ch) / cell
    del body_draw, ring_draw
    atlas = draw.blank(size, size)
    if outline is not None:
        atlas = Image.alpha_composite(atlas, draw.fill_mask(ring, outline))
    atlas = Image.alpha_composite(atlas, draw.fill_mask(body, fill))
    for code, (picture, width) in overrides.items():
        x0, y0 = (code % CELLS) * cell, (code // CELLS) * cell
        atlas.paste(picture.resize((cell, cell), Image.LANCZOS) if picture.size != (cell, cell)
                    else picture, (x0, y0))
        table[code] = width
    # Code 0 is always fully transparent.
    arr = np.asarray(atlas).copy()
    arr[0:cell, 0:cell, 3] = 0
    return Image.fromarray(arr, "RGBA"), table


def glyph_name(base, code):
    return "%s_%02x.x" % (base, code)


def add_font(files, base, atlas, table, texture_name=None):
    """name.wid, name.dds and the 256 glyph sprites name_XX.x of one font."""
    texture = texture_name or base.split("\\")[-1] + ".dds"
    files.add(base + ".wid", widths.encode(table))
    files.add(base + ".dds", dds.encode(atlas))
    for code in range(256):
        files.add(glyph_name(base, code), xfile.glyph_quad(texture, code, CELLS))


def job_game_font(index):
    base, cell, face, fill, outline = GAME_FONTS[index]
    files = FileSet()
    em_ratio = GUI_EM_RATIO if "BlairMdITC" in base else EM_RATIO
    atlas, table = render_atlas(cell, face, fill, outline, em_ratio=em_ratio)
    add_font(files, base, atlas, table)
    return files


def jobs():
    return [("fonts", "job_game_font", i) for i in range(len(GAME_FONTS))]
