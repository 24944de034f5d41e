#!/usr/bin/python3
"""Generates the pack twice into two fresh folders and checks that every byte is the same.

    check_deterministic.py [--keep]
"""
import argparse
import filecmp
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(os.path.dirname(HERE), "generate.py")


def tree(root):
    out = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            out[os.path.relpath(path, root)] = path
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--keep", action="store_true", help="keep the two folders")
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="respack-twice-")
    try:
        folders = []
        for run in ("first", "second"):
            out = os.path.join(work, run, "game")
            result = subprocess.run([sys.executable, GENERATOR, "--out", out], check=False)
            if result.returncode != 0:
                sys.exit("check_deterministic: the %s run failed" % run)
            folders.append(out)
        first, second = tree(folders[0]), tree(folders[1])
        problems = []
        if sorted(first) != sorted(second):
            problems.append("the two runs wrote different file lists: %s" %
                            sorted(set(first) ^ set(second))[:10])
        for name in sorted(set(first) & set(second)):
            if not filecmp.cmp(first[name], second[name], shallow=False):
                problems.append("different bytes: %s" % name)
            elif os.stat(first[name]).st_mtime != os.stat(second[name]).st_mtime:
                problems.append("different time stamps: %s" % name)
        for problem in problems[:20]:
            print("FAIL: " + problem)
        print("%d passed, %d failed" % (len(first) - len(problems), len(problems)))
        sys.exit(1 if problems else 0)
    finally:
        if args.keep:
            print("kept in %s" % work)
        else:
            shutil.rmtree(work)


if __name__ == "__main__":
    main()
