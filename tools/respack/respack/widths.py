"""Font width files (.wid): 256 lines, line i holds the advance of character code i.

Widths are in units of the character cell width. Lines are written the way the font-width
editor writes them: the width with four significant digits followed by "0", a blank, two
slashes and, for codes 32 to 126, the character itself; LF line ends.
"""

DEFAULT_WIDTH = 0.8


def gcvt4(value):
    """The C runtime's _gcvt(value, 4) text for widths in the usual 0.001 .. 999 range."""
    text = "%.4g" % value
    if "e" in text:
        raise ValueError("width out of range: %r" % value)
    if "." not in text:
        text += "."
    return text


def encode(widths):
    if len(widths) != 256:
        raise ValueError("a width table has 256 entries")
    lines = []
    for code, width in enumerate(widths):
        if not width > 0:
            width = DEFAULT_WIDTH
        line = gcvt4(width) + "0 //"
        if 32 <= code <= 126:
            line += chr(code)
        lines.append(line + "\n")
    return "".join(lines).encode("latin-1")


def parse(data):
    """The 256 widths a game reader gets from .wid bytes (the reading rules of the toolkit)."""
    widths = [DEFAULT_WIDTH] * 256
    lines = data.split(b"\n")[:-1]  # a last line without LF is not read
    for code, raw in enumerate(lines[:256]):
        text = raw.decode("latin-1").rstrip("\r")
        number = ""
        for ch in text:
            if ch in " /":
                break
            number += ch
        try:
            value = float(number)
        except ValueError:
            value = 0.0
        widths[code] = value if value != 0.0 else DEFAULT_WIDTH
    return widths
