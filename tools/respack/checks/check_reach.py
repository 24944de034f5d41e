#!/usr/bin/python3
"""Proves the kick table of the AI scripts' controls against the pack's clips: every kick and
punch, on both sides, for both quick-match fighters and an opponent in either stance, is played
at 1/60 s with the fight's rules (a fresh start faces the opponent, the blend into and out of
the clip, the advance toward the opponent, the closest distance), the bodies of both fighters
as capsules and spheres. For every start distance of a kick's range the first touching pair, in
the hit walk's order, must be the kick's foot (a hand for punches) on a target of its row.

    check_reach.py --pack build/game
"""
import argparse
import os
import sys

sys.dont_write_bytecode = True

import numpy as np

from check_fighter import parse_animation, pose_at
from packfiles import Pack
from respack import clips as C
from respack import skeleton as sk

SCRIPTS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "scripts")
sys.path.insert(0, SCRIPTS)
import controls  # noqa: E402

CLIP_RATE = 62.5     # clip frames per real second at animation speed 1
BLEND = 7.5          # frames of blending into and out of a timed clip
STEP = 1.0 / 60
MIN_DISTANCE = 0.75
FILES = {22: "01_", 48: "01_", 23: "02_", 24: "03_", 25: "05_", 49: "05_", 26: "06_", 27: "10_",
         28: "11_", 29: "12_", 30: "13_", 31: "21_", 32: "22_", 33: "25_", 34: "47_", 45: "24_",
         35: "26_", 36: "27_", 37: "28_"}
BLEND_FRAMES = {23: 5.0, 49: 5.0, 24: 2.5}


def h(value):
    return 1.04 ** (value / 5.0) / 3.0


# The quick-match roster's kick families: (speed, mobility) per family.
ROSTER = [
    {"R": (75, 70), "H": (100, 100), "A": (75, 75), "B": (75, 70)},
    {"R": (75, 70), "H": (80, 80), "A": (70, 65), "B": (100, 100)},
]
FAMILY = {22: "R", 23: "R", 24: "R", 31: "R", 32: "R", 48: "R", 25: "A", 27: "A", 28: "A",
          49: "A", 26: "H", 30: "H", 33: "H", 29: "B", 34: "B", 45: "B"}
FACTORS = {22: (1.5, 1.4), 23: (1.65, 1.3), 48: (1.6, 1.4), 24: (1.3, 1.1), 31: (1.6, 1.0),
           32: (1.6, 1.1), 25: (1.35, 1.1), 27: (1.3, 1.2), 28: (1.4, 0.7), 49: (1.45, 1.15),
           26: (1.3, 1.1), 30: (1.2, 0.8), 33: (1.5, 1.0), 29: (1.4, 0.6), 34: (1.5, 0.8),
           45: (1.7, 0.8)}


def speeds(entry, action):
    """(animation speed, advance speed) of an action for a roster entry."""
    if action in (35, 36, 37):
        s = sum(h(v[0]) for v in entry.values()) / 4
        m = sum(h(v[1]) for v in entry.values()) / 4
        return s, m
    s, m = entry[FAMILY[action]]
    fs, fm = FACTORS.get(action, (1.0, 1.0))
    return h(s) * fs, h(m) * fm


def shapes_of(pose):
    return [sk.part_shape(i, pose) for i in range(16)]


_clips = {}


def clip_shapes(pack, file, side, frames=None):
    """(centres, halves) of the 16 parts in each frame of a clip (frames x 16 x 3 each), their
    radii and the clip's length. Parsed once per clip and side."""
    key = (file, side, frames)
    if key not in _clips:
        name = C.MIRRORED_NAMES.get(file, file) if side else file
        path = (C.MIRRORED if side else C.FOLDER) + name
        anim = parse_animation(pack.read(path).decode("ascii"))
        length = int(anim["Bip01_Spine"][0][-1][0])
        shapes = [shapes_of(pose_at(anim, f)) for f in range(frames or length + 1)]
        centres = np.array([[s[1] for s in frame] for frame in shapes])
        halves = np.array([[s[3] for s in frame] for frame in shapes])
        radii = np.array([s[2] for s in shapes[0]])
        _clips[key] = (centres, halves, radii, length)
    return _clips[key]


def dot(u, v):
    return u[..., 0] * v[..., 0] + u[..., 1] * v[..., 1] + u[..., 2] * v[..., 2]


def segment_distances(p1, q1, p2, q2):
    """The smallest distance between two segments, for whole arrays of segment pairs (the
    last axis holds x, y, z); the same cases as the skeleton's segment_distance."""
    d1, d2, r = q1 - p1, q2 - p2, p1 - p2
    a, e, f = dot(d1, d1), dot(d2, d2), dot(d2, r)
    c, b = dot(d1, r), dot(d1, d2)
    with np.errstate(divide="ignore", invalid="ignore"):
        denom = a * e - b * b
        s = np.where(denom > 1e-12, np.clip((b * f - c * e) / denom, 0, 1), 0.0)
        t = (b * s + f) / e
        s = np.where(t < 0, np.clip(-c / a, 0, 1), np.where(t > 1, np.clip((b - c) / a, 0, 1), s))
        t = np.clip(t, 0.0, 1.0)
        # a point on the first (a sphere's centre) or on the second
        s = np.where(e < 1e-12, np.clip(-c / a, 0, 1), s)
        t = np.where(e < 1e-12, 0.0, t)
        s = np.where(a < 1e-12, 0.0, s)
        t = np.where(a < 1e-12, np.clip(f / e, 0, 1), t)
        both = (a < 1e-12) & (e < 1e-12)
        s = np.where(both, 0.0, s)
        t = np.where(both, 0.0, t)
    gap = (p1 + d1 * s[..., None]) - (p2 + d2 * t[..., None])
    return np.sqrt(dot(gap, gap))


def mix(a, b, t):
    return a + (b - a) * t


def first_contacts(clip, stance_before, stance_after, defender, distances, anim, adv, strikers,
                   blend):
    """For every start distance, (striking part, target) of the first touching pair in the hit
    walk's order (time, then striking part, then target 0-3), or None.

    clip, stance_before, stance_after: (centres, halves, radii, length) of the striking clip and
    of the stances blended from and into; defender: (centres, halves, radii) of the opponent's
    parts 0-3 placed at distance 0."""
    centres, halves, radii, length = clip
    duration = (length - 1.25) / (CLIP_RATE * anim)
    times = []
    t = 0.0
    while t <= duration + 1e-9:
        times.append(t)
        t += STEP
    f = np.array(times) * CLIP_RATE * anim
    k = np.minimum(f.astype(int), len(centres) - 2)
    w = np.clip(f - k, 0.0, 1.0)[:, None, None]
    parts = list(strikers)
    pc = mix(centres[k][:, parts], centres[k + 1][:, parts], w)
    ph = mix(halves[k][:, parts], halves[k + 1][:, parts], w)
    # the blend out of the stance before, and into the stance after
    into = (f < blend)[:, None, None]
    out_of = (f > length - 1.25 - blend)[:, None, None] & ~into
    w_in = (f / blend)[:, None, None]
    w_out = np.minimum((f - (length - 1.25 - blend)) / blend, 1.0)[:, None, None]
    bc, bh = stance_before[0][0][parts][None], stance_before[1][0][parts][None]
    ac, ah = stance_after[0][0][parts][None], stance_after[1][0][parts][None]
    pc = np.where(into, mix(bc, pc, w_in), np.where(out_of, mix(pc, ac, w_out), pc))
    ph = np.where(into, mix(bh, ph, w_in), np.where(out_of, mix(ph, ah, w_out), ph))
    # the advance toward the opponent, stopping at the closest distance
    z = np.zeros((len(times), len(distances)))
    for step in range(1, len(times)):
        z[step] = np.minimum(z[step - 1] + adv * STEP, distances - MIN_DISTANCE)
    # axes: time, striking part, target, distance, xyz
    shape = (len(times), len(parts), 4, len(distances), 3)
    ac = np.broadcast_to(pc[:, :, None, None, :], shape).copy()
    ac[..., 2] += z[:, None, None, :]
    ah = ph[:, :, None, None, :]
    dc, dh, dr = defender
    bc = np.broadcast_to(dc[None, None, :, None, :], ac.shape).copy()
    bc[..., 2] += distances[None, None, None, :]
    bh = dh[None, None, :, None, :]
    gap = segment_distances(ac - ah, ac + ah, bc - bh, bc + bh)
    touch = gap <= (radii[parts][:, None] + dr[None, :])[None, :, :, None]
    walk = touch.reshape(-1, len(distances))
    first = walk.argmax(axis=0)
    hits = []
    for column, index in enumerate(first):
        if not walk[index, column]:
            hits.append(None)
        else:
            _, part, target = np.unravel_index(index, touch.shape[:3])
            hits.append((parts[part], int(target)))
    return hits


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pack", required=True)
    args = parser.parse_args()
    pack = Pack(args.pack)
    idle = {side: clip_shapes(pack, "29_IdleBouncing_Loop.X", side, frames=1) for side in (0, 1)}
    turn_back = sk.rot_y(180.0)
    defenders = {}
    for opponent in (0, 1):
        centres, halves, radii, _ = idle[opponent]
        defenders[opponent] = (np.array([turn_back @ c for c in centres[0][:4]]),
                               np.array([turn_back @ h for h in halves[0][:4]]), radii[:4])
    problems = []
    seen = set()
    for kick in controls.KICKS:
        move, action, label, striker, target, lo, hi = kick[:7]
        if action in seen:
            continue
        seen.add(action)
        file = [c[0] for c in C.CLIPS if c[0].startswith(FILES[action])][0]
        switches = C.BY_NAME[file][3]
        blend = BLEND_FRAMES.get(action, BLEND)
        ok_distances = []
        distances = np.round(np.arange(0.70, 1.601, 0.025), 3)
        results = {d: True for d in distances}
        reasons = []
        for side in (0, 1):
            clip = clip_shapes(pack, file, side)
            end_side = side ^ 1 if switches else side
            if action in (35, 36, 37):
                strikers, wanted = (6, 9), (6, 9)
            else:
                strikers = (11, 12, 14, 15)
                foot = {("rear", 0): 15, ("front", 0): 12, ("rear", 1): 12, ("front", 1): 15}
                wanted = (foot[(striker, side)],)
            targets = (3,) if target == "head" else (0, 1, 2)
            for entry in ROSTER:
                anim, adv = speeds(entry, action)
                for opponent in (0, 1):
                    hits = first_contacts(clip, idle[side], idle[end_side], defenders[opponent],
                                          distances, anim, adv, strikers, blend)
                    for d, hit in zip(distances, hits):
                        if not results[d]:
                            continue
                        if hit is None or hit[0] not in wanted or hit[1] not in targets:
                            results[d] = False
                            if lo - 1e-9 <= d <= hi + 1e-9:
                                reasons.append("at %.3f side %d, entry %d, opponent side %d: %s"
                                               % (d, side, ROSTER.index(entry), opponent,
                                                  "no contact" if hit is None else
                                                  "part %d on part %d" % hit))
        ok_distances = [d for d in distances if results[d]]
        row = [d for d in distances if lo - 1e-9 <= d <= hi + 1e-9]
        proven = "none"
        if ok_distances:
            # the longest run of proven distances
            runs, start = [], ok_distances[0]
            for a, b in zip(ok_distances, ok_distances[1:] + [None]):
                if b is None or b - a > 0.03:
                    runs.append((start, a))
                    start = b
            best = max(runs, key=lambda r: r[1] - r[0])
            proven = "%.3f-%.3f" % best
        covered = all(results[d] for d in row)
        note = "ok" if covered else "NOT COVERED"
        if covered and hi - lo < 0.2 - 1e-9:
            note = "ok, narrower than 0.2"
        print("%-2d %-26s table %.3f-%.3f  proven %s  %s" % (action, label, lo, hi, proven, note))
        if not covered:
            problems.append(action)
            for reason in reasons[:3]:
                print("    " + reason)
    if problems:
        print("check_reach: the clips do not meet the table for actions %s" % problems)
        return 1
    print("check_reach: every kick and punch meets its row of the table")
    return 0


if __name__ == "__main__":
    sys.exit(main())
