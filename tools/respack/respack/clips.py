"""The fighters' animation clips: key poses per clip, played out frame by frame.

Every clip faces +z and kicks along +z. Side 0 stands left foot forward; the Mirrored folder
holds side 1, each frame the mirror image of side 0 with the standing feet on the +10 degree
foot line. Clips are keyed at every frame (25 per second) from 0 to their length L.
"""
import numpy as np

from . import poses as P
from . import xmesh
from .output import FileSet
from .poses import spec, STANCE, OTHER, ATTENTION, FRONT, REAR, line_point

FOLDER = "Tavek_res\\skinmeshes\\"
MIRRORED = FOLDER + "Mirrored\\"
MIRRORED_NAMES = {"000_walkcycle_left-ft-fwd.X": "000_walkcycle_right-ft-fwd.X"}
# Old names the test battle scene of the plug-in reads: (copy, original).
OLD_NAMES = [("029_IdleBounce_Loop.X", "29_IdleBouncing_Loop.X"),
             ("009_HeadBlock_rt.X", "09_HeadBlock_RT.X"),
             ("003_RLRound_HT_rt.X", "03_RearLegRoundhouseHeadTarget.X"),
             ("021_JumpRLRound.X", "21_JumpingRearLegRoundhouseKick.X"),
             ("012_RLBackKick_rt.X", "12_ReaLegBackKick_rt.X")]

S = STANCE
O = OTHER
GROUND = P.FOOT_Y


def feet(base, lf=None, rf=None, **more):
    changes = dict(more)
    if lf is not None:
        changes["lfoot"] = lf
    if rf is not None:
        changes["rfoot"] = rf
    return spec(base, **changes)


def up(point, dy, forward=0.0, side=0.0):
    """A stance foot place lifted by dy and moved along (forward) or across (side) the line."""
    x, y, z = point
    a = np.radians(P.FOOT_LINE)
    return (x + forward * np.sin(a) + side * np.cos(a), y + dy,
            z + forward * np.cos(a) - side * np.sin(a))


def with_root(base, dx=0.0, dy=0.0, dz=0.0, **more):
    x, y, z = base["root"]
    return spec(base, root=(x + dx, y + dy, z + dz), **more)


def turned(p, degrees):
    """The same spec with the whole body turned by `degrees` more (for spins that come round)."""
    return spec(p, spin=p["spin"][0] + degrees)


# ---- the clip table ---------------------------------------------------------------------
# Each clip: (file, length, keys [(frame, spec)], switches side, loops)

def _idle():
    high = with_root(S, dy=0.03, lhand=(-0.03, 0.25, 0.36), rhand=(0.07, 0.28, 0.11))
    return [(0, S), (6, high), (12, S), (18, high), (24, S)]


TIRED = spec(S, pelvis=(40.0, 15.0, 0.0), spine1=(-4.0, 5.0, 0.0), head=(0.0, 12.0),
             root=(0.0, 0.26, -0.02), lhand=(-0.12, -0.12, 0.26), rhand=(0.13, -0.15, 0.14))


def _tired():
    breath = spec(TIRED, spine2=(-9.0, -3.0, 0.0), root=(0.0, 0.275, -0.02),
                  lhand=(-0.12, -0.09, 0.26), rhand=(0.13, -0.12, 0.14))
    return [(0, TIRED), (15, breath), (30, TIRED), (45, breath), (60, TIRED)]


def _attention():
    step = spec(ATTENTION, root=(0.0, 0.29, 0.02), lfoot=FRONT + (15.0, 0.0, 0.0),
                rfoot=REAR + (60.0, 0.0, 0.0), pelvis=(30.0, 2.0, 0.0))
    rise = P.blend(step, S, 0.6)
    rise["fist"] = (1.0,)
    return [(0, ATTENTION), (10, step), (20, rise), (30, S)]


def _bow():
    bow = spec(ATTENTION, pelvis=(0.0, 14.0, 0.0), spine1=(0.0, 8.0, 0.0), spine2=(0.0, 8.0, 0.0),
               head=(0.0, 38.0), root=(0.0, 0.325, -0.05), lhand=(-0.16, -0.30, 0.16),
               rhand=(0.16, -0.30, 0.16))
    return [(0, S), (12, ATTENTION), (24, bow), (36, bow), (48, ATTENTION), (60, S)]


def _switch(variant, wcs):
    hop = with_root(S, dy=0.08, pelvis=(20.0, 4.0, 0.0),
                    lfoot=up(P.FRONT, 0.05) + (15.0, 0.0, 0.0),
                    rfoot=up(P.REAR, 0.05) + (50.0, 0.0, 0.0))
    passing = spec(hop, pelvis=(0.0, 4.0, 0.0), root=(0.0, 0.33, 0.0),
                   lfoot=line_point(0.02, GROUND + 0.06, -0.07) + (0.0, 0.0, 0.0),
                   rfoot=line_point(-0.02, GROUND + 0.06, 0.07) + (0.0, 0.0, 0.0))
    land = with_root(O, dy=-0.05)
    if variant == "B":
        hop = spec(hop, lfoot=up(P.FRONT, 0.30, -0.05) + (15.0, -20.0, 0.0),
                   lknee=(0.0, 0.6, 1.0))
    elif variant == "C":
        hop = with_root(hop, dz=-0.08)
        passing = with_root(passing, dz=-0.06)
    elif variant == "D":
        hop = with_root(hop, dz=0.08)
        passing = with_root(passing, dz=0.04)
        land = with_root(land, dz=-0.04)
    if wcs:
        low = dict(lhand=(-0.12, -0.05, 0.3), rhand=(0.12, -0.08, 0.2))
        high = dict(lhand=(0.06, 0.34, 0.3), rhand=(-0.03, 0.36, 0.34))
        hop = spec(hop, **low)
        passing = spec(passing, **low)
        land = spec(land, **high)
    return [(0, S), (6, hop), (10, passing), (14, land), (20, O)]


def _jump():
    crouch = with_root(S, dy=-0.09, pelvis=(40.0, 10.0, 0.0))
    apex = with_root(S, dy=0.35, lfoot=up(P.FRONT, 0.45, -0.05) + (15.0, 20.0, 0.0),
                     rfoot=up(P.REAR, 0.42, 0.05) + (60.0, 20.0, 0.0),
                     lhand=(-0.05, 0.32, 0.36), rhand=(0.06, 0.34, 0.14))
    return [(0, S), (4, crouch), (8, apex), (12, crouch), (18, S)]


def _kipup():
    lying = spec(S, root=(0.0, -0.52, -0.86), spin=0.0, pelvis=(0.0, -90.0, 0.0),
                 spine1=(0.0, 0.0, 0.0), spine2=(0.0, 0.0, 0.0), head=(0.0, -80.0),
                 lfoot=(-0.11, -0.60, 0.02, 0.0, -75.0, 0.0),
                 rfoot=(0.11, -0.60, 0.02, 0.0, -75.0, 0.0),
                 lknee=(0.0, 1.0, 0.0), rknee=(0.0, 1.0, 0.0),
                 lhand=(-0.3, -0.05, 0.45), rhand=(0.3, -0.05, 0.45),
                 lelbow=(-1.0, 0.2, 0.0), relbow=(1.0, 0.2, 0.0), fist=0.6)
    tuck = spec(lying, root=(0.0, -0.50, -0.82), pelvis=(0.0, -115.0, 0.0),
                lfoot=(-0.11, -0.22, -0.95, 0.0, -60.0, 0.0),
                rfoot=(0.11, -0.22, -0.95, 0.0, -60.0, 0.0),
                lknee=(0.0, 0.4, -1.0), rknee=(0.0, 0.4, -1.0))
    shoulders = spec(tuck, root=(0.0, -0.34, -0.95), pelvis=(0.0, -150.0, 0.0),
                     head=(0.0, -60.0), lfoot=(-0.11, 0.05, -1.45, 0.0, -120.0, 0.0),
                     rfoot=(0.11, 0.05, -1.45, 0.0, -120.0, 0.0),
                     lhand=(-0.22, 0.25, -0.05), rhand=(0.22, 0.25, -0.05),
                     lelbow=(-0.3, 1.0, 0.2), relbow=(0.3, 1.0, 0.2))
    kip = spec(shoulders, root=(0.0, -0.15, -0.55), pelvis=(0.0, -55.0, 0.0),
               head=(0.0, -20.0), lfoot=(-0.12, -0.35, 0.0, 0.0, 20.0, 0.0),
               rfoot=(0.12, -0.35, 0.0, 0.0, 20.0, 0.0),
               lknee=(0.0, 0.3, 1.0), rknee=(0.0, 0.3, 1.0))
    squat = spec(S, root=(0.0, 0.02, -0.08), pelvis=(0.0, 30.0, 0.0), spine1=(0.0, 10.0, 0.0),
                 head=(0.0, -10.0), lfoot=(-0.13, GROUND, 0.05, -10.0, 0.0, 0.0),
                 rfoot=(0.13, GROUND, 0.05, 10.0, 0.0, 0.0),
                 lknee=(-0.2, 0.0, 1.0), rknee=(0.2, 0.0, 1.0),
                 lhand=(-0.25, 0.05, 0.35), rhand=(0.25, 0.05, 0.35))
    rising = spec(S, root=(0.0, 0.18, -0.02), pelvis=(25.0, 15.0, 0.0))
    return [(0, lying), (10, tuck), (20, shoulders), (28, kip), (34, squat), (42, rising),
            (50, S)]


def _fake():
    feint = spec(S, pelvis=(25.0, 8.0, 0.0), spine1=(-12.0, 4.0, 0.0), root=(0.0, 0.28, 0.05),
                 lfoot=up(P.FRONT, 0.28, 0.08) + (15.0, 15.0, 0.0), lknee=(0.0, 0.5, 1.0),
                 lhand=(-0.01, 0.22, 0.42), rhand=(0.08, 0.22, 0.16))
    return [(0, S), (6, feint), (12, S), (20, S)]


def _steps(first, second, move_first, move_second):
    """A step in place: the first foot lifts and reaches, then the second follows."""
    def foot_key(key):
        return "lfoot" if key == "l" else "rfoot"
    place = {"l": P.FRONT + (15.0, 0.0, 0.0), "r": P.REAR + (60.0, 0.0, 0.0)}

    def moved(key, lift, move, base):
        x, y, z = place[key][:3]
        point = up((x, y, z), lift, *move)
        return spec(base, **{foot_key(key): point + place[key][3:]})
    a = moved(first, 0.05, move_first, S)
    b = moved(second, 0.05, tuple(0.5 * m for m in move_second), S)
    c = moved(second, 0.04, move_second, S)
    return [(0, S), (5, a), (10, b), (15, c), (20, S)]


def _run(lean):
    body = spec(S, pelvis=(35.0, lean, 0.0), root=(0.0, 0.26, 0.0))
    a = spec(body, lfoot=up(P.FRONT, 0.10, 0.08) + (15.0, 0.0, 0.0))
    b = spec(body, rfoot=up(P.REAR, 0.10, 0.08) + (60.0, 0.0, 0.0), root=(0.0, 0.28, 0.0))
    return [(0, S), (4, a), (8, b), (12, a), (16, b), (20, body), (25, S)]


def _walk():
    low = dict(lhand=(-0.06, 0.12, 0.32), rhand=(0.09, 0.14, 0.12), pelvis=(32.0, 2.0, 0.0),
               spine1=(-4.0, 0.0, 0.0))
    strike_l = spec(S)
    pass_r = spec(S, root=(0.0, 0.285, 0.0), rfoot=up(P.REAR, 0.07, 0.12) + (45.0, 0.0, 0.0),
                  **low)
    strike_r = spec(S, rfoot=up(P.REAR, 0.0, 0.12) + (50.0, -15.0, 0.0),
                    lfoot=up(P.FRONT, 0.0, -0.12) + (15.0, 8.0, 0.0), **low)
    pass_l = spec(S, root=(0.0, 0.285, 0.0), lfoot=up(P.FRONT, 0.07, -0.06) + (15.0, 0.0, 0.0),
                  **low)
    return [(0, strike_l), (8, pass_r), (15, strike_r), (23, pass_l), (30, strike_l)]


# -- kicks ----------------------------------------------------------------------------------
# Every kick chambers the striking foot in front of the body and then drives it along +z to
# the target's height, so the foot, not the shin, arrives first.

LEG_REACH = 0.86


def _hip(p, leg):
    return P.solve(p).positions["Bip01_%s_Thigh" % leg.upper()]


def reach(p, leg, y, x=0.0, give=0.0):
    """The farthest foot place ahead of the hip at height y (x across)."""
    hip = _hip(p, leg)
    r = LEG_REACH - give
    dz = np.sqrt(max(r * r - (y - hip[1]) ** 2 - (x - hip[0]) ** 2, 0.0))
    return (x, y, hip[2] + dz)


def strike(p, leg, y, turn, x=0.0, give=0.0, **more):
    """The spec p with the kicking foot stretched out to height y."""
    p = spec(p, **more)
    return spec(p, **{leg + "foot": reach(p, leg, y, x, give) + tuple(turn)})


def drive(f_chamber, chamber, f_mid, f_extend, extend, share=0.3):
    """Keys from the chamber to the extension: quickly to `share` of the way, then at an even,
    slower pace, so the foot enters the target's reach ahead of the shin."""
    return [(f_chamber, chamber), (f_mid, P.blend(chamber, extend, share)),
            (f_extend, extend, LINEAR)]


INSTEP_R, INSTEP_L = (0.0, 10.0, -85.0), (0.0, 10.0, 85.0)
SOLE = (0.0, -55.0, 0.0)
TRUNK, HEAD = 0.45, 0.98
HOOK = 0.92   # a hook's heel passes the head's lower half
HOOK_R, HOOK_L = (0.0, 10.0, 90.0), (0.0, 10.0, -90.0)   # toes along the leg


def _rear_roundhouse(height, lean, chamber_height):
    pivot = P.FRONT + (-45.0, 0.0, 0.0)
    chamber = spec(S, root=(0.0, 0.31, 0.15), pelvis=(-55.0, 5.0, 15.0), spine1=(0.0, 0.0, 0.0),
                   spine2=(0.0, 0.0, 0.0), head=(0.0, 0.0), lfoot=pivot,
                   rfoot=(0.12, chamber_height, 0.36, -20.0, 40.0, -60.0),
                   rknee=(0.2, 0.6, 1.0), lhand=(-0.12, 0.22, 0.28), rhand=(0.22, -0.05, -0.05))
    extend = strike(chamber, "r", height, INSTEP_R, give=0.03, root=(0.0, 0.31, 0.22),
                    pelvis=(-90.0, 0.0, lean), spine1=(0.0, 0.0, 5.0), head=(-10.0, 0.0),
                    rknee=(1.0, 0.6, 0.0), lhand=(-0.05, 0.30, 0.25), rhand=(0.25, -0.10, -0.15))
    hold = strike(extend, "r", height, INSTEP_R)
    recoil = spec(chamber, root=(0.0, 0.29, 0.22), pelvis=(-60.0, 0.0, 10.0),
                  rfoot=(0.15, chamber_height - 0.05, 0.50, -30.0, 40.0, -60.0))
    return chamber, extend, hold, recoil


def _kick_22():
    chamber, extend, hold, recoil = _rear_roundhouse(TRUNK, 28.0, 0.25)
    return [(0, S)] + drive(5, chamber, 7, 12, extend) + [(14, hold), (20, recoil), (30, O)]


def _kick_24():
    chamber, extend, hold, recoil = _rear_roundhouse(HEAD, 45.0, 0.62)
    extend = strike(extend, "r", HEAD, INSTEP_R, give=0.03, root=(0.0, 0.33, 0.2))
    hold = strike(hold, "r", HEAD, INSTEP_R, root=(0.0, 0.33, 0.2))
    return [(0, S)] + drive(6, chamber, 8, 13, extend) + [(15, hold), (21, recoil), (32, O)]


def _kick_23():
    skip = line_point(-0.12) + (80.0, 0.0, 0.0)
    chamber = spec(S, root=(0.0, 0.30, 0.08), pelvis=(70.0, 0.0, -10.0), rfoot=skip,
                   lfoot=(-0.10, 0.25, 0.42, 20.0, 40.0, 60.0), lknee=(-0.2, 0.6, 1.0),
                   lhand=(-0.15, 0.10, 0.10), rhand=(0.05, 0.26, 0.25))
    extend = strike(chamber, "l", TRUNK, INSTEP_L, give=0.03, root=(0.0, 0.31, 0.12),
                    pelvis=(90.0, 0.0, -28.0), head=(10.0, 0.0), lknee=(-1.0, 0.6, 0.0),
                    rhand=(0.05, 0.30, 0.25))
    hold = strike(extend, "l", TRUNK, INSTEP_L)
    recoil = spec(chamber, lfoot=(-0.12, 0.2, 0.5, 20.0, 40.0, 60.0))
    back = spec(S, rfoot=P.REAR + (60.0, 0.0, 0.0))
    return [(0, S)] + drive(4, chamber, 6, 11, extend) + [(13, hold), (17, recoil), (25, back)]


def _kick_25():
    swing = spec(S, root=(0.0, 0.31, 0.14), pelvis=(0.0, -5.0, 0.0), spine1=(0.0, 0.0, 0.0),
                 spine2=(-5.0, 0.0, 0.0), lfoot=P.FRONT + (-10.0, 0.0, 0.0),
                 rfoot=(-0.2, 0.55, 0.45, 0.0, 40.0, 0.0), rknee=(-0.5, 0.3, 1.0),
                 lhand=(-0.2, 0.2, 0.25), rhand=(0.2, 0.15, 0.2))
    apex = strike(swing, "r", 1.05, (0.0, 10.0, 0.0), give=0.0, root=(0.0, 0.32, 0.12),
                  pelvis=(-10.0, -14.0, 0.0), rknee=(0.0, 0.3, 1.0))
    drop1 = strike(apex, "r", HEAD, (0.0, 30.0, 0.0), root=(0.0, 0.32, 0.2),
                   pelvis=(-10.0, -4.0, 0.0))
    drop2 = strike(drop1, "r", 0.84, (0.0, 30.0, 0.0))
    land = with_root(O, dy=-0.04, dz=0.02)
    return [(0, S), (8, swing), (13, apex), (17, drop1), (19, drop2), (24, land), (35, O)]


def _kick_26():
    pivot = line_point(-0.02) + (90.0, 0.0, 0.0)   # the rear foot skips in
    across = spec(S, root=(0.0, 0.31, 0.16), pelvis=(70.0, 0.0, -15.0), rfoot=pivot,
                  lfoot=(0.40, 0.62, 0.28, 60.0, 40.0, 0.0), lknee=(0.6, 0.8, 1.0))
    beside = strike(across, "l", HOOK, HOOK_L, x=0.08, give=0.35,
                    pelvis=(90.0, 0.0, -50.0), head=(15.0, 0.0), lknee=(0.3, 1.0, 0.2),
                    root=(0.0, 0.31, 0.2))
    hook1 = strike(beside, "l", HOOK, HOOK_L, x=0.04)
    hook2 = strike(beside, "l", HOOK - 0.03, HOOK_L, x=-0.30, give=0.3,
                   lknee=(0.0, 1.0, 0.5))
    recoil = spec(across, lfoot=(-0.05, 0.1, 0.45, 20.0, 30.0, 0.0))
    return [(0, S), (5, across), (8, beside), (12, hook1, LINEAR), (14, hook2), (20, recoil),
            (30, S)]


def _kick_27():
    knee = spec(S, root=(0.0, 0.30, 0.10), pelvis=(10.0, -5.0, 0.0),
                lfoot=P.FRONT + (-10.0, 0.0, 0.0),
                rfoot=(0.06, 0.12, 0.34, 0.0, 30.0, 0.0), rknee=(0.0, 1.0, 0.4))
    push = strike(knee, "r", 0.40, SOLE, give=0.03, root=(0.0, 0.30, 0.20),
                  pelvis=(0.0, -15.0, 0.0), spine1=(0.0, -5.0, 0.0), rknee=(0.0, 1.0, 0.0))
    hold = strike(push, "r", 0.40, SOLE)
    recoil = spec(knee, root=(0.0, 0.29, 0.22), rfoot=(0.05, 0.05, 0.55, 0.0, 20.0, 0.0))
    return [(0, S)] + drive(6, knee, 8, 13, push) + [(15, hold), (21, recoil), (28, O)]


CUT = (20.0, -15.0, 0.0)


def _kick_28():
    chamber = spec(S, root=(0.0, 0.29, 0.04), pelvis=(75.0, 0.0, -10.0),
                   rfoot=P.REAR + (90.0, 0.0, 0.0),
                   lfoot=(-0.03, 0.12, 0.40, 60.0, 0.0, 0.0), lknee=(-0.3, 1.0, 0.6))
    cut = strike(chamber, "l", 0.28, CUT, give=0.03, root=(0.0, 0.29, 0.08),
                 pelvis=(85.0, 0.0, -22.0), lknee=(-0.3, 1.0, 0.0))
    hold = strike(cut, "l", 0.28, CUT)
    recoil = spec(chamber, lfoot=(-0.04, 0.05, 0.5, 40.0, 0.0, 0.0))
    return [(0, S)] + drive(4, chamber, 6, 10, cut) + [(12, hold), (16, recoil), (22, S)]


BACK_SOLE = (0.0, 15.0, 0.0)   # toes toward the target: the foot arrives ahead of the shin


def _back_kick(lift=0.0, airborne=False):
    pivot = P.FRONT + (150.0, 0.0, 0.0)
    chamber = spec(S, spin=135.0, root=(0.0, 0.29 + lift, 0.15), pelvis=(45.0, 15.0, 0.0),
                   head=(-45.0, 0.0), lfoot=pivot if not airborne else up(P.FRONT, 0.3) +
                   (150.0, 20.0, 0.0),
                   rfoot=(0.0, 0.36, 0.10, 0.0, 15.0, 0.0), rknee=(0.0, -1.0, -0.3))
    thrust = strike(chamber, "r", 0.46, BACK_SOLE, give=0.03, spin=160.0,
                    pelvis=(20.0, 25.0, 0.0), root=(0.0, 0.30 + lift, 0.22), head=(-70.0, 0.0),
                    rknee=(0.0, -1.0, 0.0))
    hold = strike(thrust, "r", 0.46, BACK_SOLE)
    recoil = spec(chamber, spin=230.0, root=(0.0, 0.29 + lift * 0.5, 0.25),
                  rfoot=(0.05, -0.1, 0.45, 200.0, 40.0, 0.0), head=(-120.0, 0.0),
                  rknee=(0.0, 0.3, 1.0))
    end = turned(O, 360.0)
    return chamber, thrust, hold, recoil, end


def _kick_29():
    chamber, thrust, hold, recoil, end = _back_kick()
    return [(0, S)] + drive(7, chamber, 9, 17, thrust) + [(19, hold), (26, recoil), (35, end)]


HEEL = (200.0, 0.0, 0.0)


def _spin_hook(lift=0.0):
    pivot = P.FRONT + (150.0, 0.0, 0.0)
    back = spec(S, spin=135.0, root=(0.0, 0.30 + lift, 0.10), head=(-45.0, 0.0), lfoot=pivot,
                rfoot=up(P.REAR, 0.3 + lift, 0.1) + (150.0, 30.0, 0.0))
    rising = spec(back, spin=200.0, head=(-60.0, 0.0), pelvis=(45.0, 0.0, 25.0),
                  lfoot=P.FRONT + (215.0, 0.0, 0.0),
                  rfoot=(-0.5, 0.75 + lift * 0.3, 0.25, 200.0, 0.0, 0.0), rknee=(0.0, 1.0, 0.0))
    sweep1 = strike(rising, "r", HOOK, HOOK_R, x=-0.08, give=0.4, spin=290.0,
                    head=(-60.0, 0.0), pelvis=(45.0, 0.0, 50.0), lfoot=P.FRONT + (305.0, 0.0, 0.0),
                    root=(0.0, 0.32 + lift, 0.26))
    through = strike(sweep1, "r", HOOK, HOOK_R, x=-0.04, spin=310.0, head=(-50.0, 0.0),
                     lfoot=P.FRONT + (325.0, 0.0, 0.0))
    sweep2 = strike(sweep1, "r", HOOK, HOOK_R, x=0.36, give=0.3, spin=330.0,
                    head=(-40.0, 0.0), lfoot=P.FRONT + (345.0, 0.0, 0.0))
    done = spec(turned(S, 360.0), root=(0.0, 0.27, 0.08),
                rfoot=up(P.REAR, 0.05, 0.1) + (60.0, 0.0, 0.0))
    return back, rising, sweep1, through, sweep2, done


def _kick_30():
    back, rising, sweep1, through, sweep2, done = _spin_hook()
    return [(0, S), (8, back), (15, rising), (18, sweep1), (22, through, LINEAR), (25, sweep2),
            (30, done), (40, turned(S, 360.0))]


def _crouch(p=S):
    return with_root(p, dy=-0.08, pelvis=(p["pelvis"][0], 12.0, 0.0))


def _airborne(p, height):
    """Both feet off the ground by `height`, tucked."""
    return spec(p, root=(p["root"][0], p["root"][1] + height, p["root"][2]),
                lfoot=up(P.FRONT, height + 0.1) + (15.0, 30.0, 0.0),
                rfoot=up(P.REAR, height + 0.1) + (60.0, 30.0, 0.0))


AIR = 0.30


def _kick_31():
    chamber, _, _, recoil = _rear_roundhouse(TRUNK, 25.0, 0.30)
    take_off = _airborne(spec(S, pelvis=(0.0, 0.0, 0.0)), AIR)
    chamber = spec(chamber, root=(0.0, 0.31 + AIR, 0.15),
                   lfoot=up(P.FRONT, AIR + 0.15) + (-60.0, 30.0, 0.0),
                   rfoot=(0.12, 0.35, 0.36, -20.0, 40.0, -60.0))
    extend = strike(chamber, "r", TRUNK + 0.02, INSTEP_R, give=0.03, root=(0.0, 0.30 + AIR, 0.22),
                    pelvis=(-90.0, 0.0, 25.0), rknee=(1.0, 0.6, 0.0),
                    lfoot=up(P.FRONT, AIR + 0.15) + (-60.0, 30.0, 0.0))
    hold = strike(extend, "r", TRUNK + 0.02, INSTEP_R, root=(0.0, 0.29 + AIR, 0.24))
    land = with_root(O, dy=-0.06)
    return [(0, S), (5, _crouch()), (10, take_off)] + drive(13, chamber, 14, 18, extend) + \
        [(20, hold), (26, land), (36, O)]


def _kick_32():
    take_off = _airborne(spec(S, pelvis=(70.0, 0.0, 0.0)), AIR)
    chamber = spec(take_off, pelvis=(80.0, 0.0, -20.0), lfoot=(-0.08, 0.62, 0.40, 20.0, 40.0, 60.0),
                   lknee=(-0.2, 1.0, 0.6))
    extend = strike(chamber, "l", HEAD, INSTEP_L, give=0.03, root=(0.0, 0.30 + AIR, 0.14),
                    pelvis=(90.0, 0.0, -40.0), head=(10.0, 0.0),
                    rfoot=up(P.REAR, AIR + 0.12) + (90.0, 30.0, 0.0), lknee=(-1.0, 1.0, 0.0),
                    rhand=(0.05, 0.30, 0.25))
    hold = strike(extend, "l", HEAD, INSTEP_L)
    land = with_root(S, dy=-0.06)
    return [(0, S), (5, _crouch()), (10, take_off)] + drive(13, chamber, 14, 18, extend) + \
        [(20, hold), (26, land), (36, S)]


def _kick_33():
    take = _airborne(spec(S, spin=90.0, head=(-40.0, 0.0)), AIR)
    rising = spec(take, spin=200.0, head=(-60.0, 0.0), pelvis=(45.0, 0.0, 25.0),
                  rfoot=(-0.5, 0.75, 0.25, 200.0, 0.0, 0.0), rknee=(0.0, 1.0, 0.0))
    sweep1 = strike(rising, "r", HOOK, HOOK_R, x=-0.08, give=0.4, spin=280.0,
                    pelvis=(45.0, 0.0, 50.0), root=(0.0, 0.27 + AIR, 0.26), head=(-60.0, 0.0))
    through = strike(sweep1, "r", HOOK, HOOK_R, x=-0.04, spin=300.0, head=(-50.0, 0.0))
    sweep2 = strike(sweep1, "r", HOOK, HOOK_R, x=0.36, give=0.3, spin=320.0,
                    head=(-40.0, 0.0))
    land = with_root(turned(S, 360.0), dy=-0.07)
    return [(0, S), (6, _crouch()), (12, take), (17, rising), (20, sweep1), (24, through, LINEAR),
            (27, sweep2), (33, land), (45, turned(S, 360.0))]


SIDE = (-15.0, 15.0, 0.0)


def _kick_34():
    take = _airborne(spec(S, pelvis=(-80.0, 0.0, 0.0), head=(-10.0, 0.0)), AIR + 0.02)
    chamber = spec(take, rfoot=(0.05, 0.42, 0.30, -15.0, 15.0, 0.0), rknee=(0.0, -1.0, 0.3))
    thrust = strike(chamber, "r", TRUNK + 0.02, SIDE, give=0.03,
                    root=(0.0, 0.31 + AIR, 0.22), pelvis=(-90.0, 0.0, 30.0), rknee=(0.0, 1.0, 0.0),
                    lfoot=up(P.FRONT, AIR + 0.15) + (-60.0, 30.0, 0.0))
    hold = strike(thrust, "r", TRUNK + 0.02, SIDE)
    land = with_root(O, dy=-0.06)
    return [(0, S), (5, _crouch()), (10, take)] + drive(12, chamber, 13, 19, thrust) + \
        [(20, hold), (26, land), (36, O)]


def _kick_45():
    chamber, thrust, hold, recoil, end = _back_kick(lift=AIR, airborne=True)
    chamber = spec(chamber, lfoot=up(P.FRONT, AIR + 0.05) + (150.0, 30.0, 0.0))
    thrust = strike(thrust, "r", 0.48, BACK_SOLE, give=0.03,
                    lfoot=up(P.FRONT, AIR + 0.1) + (180.0, 30.0, 0.0))
    hold = strike(hold, "r", 0.48, BACK_SOLE, lfoot=up(P.FRONT, AIR + 0.05) + (180.0, 30.0, 0.0))
    land = with_root(end, dy=-0.06)
    return [(0, S), (6, _crouch())] + drive(12, chamber, 14, 21, thrust) + \
        [(23, hold), (29, land), (40, end)]


# -- punches and blocks ----------------------------------------------------------------------

def _punches(front, rear):
    jab = spec(S, pelvis=(30.0, 5.0, 0.0), root=(0.0, 0.27, 0.08), lhand=(-0.02, 0.02, 0.60),
               lelbow=(-0.2, -1.0, 0.0), spine1=(-10.0, 3.0, 0.0))
    cross = spec(S, pelvis=(-5.0, 5.0, 0.0), root=(0.0, 0.27, 0.10), rhand=(0.0, 0.02, 0.62),
                 relbow=(0.2, -1.0, 0.0), spine1=(0.0, 3.0, 0.0), spine2=(0.0, 2.0, 0.0),
                 rfoot=P.REAR + (85.0, 0.0, 0.0))
    if front and rear:
        return [(0, S), (9, jab), (10, jab), (12, S), (14, cross), (15, cross), (26, S)]
    hit = jab if front else cross
    return [(0, S), (9, hit), (10, hit), (20, S)]


def _block(kind):
    if kind == "torso":
        held = spec(S, pelvis=(35.0, 8.0, 0.0), rhand=(-0.18, -0.28, 0.30),
                    relbow=(1.0, 0.0, 0.3))
    elif kind == "head":
        held = spec(S, pelvis=(35.0, 0.0, 0.0), rhand=(-0.10, 0.52, 0.26),
                    relbow=(1.0, 0.3, 0.4), head=(0.0, 0.0))
    else:
        held = spec(S, pelvis=(20.0, 6.0, 0.0), lhand=(0.06, 0.30, 0.26),
                    rhand=(-0.06, 0.10, 0.28), lelbow=(-1.0, -0.6, 0.0), relbow=(1.0, -0.6, 0.0))
    return [(0, S), (6, held), (8, held), (15, held), (24, S)]


CLIPS = [
    ("29_IdleBouncing_Loop.X", 24, _idle, False, True),
    ("31_IdleBouncingTired.X", 60, _tired, False, True),
    ("32_AttentionToSparringStance.X", 30, _attention, False, False),
    ("35_Bowing.X", 60, _bow, False, False),
    ("33_SwitchFeet.X", 20, lambda: _switch("A", False), True, False),
    ("33_SwitchFeet_Am_A.X", 20, lambda: _switch("A", False), True, False),
    ("33_SwitchFeet_Am_B.X", 20, lambda: _switch("B", False), True, False),
    ("33_SwitchFeet_Am_C.X", 20, lambda: _switch("C", False), True, False),
    ("33_SwitchFeet_Am_D.X", 20, lambda: _switch("D", False), True, False),
    ("33_SwitchFeet_WCS_A.X", 20, lambda: _switch("A", True), True, False),
    ("33_SwitchFeet_WCS_B.X", 20, lambda: _switch("B", True), True, False),
    ("33_SwitchFeet_WCS_C.X", 20, lambda: _switch("C", True), True, False),
    ("33_SwitchFeet_WCS_D.X", 20, lambda: _switch("D", True), True, False),
    ("20_Jumping.X", 18, _jump, False, False),
    ("34_Kipup.X", 50, _kipup, False, False),
    ("45_Fake.X", 20, _fake, False, False),
    ("14_Chujin.X", 20, lambda: _steps("l", "r", (0.12, 0.0), (0.12, 0.0)), False, True),
    ("15_Fujin.X", 20, lambda: _steps("r", "l", (-0.12, 0.0), (-0.12, 0.0)), False, True),
    ("16_SideStepToRightSide.X", 20, lambda: _steps("r", "l", (0.0, 0.12), (0.0, 0.12)), False,
     True),
    ("17_SidestepToLeftSide.X", 20, lambda: _steps("l", "r", (0.0, -0.12), (0.0, -0.12)), False,
     True),
    ("18_RunningCharge.X", 25, lambda: _run(20.0), False, False),
    ("19_RunningRetreat.X", 25, lambda: _run(-10.0), False, False),
    ("000_walkcycle_left-ft-fwd.X", 30, _walk, False, True),
    ("01_RearLegRoundHouseBodyTarget.X", 30, _kick_22, True, False),
    ("02_FrontLegRoundhouseBodyTarget.X", 25, _kick_23, False, False),
    ("03_RearLegRoundhouseHeadTarget.X", 32, _kick_24, True, False),
    ("05_RearLegAxeKick.X", 35, _kick_25, True, False),
    ("06_FrontLegFrontHookKick.X", 30, _kick_26, False, False),
    ("10_RearLegPushKick.X", 28, _kick_27, True, False),
    ("11_FrontLegPushCutKick.X", 22, _kick_28, False, False),
    ("12_ReaLegBackKick_rt.X", 35, _kick_29, True, False),
    ("13_SpinningHookKick.X", 40, _kick_30, False, False),
    ("21_JumpingRearLegRoundhouseKick.X", 36, _kick_31, True, False),
    ("22_JumpFrontLegRoundhouseKick.X", 36, _kick_32, False, False),
    ("25_JumpingSpinHookKick.X", 45, _kick_33, False, False),
    ("47_JumpingSideKick.X", 36, _kick_34, True, False),
    ("24_JumpingBackKick.X", 40, _kick_45, True, False),
    ("26_DoublePunch.X", 26, lambda: _punches(True, True), False, False),
    ("27_SinglePunchFront.X", 20, lambda: _punches(True, False), False, False),
    ("28_SinglePunchRear.X", 20, lambda: _punches(False, True), False, False),
    ("08_TorsoBlock_RT.X", 24, lambda: _block("torso"), False, False),
    ("09_HeadBlock_RT.X", 24, lambda: _block("head"), False, False),
    ("09_HeadBlock_RT-B.X", 24, lambda: _block("high"), False, False),
]
BY_NAME = {c[0]: c for c in CLIPS}


LINEAR = "linear"


def _ease(t):
    return t * t * (3 - 2 * t)


def frame_specs(name):
    """The pose spec of every frame 0..L of a side-0 clip."""
    _, length, make, _, _ = BY_NAME[name]
    keys = make()
    if keys[0][0] != 0 or keys[-1][0] != length:
        raise ValueError("%s: keys must run from 0 to %d" % (name, length))
    out = []
    for frame in range(length + 1):
        for k0, k1 in zip(keys, keys[1:]):
            (f0, a), (f1, b) = k0[:2], k1[:2]
            if f0 <= frame <= f1:
                t = 0.0 if f1 == f0 else (frame - f0) / (f1 - f0)
                # A key marked LINEAR is reached at an even pace (a kick's drive).
                out.append(P.blend(a, b, t if k1[2:] == (LINEAR,) else _ease(t)))
                break
    return out


def clip_poses(name, side):
    poses = [P.solve(s) for s in frame_specs(name)]
    if side == 1:
        poses = [P.mirror_side(p) for p in poses]
    return poses


def stem(file_name):
    return file_name[:file_name.rindex(".")]


def make_group(names):
    files = FileSet()
    for name in names:
        side0 = [P.solve(s) for s in frame_specs(name)]
        data = xmesh.clip(stem(name), side0)
        files.add(FOLDER + name, data)
        mirror_name = MIRRORED_NAMES.get(name, name)
        side1 = [P.mirror_side(p) for p in side0]
        files.add(MIRRORED + mirror_name, xmesh.clip(stem(mirror_name), side1))
        for old, original in OLD_NAMES:
            if original == name:
                files.add(FOLDER + old, data)
    return files


def jobs():
    names = [c[0] for c in CLIPS]
    groups = [names[i:i + 4] for i in range(0, len(names), 4)]
    return [("clips", "make_group", tuple(g)) for g in groups]
