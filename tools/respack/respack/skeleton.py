"""The fighters' skeleton: bone names, hierarchy, rest frames, and the pose maths.

Model space: y up, the fighter faces +z, its right side at +x; the model origin is the
fighter's location, soles at y -0.65, top of the head at 1.15. Every bone's local X runs along
the bone; the frames are right-handed. A pose gives each bone its model-space turn from rest
(G = R_posed x R_rest^T) and its joint position; local rotations for the files follow from it.
Shared by the generator and its checks.
"""
import numpy as np

TOP = "Bip01"


def _unit(v):
    v = np.asarray(v, dtype=np.float64)
    return v / np.linalg.norm(v)


def _frame(x_axis, y_hint):
    """A right-handed frame (columns X, Y, Z) with X along x_axis and Y as close to y_hint."""
    x = _unit(x_axis)
    y = np.asarray(y_hint, dtype=np.float64)
    y = _unit(y - np.dot(y, x) * x)
    return np.column_stack([x, y, np.cross(x, y)])


PX, NX, PY, NY, PZ, NZ = ((1, 0, 0), (-1, 0, 0), (0, 1, 0), (0, -1, 0), (0, 0, 1), (0, 0, -1))


def _build():
    bones = []  # (name, parent, position, frame)

    def add(name, parent, position, x_axis, y_hint):
        bones.append((name, parent, np.array(position, dtype=np.float64), _frame(x_axis, y_hint)))

    add("Bip01_Spine", TOP, (0, 0.33, 0), PY, NX)
    add("Bip01_Spine1", "Bip01_Spine", (0, 0.50, 0), PY, NX)
    add("Bip01_Spine2", "Bip01_Spine1", (0, 0.68, 0), PY, NX)
    add("Bip01_Head", "Bip01_Spine2", (0, 0.93, 0), PY, NX)
    for side, s in (("L", -1.0), ("R", 1.0)):
        along = (s, 0, 0)
        add("Bip01_%s_UpperArm" % side, "Bip01_Spine2", (0.18 * s, 0.82, 0), along, (0, -s, 0))
        add("Bip01_%s_Forearm" % side, "Bip01_%s_UpperArm" % side, (0.48 * s, 0.82, 0), along,
            (0, s, 0))
        add("Bip01_%s_Hand" % side, "Bip01_%s_Forearm" % side, (0.74 * s, 0.82, 0), along,
            (0, s, 0))
        hand_y = (0, s, 0)
        thumb = np.array((0.77 * s, 0.80, 0.04))
        thumb_tip = np.array((0.81 * s, 0.80, 0.06))
        add("Bip01_%s_Finger0" % side, "Bip01_%s_Hand" % side, thumb, thumb_tip - thumb, hand_y)
        add("Bip01_%s_Finger01" % side, "Bip01_%s_Finger0" % side, thumb_tip, thumb_tip - thumb,
            hand_y)
        for k, z in zip(range(1, 5), (0.03, 0.01, -0.01, -0.03)):
            add("Bip01_%s_Finger%d" % (side, k), "Bip01_%s_Hand" % side, (0.84 * s, 0.82, z),
                along, hand_y)
            add("Bip01_%s_Finger%d1" % (side, k), "Bip01_%s_Finger%d" % (side, k),
                (0.89 * s, 0.82, z), along, hand_y)
    for side, s in (("L", -1.0), ("R", 1.0)):
        x = 0.09 * s
        add("Bip01_%s_Thigh" % side, "Bip01_Spine", (x, 0.27, 0), NY, NX)
        add("Bip01_%s_Calf" % side, "Bip01_%s_Thigh" % side, (x, -0.14, 0), NY, NX)
        add("Bip01_%s_Foot" % side, "Bip01_%s_Calf" % side, (x, -0.58, 0), (0, -0.05, 0.15), NX)
        add("Bip01_%s_Toe0" % side, "Bip01_%s_Foot" % side, (x, -0.63, 0.15), PZ, NX)
    return bones


_BONES = _build()
BONES = [b[0] for b in _BONES]                      # the 38 bones, parents first
PARENT = {b[0]: b[1] for b in _BONES}
REST_POS = {b[0]: b[2] for b in _BONES}
REST_FRAME = {b[0]: b[3] for b in _BONES}
REST_POS[TOP] = np.zeros(3)
REST_FRAME[TOP] = np.eye(3)
FRAMES = [TOP] + BONES                              # the 39 frames of every skinned file
CHILDREN = {name: [b for b in BONES if PARENT[b] == name] for name in FRAMES}


def partner(bone):
    """The bone on the other side (L <-> R); the spine, neck and head are their own partners."""
    if "_L_" in bone:
        return bone.replace("_L_", "_R_")
    if "_R_" in bone:
        return bone.replace("_R_", "_L_")
    return bone


# ---- rotations --------------------------------------------------------------------------

def rot_x(deg):
    a = np.radians(deg)
    c, s = np.cos(a), np.sin(a)
    return np.array([[1, 0, 0], [0, c, -s], [0, s, c]])


def rot_y(deg):
    a = np.radians(deg)
    c, s = np.cos(a), np.sin(a)
    return np.array([[c, 0, s], [0, 1, 0], [-s, 0, c]])


def rot_z(deg):
    a = np.radians(deg)
    c, s = np.cos(a), np.sin(a)
    return np.array([[c, -s, 0], [s, c, 0], [0, 0, 1]])


def axis_angle(axis, deg):
    axis = _unit(axis)
    a = np.radians(deg)
    k = np.array([[0, -axis[2], axis[1]], [axis[2], 0, -axis[0]], [-axis[1], axis[0], 0]])
    return np.eye(3) + np.sin(a) * k + (1 - np.cos(a)) * (k @ k)


def quat_from_matrix(m):
    """(w, x, y, z) of a rotation matrix (column-vector convention), w >= 0."""
    t = m[0, 0] + m[1, 1] + m[2, 2]
    if t > 0:
        s = np.sqrt(t + 1.0) * 2
        q = np.array([0.25 * s, (m[2, 1] - m[1, 2]) / s, (m[0, 2] - m[2, 0]) / s,
                      (m[1, 0] - m[0, 1]) / s])
    elif m[0, 0] > m[1, 1] and m[0, 0] > m[2, 2]:
        s = np.sqrt(1.0 + m[0, 0] - m[1, 1] - m[2, 2]) * 2
        q = np.array([(m[2, 1] - m[1, 2]) / s, 0.25 * s, (m[0, 1] + m[1, 0]) / s,
                      (m[0, 2] + m[2, 0]) / s])
    elif m[1, 1] > m[2, 2]:
        s = np.sqrt(1.0 + m[1, 1] - m[0, 0] - m[2, 2]) * 2
        q = np.array([(m[0, 2] - m[2, 0]) / s, (m[0, 1] + m[1, 0]) / s, 0.25 * s,
                      (m[1, 2] + m[2, 1]) / s])
    else:
        s = np.sqrt(1.0 + m[2, 2] - m[0, 0] - m[1, 1]) * 2
        q = np.array([(m[1, 0] - m[0, 1]) / s, (m[0, 2] + m[2, 0]) / s,
                      (m[1, 2] + m[2, 1]) / s, 0.25 * s])
    q = q / np.linalg.norm(q)
    if q[0] < 0:
        q = -q
    return q


def matrix_from_quat(q):
    w, x, y, z = q / np.linalg.norm(q)
    return np.array([
        [1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)],
        [2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)],
        [2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)]])


def slerp(a, b, t):
    """Shorter-arc slerp of (w, x, y, z) quaternions."""
    d = float(np.dot(a, b))
    if d < 0:
        b, d = -b, -d
    if d > 0.9995:
        q = a + t * (b - a)
        return q / np.linalg.norm(q)
    th = np.arccos(min(1.0, d))
    return (np.sin((1 - t) * th) * a + np.sin(t * th) * b) / np.sin(th)


def angle_between(ra, rb):
    """The angle in degrees of the turn from ra to rb."""
    c = (np.trace(ra.T @ rb) - 1) / 2
    return float(np.degrees(np.arccos(np.clip(c, -1, 1))))


# ---- rest transforms --------------------------------------------------------------------

def rest_local(bone):
    """(3x3 rotation, translation) of a bone's rest frame relative to its parent."""
    parent = PARENT[bone]
    rp = REST_FRAME[parent]
    return rp.T @ REST_FRAME[bone], rp.T @ (REST_POS[bone] - REST_POS[parent])


# ---- poses ------------------------------------------------------------------------------

class Pose:
    """Model-space turns from rest (G) and joint positions of every bone."""

    def __init__(self, turns, positions):
        self.turns = turns          # bone -> 3x3
        self.positions = positions  # bone -> 3

    def frame(self, bone):
        """The posed frame (columns X, Y, Z in model space)."""
        return self.turns[bone] @ REST_FRAME[bone]

    def point(self, bone, rest_point):
        """Where a point fixed to a bone (given at rest, model space) lies in this pose."""
        return self.positions[bone] + self.turns[bone] @ (np.asarray(rest_point) - REST_POS[bone])

    def local(self, bone):
        """(rotation, translation) of the bone relative to its parent in this pose."""
        parent = PARENT[bone]
        if parent == TOP:
            fp, pp = np.eye(3), np.zeros(3)
        else:
            fp, pp = self.frame(parent), self.positions[parent]
        return fp.T @ self.frame(bone), fp.T @ (self.positions[bone] - pp)


def rest_pose():
    return Pose({b: np.eye(3) for b in BONES}, {b: REST_POS[b].copy() for b in BONES})


def pose_from_turns(turns, root_position):
    """Forward kinematics: joint positions from each bone's model-space turn."""
    positions = {"Bip01_Spine": np.asarray(root_position, dtype=np.float64)}
    for bone in BONES[1:]:
        parent = PARENT[bone]
        positions[bone] = positions[parent] + turns[parent] @ (REST_POS[bone] - REST_POS[parent])
    return Pose(dict(turns), positions)


def pose_from_locals(locals_):
    """Forward kinematics from (local rotation, local translation) per bone, as a clip holds."""
    turns, positions = {}, {}
    for bone in BONES:
        rot, trans = locals_[bone]
        parent = PARENT[bone]
        if parent == TOP:
            frame, pos = rot, trans
        else:
            pf = turns[parent] @ REST_FRAME[parent]
            frame, pos = pf @ rot, positions[parent] + pf @ trans
        turns[bone] = frame @ REST_FRAME[bone].T
        positions[bone] = pos
    return Pose(turns, positions)


MIRROR = np.diag([-1.0, 1.0, 1.0])


def mirrored(pose):
    """The pose's mirror image through the plane x = 0, each bone given to its partner."""
    turns, positions = {}, {}
    for bone in BONES:
        other = partner(bone)
        turns[other] = MIRROR @ pose.turns[bone] @ MIRROR
        positions[other] = MIRROR @ pose.positions[bone]
    return Pose(turns, positions)


# ---- the 16 ragdoll parts ---------------------------------------------------------------

# (stem, main bone, mass, shape, centre, radius, length, axis) in model space at rest.
PARTS = [
    ("fighterHip", "Bip01_Spine", 10.0, "capsule", (0, 0.28, 0), 0.125, 0.14, "x"),
    ("fighterChest", "Bip01_Spine1", 5.0, "capsule", (0, 0.53, 0.01), 0.12, 0.14, "x"),
    ("fighterChest2j", "Bip01_Spine2", 7.0, "capsule", (0, 0.73, 0), 0.13, 0.18, "x"),
    ("fighterHead", "Bip01_Head", 3.0, "sphere", (0, 1.04, 0.01), 0.11, 0.0, None),
    ("fighterUpperArmLeft", "Bip01_L_UpperArm", 2.5, "capsule", (-0.33, 0.82, 0), 0.05, 0.20, "x"),
    ("fighterForearmLeft", "Bip01_L_Forearm", 2.0, "capsule", (-0.61, 0.82, 0), 0.045, 0.17, "x"),
    ("fighterHandLeft", "Bip01_L_Hand", 0.5, "sphere", (-0.80, 0.82, 0), 0.05, 0.0, None),
    ("fighterUpperArmRight", "Bip01_R_UpperArm", 2.5, "capsule", (0.33, 0.82, 0), 0.05, 0.20, "x"),
    ("fighterForearmRight", "Bip01_R_Forearm", 2.0, "capsule", (0.61, 0.82, 0), 0.045, 0.17, "x"),
    ("fighterHandRight", "Bip01_R_Hand", 0.5, "sphere", (0.80, 0.82, 0), 0.05, 0.0, None),
    ("fighterThighLeft", "Bip01_L_Thigh", 8.0, "capsule", (-0.09, 0.06, 0), 0.075, 0.26, "y"),
    ("fighterShinLeft", "Bip01_L_Calf", 4.0, "capsule", (-0.09, -0.36, 0), 0.055, 0.32, "y"),
    ("fighterFootLeft", "Bip01_L_Foot", 1.0, "capsule", (-0.09, -0.61, 0.05), 0.04, 0.16, "z"),
    ("fighterThighRight", "Bip01_R_Thigh", 8.0, "capsule", (0.09, 0.06, 0), 0.075, 0.26, "y"),
    ("fighterShinRight", "Bip01_R_Calf", 4.0, "capsule", (0.09, -0.36, 0), 0.055, 0.32, "y"),
    ("fighterFootRight", "Bip01_R_Foot", 1.0, "capsule", (0.09, -0.61, 0.05), 0.04, 0.16, "z"),
]
AXES = {"x": np.array([1.0, 0, 0]), "y": np.array([0, 1.0, 0]), "z": np.array([0, 0, 1.0])}


def part_shape(index, pose=None):
    """(kind, centre, radius, half segment vector) of a part's shape, posed when pose is given."""
    _, bone, _, kind, centre, radius, length, axis = PARTS[index]
    centre = np.array(centre, dtype=np.float64)
    half = np.zeros(3) if axis is None else AXES[axis] * (length / 2)
    if pose is not None:
        half = pose.turns[bone] @ half
        centre = pose.point(bone, centre)
    return kind, centre, radius, half


def segment_distance(p1, q1, p2, q2):
    """The smallest distance between two segments."""
    d1, d2, r = q1 - p1, q2 - p2, p1 - p2
    a, e, f = np.dot(d1, d1), np.dot(d2, d2), np.dot(d2, r)
    if a < 1e-12 and e < 1e-12:
        return float(np.linalg.norm(r))
    if a < 1e-12:
        s, t = 0.0, np.clip(f / e, 0, 1)
    else:
        c = np.dot(d1, r)
        if e < 1e-12:
            t, s = 0.0, np.clip(-c / a, 0, 1)
        else:
            b = np.dot(d1, d2)
            denom = a * e - b * b
            s = np.clip((b * f - c * e) / denom, 0, 1) if denom > 1e-12 else 0.0
            t = (b * s + f) / e
            if t < 0:
                t, s = 0.0, np.clip(-c / a, 0, 1)
            elif t > 1:
                t, s = 1.0, np.clip((b - c) / a, 0, 1)
    return float(np.linalg.norm((p1 + d1 * s) - (p2 + d2 * t)))


def shapes_touch(a, b, margin=0.0):
    """True when two posed shapes (from part_shape) overlap."""
    _, ca, ra, ha = a
    _, cb, rb, hb = b
    return segment_distance(ca - ha, ca + ha, cb - hb, cb + hb) <= ra + rb + margin
