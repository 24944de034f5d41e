#!/usr/bin/python3
"""Checks that generating the pack twice writes the same bytes and time stamps.

    check_deterministic.py [--pack build/game --stamp build/respack.stamp] [--jobs N] [--keep]

With --pack and --stamp, the first run is the one that wrote the game folder: its stamp lists
every file it wrote, and one fresh run into a temporary folder is compared with that list (as
long as the stamp is the generator's current one). Otherwise the pack is generated twice into
two temporary folders.
"""
import argparse
import importlib.util
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(os.path.dirname(HERE), "generate.py")


def generator():
    spec = importlib.util.spec_from_file_location("respack_generate", GENERATOR)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def listing(lines):
    """{path: (sha256, mtime_ns)} of manifest lines."""
    out = {}
    for line in lines:
        digest, mtime, path = line.split(" ", 2)
        out[path] = (digest, mtime)
    return out


def recorded(gen, pack, stamp):
    """What the run that wrote the game folder wrote, or None when its stamp is not current."""
    if not (pack and stamp and os.path.isfile(stamp)):
        return None
    with open(stamp, encoding="utf-8") as handle:
        lines = handle.read().splitlines()
    if len(lines) < 2 or lines[0].strip() != gen.input_digest():
        return None
    return listing(lines[1:])


def generate(work, run, jobs):
    out = os.path.join(work, run, "game")
    command = [sys.executable, GENERATOR, "--out", out] + (["--jobs", str(jobs)] if jobs else [])
    result = subprocess.run(command, check=False)
    if result.returncode != 0:
        sys.exit("check_deterministic: the %s run failed" % run)
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pack", help="the game folder the build generated")
    parser.add_argument("--stamp", help="the stamp written with it")
    parser.add_argument("--jobs", type=int, help="processes per run (the generator's default)")
    parser.add_argument("--keep", action="store_true", help="keep the generated folders")
    args = parser.parse_args()
    gen = generator()
    first = recorded(gen, args.pack, args.stamp)
    work = tempfile.mkdtemp(prefix="respack-twice-")
    try:
        if first is None:
            first = listing(gen.manifest(generate(work, "first", args.jobs)))
        else:
            print("check_deterministic: comparing a fresh run with %s" % args.pack)
        second = listing(gen.manifest(generate(work, "second", args.jobs)))
        problems = []
        if sorted(first) != sorted(second):
            problems.append("the two runs wrote different file lists: %s" %
                            sorted(set(first) ^ set(second))[:10])
        for name in sorted(set(first) & set(second)):
            if first[name][0] != second[name][0]:
                problems.append("different bytes: %s" % name)
            elif first[name][1] != second[name][1]:
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
