#!/usr/bin/python3
"""Checks the fighters' skinned files of a generated pack: the skeleton in every body mesh and
clip, the body meshes' materials, weights and size, and the clips played by forward kinematics
(lengths, keys, loops, stances at both ends, the mirror rule, kicking legs that move).

    check_fighter.py --pack build/game
"""
import argparse
import re
import sys

sys.dont_write_bytecode = True

import numpy as np

from packfiles import Pack
from respack import clips as C
from respack import poses as P
from respack import skeleton as sk
from respack import bodymesh
from report import Report

FRAME = re.compile(r"(Frame\s+(\S+)\s*\{|\})")
NUMBERS = re.compile(r"-?\d+\.\d+|-?\d+")


def parse_frames(text):
    """{frame: (parent, 4x4 row-vector matrix)} of a .x file's frame tree."""
    out = {}
    depth_frames = []  # depth at which each open frame started
    depth = 0
    for match in re.finditer(r"Frame\s+(\S+)\s*\{|\{|\}", text):
        token = match.group(0)
        if token.startswith("Frame"):
            name = match.group(1)
            parent = depth_frames[-1][1] if depth_frames else None
            depth += 1
            depth_frames.append((depth, name))
            body = text[match.end():match.end() + 400]
            m = re.search(r"FrameTransformMatrix\s*\{([^}]*)\}", body)
            values = [float(v) for v in NUMBERS.findall(m.group(1))][:16]
            out[name] = (parent, np.array(values).reshape(4, 4))
        elif token == "{":
            depth += 1
        else:
            if depth_frames and depth_frames[-1][0] == depth:
                depth_frames.pop()
            depth -= 1
    return out


def parse_animation(text):
    """{bone: (rotation keys [(t, w, x, y, z)], position keys [(t, x, y, z)])}."""
    out = {}
    for match in re.finditer(r"Animation\s*\{\s*\{(\S+)\}(.*?)\n \}", text, re.S):
        bone, body = match.group(1), match.group(2)
        keys = re.findall(r"AnimationKey\s*\{\s*(\d+);\s*(\d+);(.*?)\n  \}", body, re.S)
        rot, pos = [], []
        for kind, count, data in keys:
            rows = [[float(v) for v in NUMBERS.findall(line)] for line in data.strip().splitlines()]
            if kind == "0":
                rot = [(r[0], r[2], r[3], r[4], r[5]) for r in rows]
            elif kind == "2":
                pos = [(r[0], r[2], r[3], r[4]) for r in rows]
        out[bone] = (rot, pos)
    return out


def check_skeleton(report, name, frames):
    report.check(list(frames) == sk.FRAMES, "%s: frames %s are not the skeleton's" % (name, list(frames)[:5]))
    for bone in sk.BONES:
        if bone not in frames:
            continue
        parent, m = frames[bone]
        rot, trans = sk.rest_local(bone)
        ok = parent == sk.PARENT[bone] and np.allclose(m[:3, :3], rot.T, atol=2e-6) and \
            np.allclose(m[3, :3], trans, atol=2e-6)
        report.check(ok, "%s: %s differs from the rest skeleton" % (name, bone))


def pose_at(anim, frame):
    locals_ = {}
    for bone in sk.BONES:
        rot, pos = anim[bone]
        r = [k for k in rot if k[0] == frame][0]
        p = [k for k in pos if k[0] == frame][0]
        locals_[bone] = (sk.matrix_from_quat(np.array(r[1:])), np.array(p[1:]))
    return sk.pose_from_locals(locals_)


def stance_error(pose, side):
    """(largest foot place error, largest foot line angle error) against a side's stance."""
    front, rear = ("L", "R") if side == 0 else ("R", "L")
    f, r = P.foot_centre(pose, front), P.foot_centre(pose, rear)
    place = max(np.linalg.norm(f - np.array(P.FRONT)), np.linalg.norm(r - np.array(P.REAR)))
    line = np.degrees(np.arctan2(f[0] - r[0], f[2] - r[2]))
    return place, abs(line - P.FOOT_LINE)


def check_meshes(pack, report):
    for index, (file, female, build, ponytail, _) in enumerate(bodymesh.TYPES):
        name = bodymesh.FOLDER + file
        text = pack.read(name).decode("ascii")
        check_skeleton(report, name, parse_frames(text))
        report.check(text.count("Material mat") == 4, "%s: not four materials" % name)
        mats = re.search(r"MeshMaterialList\s*\{\s*4;\s*(\d+);([^M]*)", text)
        used = set(int(v) for v in NUMBERS.findall(mats.group(2))[:int(mats.group(1))])
        report.check(used == {0, 1, 2, 3}, "%s: uses materials %s" % (name, sorted(used)))
        mesh = bodymesh.body(index)
        sums = [sum(w for _, w in ws) for ws in mesh.weights]
        report.check(all(abs(s - 1) < 1e-6 for s in sums) and
                     all(len(ws) <= 4 for ws in mesh.weights), "%s: weights" % name)
        uv = np.array(mesh.uvs)
        report.check(uv.min() >= 0 and uv.max() <= 1, "%s: texture coordinates outside 0..1" % name)
        lo, hi = mesh.bounds()
        report.check(abs(lo[1] + 0.65) < 0.02 and 1.12 < hi[1] < 1.20,
                     "%s: spans y %.3f..%.3f, not a 1.80 fighter" % (name, lo[1], hi[1]))
        back = min(p[2] for p, n in zip(mesh.positions, mesh.normals) if p[1] > 0.8 and abs(p[0]) < 0.05)
        report.check((back < -0.16) == ponytail, "%s: ponytail %s" % (name, ponytail))


MOVING = {"01": "R", "03": "R", "05": "R", "10": "R", "12": "R", "13": "R", "21": "R", "25": "R",
          "47": "R", "24": "R", "02": "L", "06": "L", "11": "L", "22": "L"}


def check_clips(pack, report):
    for file, length, _, switches, loops in C.CLIPS:
        for side, folder, name in ((0, C.FOLDER, file),
                                   (1, C.MIRRORED, C.MIRRORED_NAMES.get(file, file))):
            path = folder + name
            if not report.check(pack.exists(path), "missing clip %s" % path):
                continue
            text = pack.read(path).decode("ascii")
            check_skeleton(report, path, parse_frames(text))
            report.check("AnimTicksPerSecond {\n 25;" in text, "%s: not 25 ticks a second" % path)
            anim = parse_animation(text)
            report.check(sorted(anim) == sorted(sk.BONES), "%s: not every bone keyed" % path)
            times = [k[0] for k in anim["Bip01_Spine"][0]]
            report.check(times[-1] == length and times[0] == 0,
                         "%s: keys run %s..%s, not 0..%d" % (path, times[0], times[-1], length))
            report.check(length >= 17 or loops, "%s: shorter than 17 frames" % path)
            first, last = pose_at(anim, 0), pose_at(anim, length)
            if loops:
                same = max(np.linalg.norm(first.positions[b] - last.positions[b]) for b in sk.BONES)
                report.check(same < 1e-5, "%s: the loop does not close (%.4f)" % (path, same))
            stem = file.split("_")[0]
            if stem not in ("32", "34"):
                place, angle = stance_error(first, side)
                report.check(place < 0.02 and angle < 3, "%s: does not start in its stance "
                             "(%.3f, %.1f deg)" % (path, place, angle))
            end_side = side ^ 1 if switches else side
            place, angle = stance_error(last, end_side)
            report.check(place < 0.02 and angle < 3, "%s: does not end in the %s stance "
                         "(%.3f, %.1f deg)" % (path, "other" if switches else "same", place, angle))
            if stem in MOVING and C.BY_NAME[file][2]:
                leg = MOVING[stem]
                if side == 1:
                    leg = "L" if leg == "R" else "R"
                thigh = "Bip01_%s_Thigh" % leg
                turn = max(sk.angle_between(first.turns[thigh], pose_at(anim, t).turns[thigh])
                           for t in range(0, length + 1, 2))
                report.check(turn >= 60, "%s: the kicking leg turns only %.0f deg" % (path, turn))
            if file.startswith("29_"):
                rise = max(pose_at(anim, t).positions["Bip01_Spine"][1] for t in range(length)) - \
                    first.positions["Bip01_Spine"][1]
                report.check(rise >= 0.02, "%s: the bounce moves the hip %.3f" % (path, rise))
            drives = [k[0] for k in C.BY_NAME[file][2]() if k[2:] == (C.LINEAR,)]
            for frame in drives:  # a kick's impact lies in the clean window of its blend
                blend = {"02": 5.0, "03": 2.5}.get(stem, 7.5)
                report.check(blend <= frame <= length - 1.25 - blend,
                             "%s: the impact at frame %d is outside the clean window" % (path, frame))
            if side == 0:
                side0 = anim
            else:  # the mirror rule, away from the standing feet
                for t in range(0, length + 1, 5):
                    a, b = pose_at(side0, t), pose_at(anim, t)
                    m = sk.mirrored(a)
                    for bone in ("Bip01_Spine", "Bip01_Head", "Bip01_L_Hand", "Bip01_R_Forearm"):
                        ok = np.allclose(m.positions[bone], b.positions[bone], atol=1e-4) and \
                            sk.angle_between(m.turns[bone], b.turns[bone]) < 0.05
                        if not report.check(ok, "%s: frame %d of %s is not the mirror" % (path, t, bone)):
                            break


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pack", required=True)
    args = parser.parse_args()
    pack = Pack(args.pack)
    report = Report()
    check_meshes(pack, report)
    check_clips(pack, report)
    for problem in report.problems:
        print("PROBLEM:", problem)
    if report.problems:
        print("check_fighter: %d problems" % len(report.problems))
        return 1
    print("check_fighter: skeleton, 9 body meshes and %d clips are well formed" % (2 * len(C.CLIPS)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
