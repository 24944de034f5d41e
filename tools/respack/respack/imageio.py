"""Deterministic PNG bytes (RGBA, no time stamp, no text chunks)."""
import io

from . import xfile
from .bleed import bleed


def png_bytes(image, level=9):
    """PNG bytes; level 6 (the fighters' and arenas' big pictures) is ten times faster than 9."""
    buffer = io.BytesIO()
    bleed(image).save(buffer, format="PNG", optimize=False, compress_level=level)
    return buffer.getvalue()


def png_companion(sprite_path):
    """The texture that goes with a sprite: the name without its last character, then "png"."""
    return sprite_path[:-1] + "png"


def add_sprite(files, sprite_path, image):
    """Adds a sprite (.x quad) and its .png companion to a FileSet."""
    png = png_companion(sprite_path)
    files.add(sprite_path, xfile.quad(png.split("\\")[-1]))
    files.add(png, png_bytes(image))
