"""Key poses of the fighters: a small set of parameters per pose, solved into bone turns.

A pose spec is a dict of number tuples (so two specs blend by blending numbers):
  root    (x, y, z)               pelvis joint position (rest (0, 0.33, 0))
  spin    (deg,)                  the whole body's turn about y (+ turns +z toward +x)
  pelvis  (yaw, pitch, roll)      on top of spin; pitch > 0 leans forward
  spine1, spine2 (yaw, pitch, roll)  each relative to the bone below
  head    (yaw, pitch)            world yaw on top of spin, pitch > 0 looks down
  lfoot, rfoot (x, y, z, yaw, pitch, roll)  the foot body's centre and the foot's turn
  lknee, rknee (x, y, z)          where the knee points
  lhand, rhand (x, y, z)          wrist relative to the chest joint, turned by spin
  lelbow, relbow (x, y, z)        where the elbow points, turned by spin
  fist    (0..1,)
Side 0 (left foot forward) is authored; side 1 is its mirror (see mirror_side).
"""
import numpy as np

from . import skeleton as sk
from .skeleton import rot_x, rot_y, rot_z

FOOT_LINE = 10.0          # degrees from +z, rear foot to front foot
HALF_STANCE = 0.30
FOOT_Y = -0.61            # foot body centre on the ground
FOOT_CENTRE_REST = {s: np.array((0.09 * k, -0.61, 0.05)) for s, k in (("L", -1), ("R", 1))}


def line_point(along, y=FOOT_Y, side_offset=0.0):
    """A point on the stance's foot line, `along` metres from the middle (front > 0)."""
    a = np.radians(FOOT_LINE)
    return (along * np.sin(a) + side_offset * np.cos(a), y, along * np.cos(a) - side_offset * np.sin(a))


FRONT = line_point(HALF_STANCE)
REAR = line_point(-HALF_STANCE)

STANCE = {
    "root": (0.0, 0.27, 0.0),
    "spin": (0.0,),
    "pelvis": (45.0, 5.0, 0.0),
    "spine1": (-6.0, 0.0, 0.0),
    "spine2": (-9.0, 2.0, 0.0),
    "head": (0.0, 6.0),
    "lfoot": FRONT + (15.0, 0.0, 0.0),
    "rfoot": REAR + (60.0, 0.0, 0.0),
    "lknee": (0.3, 0.0, 1.0),
    "rknee": (0.6, 0.0, 1.0),
    "lhand": (-0.03, 0.24, 0.36),
    "rhand": (0.07, 0.27, 0.11),
    "lelbow": (-0.3, -1.0, -0.2),
    "relbow": (0.5, -1.0, -0.3),
    "fist": (1.0,),
}

ATTENTION = dict(STANCE, root=(0.0, 0.33, 0.0), pelvis=(0.0, 0.0, 0.0), spine1=(0.0, 0.0, 0.0),
                 spine2=(0.0, 0.0, 0.0), head=(0.0, 0.0),
                 lfoot=(-0.09, FOOT_Y, 0.0, -5.0, 0.0, 0.0),
                 rfoot=(0.09, FOOT_Y, 0.0, 5.0, 0.0, 0.0),
                 lknee=(0.0, 0.0, 1.0), rknee=(0.0, 0.0, 1.0),
                 lhand=(-0.14, -0.36, 0.08), rhand=(0.14, -0.36, 0.08),
                 lelbow=(-0.5, 0.0, -1.0), relbow=(0.5, 0.0, -1.0))


def spec(base=None, **changes):
    out = dict(STANCE if base is None else base)
    for key, value in changes.items():
        out[key] = tuple(float(v) for v in (value if isinstance(value, (tuple, list)) else (value,)))
    return out


def blend(a, b, t):
    return {k: tuple(x + (y - x) * t for x, y in zip(a[k], b[k])) for k in a}


def _cross(u, v):
    """The cross product of two 3-vectors, figure for figure as np.cross, without its overhead."""
    return np.array((u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                     u[0] * v[1] - u[1] * v[0]))


def _map_frame(d0, h0, d1, h1):
    """The turn that takes the pair (d0, h0) to (d1, h1) (both orthonormal pairs)."""
    a = np.column_stack([d0, h0, _cross(d0, h0)])
    b = np.column_stack([d1, h1, _cross(d1, h1)])
    return b @ a.T


def _unit(v):
    v = np.asarray(v, dtype=np.float64)
    return v / np.linalg.norm(v)


def _two_bone(start, target, l1, l2, pole):
    """(direction 1, direction 2, hinge axis) of a two-bone chain from start toward target."""
    offset = np.asarray(target) - start
    dist = float(np.linalg.norm(offset))
    dist = min(max(dist, abs(l1 - l2) + 1e-3), l1 + l2 - 1e-4)
    u = offset / max(np.linalg.norm(offset), 1e-9)
    v = np.asarray(pole, dtype=np.float64)
    v = v - np.dot(v, u) * u
    if np.linalg.norm(v) < 1e-6:
        v = np.cross(u, (1.0, 0.0, 0.0)) if abs(u[0]) < 0.9 else np.cross(u, (0.0, 0.0, 1.0))
    v = _unit(v)
    cos_a = (l1 * l1 + dist * dist - l2 * l2) / (2 * l1 * dist)
    a = np.arccos(np.clip(cos_a, -1, 1))
    joint = start + l1 * (np.cos(a) * u + np.sin(a) * v)
    end = start + dist * u
    return _unit(joint - start), _unit(end - joint), _unit(np.cross(v, u))


def _euler(yaw, pitch, roll):
    return rot_y(yaw) @ rot_x(pitch) @ rot_z(roll)


THIGH_LEN = 0.41
CALF_LEN = 0.44
UPPER_LEN = 0.30
FORE_LEN = 0.26
CURL = {"L": 1.0, "R": -1.0}


def foot_turn(yaw, pitch, roll):
    return rot_y(yaw) @ rot_x(pitch) @ rot_z(roll)


def solve_leg(turns, positions, side, centre, foot, pole):
    """Sets thigh, calf, foot and toe turns so the foot body's centre lies at `centre`."""
    thigh = "Bip01_%s_Thigh" % side
    hip = positions[thigh]
    ankle_rest = sk.REST_POS["Bip01_%s_Foot" % side]
    ankle = np.asarray(centre) - foot @ (FOOT_CENTRE_REST[side] - ankle_rest)
    d1, d2, h = _two_bone(hip, ankle, THIGH_LEN, CALF_LEN, pole)
    d0, h0 = np.array((0.0, -1.0, 0.0)), np.array((1.0, 0.0, 0.0))
    turns[thigh] = _map_frame(d0, h0, d1, h)
    turns["Bip01_%s_Calf" % side] = _map_frame(d0, h0, d2, h)
    turns["Bip01_%s_Foot" % side] = foot
    turns["Bip01_%s_Toe0" % side] = foot


def _solve_arm(turns, positions, side, wrist, pole, fist):
    s = -1.0 if side == "L" else 1.0
    upper = "Bip01_%s_UpperArm" % side
    d1, d2, h = _two_bone(positions[upper], wrist, UPPER_LEN, FORE_LEN, pole)
    d0 = np.array((s, 0.0, 0.0))
    h0 = _unit(np.cross((0.0, 0.0, -1.0), d0))
    turns[upper] = _map_frame(d0, h0, d1, h)
    fore = _map_frame(d0, h0, d2, h)
    turns["Bip01_%s_Forearm" % side] = fore
    turns["Bip01_%s_Hand" % side] = fore
    curl = rot_z(CURL[side] * 95.0 * fist)
    thumb = rot_y(-s * 35.0 * fist) @ rot_z(CURL[side] * 20.0 * fist)
    turns["Bip01_%s_Finger0" % side] = fore @ thumb
    turns["Bip01_%s_Finger01" % side] = fore @ thumb @ rot_z(CURL[side] * 30.0 * fist)
    for k in range(1, 5):
        turns["Bip01_%s_Finger%d" % (side, k)] = fore @ curl
        turns["Bip01_%s_Finger%d1" % (side, k)] = fore @ curl @ curl


def _fk(turns, root):
    return sk.pose_from_turns(turns, root)


def solve(p):
    """The Pose of a spec (side 0 space)."""
    spin = p["spin"][0]
    turns = {b: np.eye(3) for b in sk.BONES}
    pelvis = rot_y(spin) @ _euler(*p["pelvis"])
    turns["Bip01_Spine"] = pelvis
    turns["Bip01_Spine1"] = pelvis @ _euler(*p["spine1"])
    turns["Bip01_Spine2"] = turns["Bip01_Spine1"] @ _euler(*p["spine2"])
    turns["Bip01_Head"] = rot_y(spin + p["head"][0]) @ rot_x(p["head"][1])
    chest = turns["Bip01_Spine2"]
    for side in ("L", "R"):
        for bone in ("UpperArm",):
            turns["Bip01_%s_%s" % (side, bone)] = chest
    pose = _fk(turns, p["root"])
    positions = pose.positions
    for side, key in (("L", "l"), ("R", "r")):
        foot = p[key + "foot"]
        solve_leg(turns, positions, side, foot[:3], foot_turn(*foot[3:]), p[key + "knee"])
    spin_turn = rot_y(spin)
    base = positions["Bip01_Spine2"]
    for side, key in (("L", "l"), ("R", "r")):
        wrist = base + spin_turn @ np.asarray(p[key + "hand"])
        _solve_arm(turns, positions, side, wrist, spin_turn @ np.asarray(p[key + "elbow"]),
                   p["fist"][0])
    return _fk(turns, p["root"])


def _foot_weight(y):
    """How much a foot counts as standing (1 on the ground, 0 from 0.1 above it)."""
    return float(np.clip((FOOT_Y + 0.1 - y) / 0.1, 0.0, 1.0))


def mirror_side(pose):
    """The side-1 pose of a side-0 pose: its mirror image, with the standing feet moved onto
    the side-1 foot line (the foot line keeps its +10 degrees on both sides)."""
    m = sk.mirrored(pose)
    turns, positions = dict(m.turns), m.positions
    for side in ("L", "R"):
        foot = "Bip01_%s_Foot" % side
        centre = m.point(foot, FOOT_CENTRE_REST[side])
        w = _foot_weight(centre[1])
        if w <= 0:
            continue
        turn = rot_y(2 * FOOT_LINE * w)
        knee = m.positions["Bip01_%s_Calf" % side]
        hip = m.positions["Bip01_%s_Thigh" % side]
        ankle = m.positions[foot]
        pole = knee - (hip + ankle) / 2
        # The foot keeps its mirrored turn; only its place moves onto the side-1 line.
        solve_leg(turns, positions, side, turn @ centre, m.turns[foot], pole)
    return sk.pose_from_turns(turns, positions["Bip01_Spine"])


def foot_centre(pose, side):
    return pose.point("Bip01_%s_Foot" % side, FOOT_CENTRE_REST[side])


def _ground_turn(x, y, z, weight_of):
    """A mirrored foot place moved onto the +10 degree line as far as the foot stands."""
    turn = rot_y(2 * FOOT_LINE * weight_of(y))
    return tuple(turn @ np.array((x, y, z)))


def mirror_spec(p):
    """The spec of the other side's pose (x negated, left and right exchanged), standing feet on
    the stance's foot line."""
    def neg_x(v):
        return (-v[0],) + tuple(v[1:])
    out = dict(p)
    out["root"] = neg_x(p["root"])
    out["spin"] = (-p["spin"][0],)
    for key in ("pelvis", "spine1", "spine2"):
        yaw, pitch, roll = p[key]
        out[key] = (-yaw, pitch, -roll)
    out["head"] = (-p["head"][0], p["head"][1])
    for a, b in (("l", "r"), ("r", "l")):
        x, y, z, yaw, pitch, roll = p[a + "foot"]
        out[b + "foot"] = _ground_turn(-x, y, z, _foot_weight) + (-yaw, pitch, -roll)
        out[b + "knee"] = neg_x(p[a + "knee"])
        out[b + "hand"] = neg_x(p[a + "hand"])
        out[b + "elbow"] = neg_x(p[a + "elbow"])
    return out


OTHER = mirror_spec(STANCE)
