#!/usr/bin/python3
"""Checks a generated pack: every file the game names exists with its companions, each file is
well formed, and graphics.qmx serves exactly the loose bytes of the archive-loaded kinds.

    check_pack.py --pack build/game
"""
import argparse
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True
import tempfile


import expected
from packfiles import Pack, png_size_and_mode
from respack import dds, widths
from report import Report

ARCHIVE_SUFFIXES = (".x", ".png", ".dds", ".ply", ".pol", ".spg")


def check_sprite(pack, report, sprite, companion):
    if not report.check(pack.exists(sprite), "missing sprite %s" % sprite):
        return
    report.check(pack.read(sprite).startswith(b"xof 0302txt 0032"),
                 "%s is not a DirectX text file" % sprite)
    if not report.check(pack.exists(companion), "missing companion %s of %s" % (companion, sprite)):
        return
    if companion.endswith(".png"):
        try:
            _, _, depth, colour = png_size_and_mode(pack.read(companion))
            report.check(depth == 8 and colour == 6, "%s is not 8-bit RGBA" % companion)
        except ValueError as problem:
            report.check(False, "%s: %s" % (companion, problem))


def check_font(pack, report, wid):
    if not report.check(pack.exists(wid), "missing font %s" % wid):
        return
    data = pack.read(wid)
    report.check(data.count(b"\n") == 256 and b"\r" not in data,
                 "%s does not have 256 LF-ended lines" % wid)
    table = widths.parse(data)
    report.check(all(0.05 < w <= 4.0 for w in table), "%s has widths out of range" % wid)
    report.check(table[ord(".")] < table[ord("M")], "%s has no proportional widths" % wid)
    texture = wid[:-3] + "dds"
    if not report.check(pack.exists(texture), "missing font texture %s" % texture):
        return
    try:
        width, height, rgba = dds.decode(pack.read(texture))
    except ValueError as problem:
        report.check(False, "%s: %s" % (texture, problem))
        return
    cell = width // 16
    report.check(width == height and width % 16 == 0, "%s is not a 16 x 16 cell atlas" % texture)
    report.check(int(rgba[0:cell, 0:cell, 3].max()) == 0, "%s: glyph 0 is not transparent" % texture)
    a_cell = rgba[(0x41 // 16) * cell:(0x41 // 16 + 1) * cell, (0x41 % 16) * cell:(0x41 % 16 + 1) * cell]
    report.check(int(a_cell[..., 3].max()) > 0, "%s: glyph A is empty" % texture)
    prefix = wid[:-4] + "_"
    missing = [c for c in range(256) if not pack.exists(prefix + "%02x.x" % c)]
    report.check(not missing, "%s: glyph files missing for codes %s" % (wid, missing[:8]))


def check_fontwhite(pack, report):
    folder = "default_res\\fontwhite\\"
    for sprite in expected.GLYPH_SPRITES:
        check_sprite(pack, report, sprite, folder + "fonts.dds")
    for sprite in expected.FONTWHITE_SPRITES:
        check_sprite(pack, report, sprite, sprite[:-1] + "png")
        report.check(pack.exists(folder + "fonts.dds"), "missing %sfonts.dds" % folder)
    if pack.exists(folder + "fonts.dds"):
        _, _, rgba = dds.decode(pack.read(folder + "fonts.dds"))
        cell = rgba.shape[1] // 16
        for code in (0x62, 0x63):
            y, x = (code // 16) * cell, (code % 16) * cell
            report.check(int(rgba[y:y + cell, x:x + cell, 3].max()) > 0,
                         "fonts.dds: cursor glyph %02x is empty" % code)


def check_sounds(pack, report):
    import xml.etree.ElementTree as ET
    names = list(expected.SOUNDS)
    scape = "Tavek_res\\sounds\\soundscape.xml"
    if pack.exists(scape):
        root = ET.fromstring(pack.read(scape))
        names += ["Tavek_res\\sounds\\" + s.get("file") for s in root.iter("sample")]
    for name in sorted(set(names)):
        if report.check(pack.exists(name), "missing sound %s" % name):
            report.check(pack.read(name)[:4] == b"OggS", "%s is not an Ogg file" % name)


def seven_zip_list(archive):
    out = subprocess.run(["7zz", "l", "-slt", "-ba", archive], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, check=False)
    if out.returncode != 0:
        raise RuntimeError(out.stderr.decode(errors="replace"))
    entries, current = [], {}
    for line in out.stdout.decode("utf-8", errors="replace").splitlines():
        if not line.strip():
            if current:
                entries.append(current)
            current = {}
        elif " = " in line:
            key, value = line.split(" = ", 1)
            current[key] = value
    if current:
        entries.append(current)
    return entries


def check_archive(pack, report):
    archive = os.path.join(pack.root, "graphics.qmx")
    if not report.check(os.path.isfile(archive), "missing graphics.qmx"):
        return
    entries = [e for e in seven_zip_list(archive) if e.get("Folder") != "+"]
    names = sorted(e["Path"].replace("\\", "/") for e in entries)
    loose = [p for p in pack.all_files() if p.lower().endswith(ARCHIVE_SUFFIXES)]
    report.check(names == loose, "graphics.qmx does not hold exactly the loose archive kinds "
                 "(%d entries, %d loose files)" % (len(names), len(loose)))
    report.check(all(e.get("Method", "").startswith(("LZMA:", "Copy")) and "LZMA2" not in
                     e.get("Method", "") for e in entries if int(e.get("Size", "0"))),
                 "graphics.qmx: a coder other than LZMA or Copy")
    blocks = [e.get("Block") for e in entries if int(e.get("Size", "0"))]
    report.check(len(blocks) == len(set(blocks)), "graphics.qmx is solid (files share a folder)")
    report.check(not any(n.lower().endswith((".ogg", ".xml", ".py")) for n in names),
                 "graphics.qmx holds sounds, tables or scripts")
    temp = tempfile.mkdtemp(prefix="respack-archive-")
    try:
        result = subprocess.run(["7zz", "x", "-y", "-bd", "-bso0", "-o" + temp, archive],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
        if not report.check(result.returncode == 0, "7zz cannot extract graphics.qmx"):
            return
        different = []
        for name in names:
            loose_path = os.path.join(pack.root, name)
            if not os.path.isfile(loose_path):
                different.append(name)
                continue
            with open(os.path.join(temp, name), "rb") as a, open(loose_path, "rb") as b:
                if a.read() != b.read():
                    different.append(name)
        report.check(not different, "graphics.qmx differs from loose files: %s" % different[:5])
    finally:
        shutil.rmtree(temp)


def check_fight(pack, report):
    """The fighters', arenas' and AI's files."""
    from respack import arenas
    scripts_dir = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                               "scripts")
    for name in expected.BODY_MESHES:
        if report.check(pack.exists(name), "missing body mesh %s" % name):
            report.check(pack.read(name).startswith(b"xof 0302txt 0032"), "%s: not .x" % name)
    for name in expected.FIGHTER_TEXTURES + ["Tavek_res\\arenas\\arena2\\mirror_alpha.png"]:
        if report.check(pack.exists(name), "missing texture %s" % name):
            _, _, depth, colour = png_size_and_mode(pack.read(name))
            report.check(depth == 8 and colour == 6, "%s is not 8-bit RGBA" % name)
    clips = "Tavek_res\\skinmeshes\\"
    for name in [clips + c for c in expected.CLIPS] + \
            [clips + "Mirrored\\" + c for c in expected.MIRRORED_CLIPS]:
        if report.check(pack.exists(name), "missing clip %s" % name):
            report.check(pack.read(name).startswith(b"xof 0302txt 0032"), "%s: not .x" % name)
    mirrored = os.listdir(pack.path(clips + "Mirrored"))
    report.check(len(mirrored) == 43, "the Mirrored folder holds %d files" % len(mirrored))
    for old, original in expected.OLD_CLIPS.items():
        report.check(pack.exists(clips + old) and pack.read(clips + old) ==
                     pack.read(clips + original), "%s is not a copy of %s" % (old, original))
    for stem in expected.PART_STEMS:
        spg = "Tavek_res\\ragdoll\\%s_.spg" % stem
        if report.check(pack.exists(spg), "missing %s" % spg):
            lines = pack.read(spg).decode("ascii").splitlines()
            report.check(lines[0] == "spg 1" and any(l.split()[0] in ("capsule", "sphere")
                                                     for l in lines[1:]), "%s: grammar" % spg)
        check_sprite(pack, report, "Tavek_res\\debug\\%s.x" % stem,
                     "Tavek_res\\debug\\%s.png" % stem)
        report.check(pack.exists("Tavek_res\\shadow\\%s_shadow.x" % stem), "missing shadow %s" % stem)
    for folder in ("Tavek_res\\arenas\\", "Tavek_res\\arena1\\"):
        ply, pol = folder + "mat_0.93.ply", folder + "mat_0.93.pol"
        if report.check(pack.exists(ply) and pack.exists(pol), "missing %s or its .pol" % ply):
            text = pack.read(ply).decode("ascii")
            report.check(text.startswith("ply\nformat ascii 1.0\n") and "element face 12" in text,
                         "%s: not the 12-triangle ASCII box" % ply)
            report.check(pack.read(pol).startswith(b"pol 1\n") and b"plane 0 1 0 0" in
                         pack.read(pol), "%s: no plane" % pol)
    for index, count in expected.SCENE_COUNTS.items():
        names = arenas.SCENES[index]
        report.check(len(names) == count, "arena %d lists %d scene meshes" % (index, len(names)))
        folder = "Tavek_res\\arenas\\arena%d\\" % index
        extra = ["lightmap%d" % k for k in range(1, 4 if index == 2 else 5)]
        extra += ["mirror"] if index == 2 else []
        for name in names + extra:
            check_sprite(pack, report, folder + name + ".x", folder + name + ".png")
            if index == 1 and not name.startswith("characters"):
                copy = "Tavek_res\\arena1\\" + name + ".x"
                report.check(pack.exists(copy) and pack.read(copy) == pack.read(folder + name + ".x"),
                             "%s is not a copy of arena 1's" % copy)
    for name in expected.SCRIPTS:
        path = "Tavek_res\\scripts\\%s.py" % name
        if report.check(pack.exists(path), "missing script %s" % path):
            with open(os.path.join(scripts_dir, name + ".py"), "rb") as handle:
                report.check(handle.read() == pack.read(path), "%s differs from its source" % path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pack", required=True)
    args = parser.parse_args()
    if not os.path.isdir(args.pack):
        sys.exit("check_pack: no pack at %s (build the respack target first)" % args.pack)
    pack, report = Pack(args.pack), Report()
    for sprite in expected.SPRITES:
        check_sprite(pack, report, sprite, sprite[:-1] + "png")
    for wid in expected.FONTS:
        check_font(pack, report, wid)
    check_fontwhite(pack, report)
    check_sounds(pack, report)
    for table in expected.TABLES:
        report.check(pack.exists(table), "missing table %s" % table)
    check_fight(pack, report)
    check_archive(pack, report)
    for problem in report.problems:
        print("FAIL: " + problem)
    print("%d passed, %d failed" % (report.checked - len(report.problems), len(report.problems)))
    sys.exit(1 if report.problems else 0)


if __name__ == "__main__":
    main()
