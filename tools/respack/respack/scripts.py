"""The AI scripts: kept by hand in tools/respack/scripts/ and copied byte for byte."""
import os

from .output import FileSet

SOURCE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "scripts")
FOLDER = "Tavek_res\\scripts\\"


def names():
    return sorted(n for n in os.listdir(SOURCE) if n.endswith(".py"))


def make():
    files = FileSet()
    for name in names():
        with open(os.path.join(SOURCE, name), "rb") as handle:
            files.add(FOLDER + name, handle.read())
    return files


def jobs():
    return [("scripts", "make")]
