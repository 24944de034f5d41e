"""Reading a generated pack the way the game names its files."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))


class Pack:
    def __init__(self, root):
        self.root = root

    def path(self, game_path):
        return os.path.join(self.root, game_path.replace("\\", "/"))

    def exists(self, game_path):
        return os.path.isfile(self.path(game_path))

    def read(self, game_path):
        with open(self.path(game_path), "rb") as handle:
            return handle.read()

    def all_files(self):
        out = []
        for folder, _, names in os.walk(self.root):
            for name in names:
                rel = os.path.relpath(os.path.join(folder, name), self.root)
                out.append(rel.replace(os.sep, "/"))
        return sorted(out)


def png_size_and_mode(data):
    """(width, height, colour type) of PNG bytes; raises ValueError when not a PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG file")
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    return width, height, depth, colour
