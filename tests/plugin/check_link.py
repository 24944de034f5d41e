#!/usr/bin/env python3
"""Fails unless the plug-in library exports exactly its six functions, needs no engine,
interpreter or archive library, and leaves no engine function to be bound at load time."""
import re
import subprocess
import sys

EXPORTS = {"LibInit", "PreInit", "Init", "Run", "Exit", "PostExit"}
FORBIDDEN = ("libvuzirovari", "libpython", "libarchive")


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def main(library):
    problems = []
    defined = {line.split()[-1] for line in run("nm", "-D", "--defined-only", library).splitlines()
               if line.strip()}
    if defined != EXPORTS:
        problems.append("defined dynamic symbols %s, expected %s" % (sorted(defined), sorted(EXPORTS)))
    needed = re.findall(r"\(NEEDED\).*\[(.*)\]", run("readelf", "-d", library))
    problems += ["needs %s" % name for name in needed if name.startswith(FORBIDDEN)]
    undefined = [line.split()[-1] for line in run("nm", "-D", "--undefined-only", library).splitlines()
                 if line.strip()]
    problems += ["binds the engine function %s at load" % name for name in undefined
                 if re.match(r"^i[A-Z]", name)]
    print("\n".join(problems) or "The plug-in exports its six functions and reaches the engine only "
          "through its table.")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
