#!/usr/bin/python3
"""Generates Brennock's resource pack into a game folder.

    generate.py --out build/game [--jobs N] [--stamp FILE] [--only MODULE ...]

Writes default_res/ and Tavek_res/ (every file loose, exact names and case) and graphics.qmx.
Anything else in the game folder (saveData/, drive_c/) is left alone. The output depends only
on the generator's sources and the installed tools; with --stamp, a run whose inputs did not
change since the stamp was written does nothing.
"""
import argparse
import hashlib
import importlib
import multiprocessing
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from respack import archive  # noqa: E402
from respack.output import FileSet  # noqa: E402

MODULES = ["fonts", "fontwhite", "skin", "menus", "setup", "hud", "banners", "plugin_sprites",
           "sfx", "voices", "crowd", "music", "tables", "arenas", "bodymesh", "fightertex",
           "clips", "ragdoll", "scripts", "purchase"]
OWNED = ("default_res", "Tavek_res", "graphics.qmx", "purchase.html")


def tool_versions():
    lines = []
    for command in (["oggenc", "--version"], ["espeak-ng", "--version"], ["7zz", "i"]):
        try:
            out = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                 check=False).stdout.decode(errors="replace")
            lines.append(out.splitlines()[0] if command[0] != "7zz" else
                         next((l for l in out.splitlines() if "7-Zip" in l), ""))
        except FileNotFoundError:
            lines.append(command[0] + " missing")
    import numpy
    import PIL
    lines.append("Pillow " + PIL.__version__)
    lines.append("NumPy " + numpy.__version__)
    return lines


def input_digest():
    digest = hashlib.sha256()
    for folder, dirs, names in os.walk(HERE):
        dirs[:] = sorted(d for d in dirs if d not in ("__pycache__", "checks"))
        for name in sorted(names):
            if name.endswith(".py"):
                path = os.path.join(folder, name)
                digest.update(os.path.relpath(path, HERE).encode())
                with open(path, "rb") as handle:
                    digest.update(handle.read())
    for line in tool_versions():
        digest.update(line.encode())
    return digest.hexdigest()


def all_jobs(only):
    jobs = []
    for name in MODULES:
        if only and name not in only:
            continue
        module = importlib.import_module("respack." + name)
        jobs.extend(module.jobs())
    return jobs


def run_job(job):
    module_name, function_name = job[0], job[1]
    started = time.time()
    try:
        module = importlib.import_module("respack." + module_name)
        files = getattr(module, function_name)(*job[2:])
        return job, files.files, None, time.time() - started
    except Exception:  # reported by the parent with the job's name
        return job, None, traceback.format_exc(), time.time() - started


def write_tree(root, files):
    for relative, data in sorted(files.items()):
        path = os.path.join(root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as handle:
            handle.write(data)


def generate(out, jobs_count, only, verbose):
    parent = os.path.dirname(os.path.abspath(out)) or "."
    os.makedirs(parent, exist_ok=True)
    staging = os.path.join(parent, ".respack-staging-" + os.path.basename(os.path.abspath(out)))
    if os.path.exists(staging):
        shutil.rmtree(staging)
    os.makedirs(staging)
    collected = FileSet()
    failures = []
    jobs = all_jobs(only)
    with multiprocessing.get_context("fork").Pool(jobs_count) as pool:
        for job, files, error, seconds in pool.imap_unordered(run_job, jobs):
            label = ".".join(str(part) for part in job)
            if error:
                failures.append((label, error))
                continue
            if verbose:
                print("respack: %-40s %5.1f s, %d files" % (label, seconds, len(files)))
            for relative, data in files.items():
                try:
                    collected.add(relative, data)
                except ValueError as problem:
                    failures.append((label, str(problem)))
    if failures:
        shutil.rmtree(staging)
        for label, error in failures:
            sys.stderr.write("respack: job %s failed:\n%s\n" % (label, error))
        raise SystemExit("respack: %d job(s) failed; the game folder was not changed"
                         % len(failures))
    write_tree(staging, collected.files)
    archive.fix_times(staging)
    members = archive.build(staging, collected.files.keys())
    os.makedirs(out, exist_ok=True)
    for name in OWNED:
        target = os.path.join(out, name)
        if os.path.isdir(target):
            shutil.rmtree(target)
        elif os.path.exists(target):
            os.remove(target)
        source = os.path.join(staging, name)
        if os.path.exists(source):
            os.rename(source, target)
    shutil.rmtree(staging)
    return len(collected.files), len(members)


def manifest(out):
    """'sha256 mtime_ns path' of every file the generator owns in a game folder, by path."""
    paths = []
    for top in OWNED:
        if os.path.isfile(os.path.join(out, top)):
            paths.append(top)
        for parent, _, names in os.walk(os.path.join(out, top)):
            paths.extend(os.path.relpath(os.path.join(parent, n), out).replace(os.sep, "/")
                         for n in names)
    lines = []
    for relative in sorted(paths):
        path = os.path.join(out, relative)
        with open(path, "rb") as handle:
            digest = hashlib.sha256(handle.read()).hexdigest()
        lines.append("%s %d %s" % (digest, os.stat(path).st_mtime_ns, relative))
    return lines


def rebuild_archive(out):
    """A new graphics.qmx from the loose files of a game folder, as a modder edited them."""
    loose = []
    for top in OWNED:
        folder = os.path.join(out, top)
        for parent, dirs, names in os.walk(folder):
            dirs.sort()
            for name in sorted(names):
                loose.append(os.path.relpath(os.path.join(parent, name), out).replace(os.sep, "/"))
    members = archive.build(out, loose)
    print("respack: packed %d loose files into %s" % (len(members), os.path.join(out, "graphics.qmx")))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="game folder to write")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--stamp", help="stamp file: skip the run when nothing changed")
    parser.add_argument("--only", nargs="*", help="generate only these modules (for testing)")
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--archive-only", action="store_true",
                        help="only pack the loose files of --out (edited ones included) into a new "
                             "graphics.qmx")
    args = parser.parse_args()
    if args.archive_only:
        rebuild_archive(args.out)
        return
    digest = input_digest()
    if args.stamp and not args.only and os.path.exists(args.stamp):
        with open(args.stamp, encoding="utf-8", errors="replace") as handle:
            fresh = handle.readline().strip() == digest
        if fresh and all(os.path.exists(os.path.join(args.out, n)) for n in OWNED):
            os.utime(args.stamp)  # the build tool compares the stamp's time with the sources
            print("respack: %s is up to date" % args.out)
            return
    started = time.time()
    count, archived = generate(args.out, max(1, args.jobs), args.only, args.verbose)
    print("respack: wrote %d files (%d archived in graphics.qmx) to %s in %.1f s"
          % (count, archived, args.out, time.time() - started))
    if args.stamp and not args.only:
        # The stamp also lists what was written, for the check that a second run writes the
        # same bytes.
        with open(args.stamp, "w", encoding="utf-8") as handle:
            handle.write(digest + "\n" + "".join(line + "\n" for line in manifest(args.out)))


if __name__ == "__main__":
    main()
