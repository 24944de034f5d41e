"""The page the game opens when it ends: a small local page in the game folder, plain HTML
with no script and no outside address."""
from .output import FileSet

PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Brennock</title>
<style>
body { background: #10141c; color: #e8e8e8; font-family: sans-serif; margin: 3em auto; max-width: 36em; }
h1 { color: #f0c040; letter-spacing: 0.1em; }
</style>
</head>
<body>
<h1>Brennock</h1>
<p>Thank you for playing Brennock, the martial-arts sparring game under Olympic-style kicking rules.</p>
<p>This copy was built on your own machine from its source folder: the program with
<code>bash tools/play.sh</code>, and every picture, sound, arena and fighter by the game's own
resource pack generator. Everything you need to play it again is in this folder.</p>
</body>
</html>
"""


def make():
    files = FileSet()
    files.add("purchase.html", PAGE.encode("utf-8"))
    return files


def jobs():
    return [("purchase", "make")]
