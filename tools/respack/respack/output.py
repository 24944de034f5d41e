"""Game paths and the files a generator job hands back.

Game paths are written the way the game names them: backslashes and exact letter case,
for example "Tavek_res\\gui\\general\\black.x". On disk they become folders joined with '/'.
"""


def host_path(game_path):
    """Relative host path of a game path: backslashes become slashes, case is kept."""
    if game_path.startswith(("\\", "/")) or ".." in game_path.replace("\\", "/").split("/"):
        raise ValueError("game path must be relative and stay inside the pack: %r" % game_path)
    return game_path.replace("\\", "/")


class FileSet:
    """An ordered set of (game path, bytes) produced by one job."""

    def __init__(self):
        self.files = {}

    def add(self, game_path, data):
        key = host_path(game_path)
        if key in self.files:
            raise ValueError("file produced twice: %s" % game_path)
        if not isinstance(data, (bytes, bytearray)):
            raise TypeError("file contents must be bytes: %s" % game_path)
        self.files[key] = bytes(data)

    def merge(self, other):
        for key, data in other.files.items():
            self.add(key, data)

    def items(self):
        return sorted(self.files.items())
