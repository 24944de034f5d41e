"""The XML data tables: event sounds, arena 1's camera fly-bys, and the championship tables."""
import math

from . import names, soundlist
from .output import FileSet

# AI modules the championship draws opponents' scripts from, by belt colour. Every name must be
# a module in Tavek_res\scripts (the AI scripts are kept in the repository and copied there).
AI_BY_BELT = [
    ("yellow", ["easy_ai_1", "easy_ai_2"]),
    ("green", ["easy_ai_2", "medium_ai_1"]),
    ("blue", ["medium_ai_1", "medium_ai_2"]),
    ("red", ["medium_ai_2", "hard_ai_1"]),
    ("black", ["hard_ai_1", "dremoai"]),
]

# name, opponents (bouts), difficulty, tier, rounds, round length (s), arena
TOURNAMENTS = [
    ("Spring Dojang Cup", 1, 0.6, 1, 1, 60, "dojang"),
    ("Club Open", 2, 0.7, 1, 1, 60, "dojang"),
    ("Autumn Dojang Cup", 2, 0.8, 1, 1, 60, "dojang"),
    ("City Schools Trophy", 2, 0.9, 2, 2, 60, "highschool"),
    ("Harbour Invitational", 3, 1.0, 2, 2, 60, "highschool"),
    ("Valley Junior Open", 3, 1.1, 2, 2, 90, "highschool"),
    ("University Games", 3, 1.25, 3, 2, 90, "college"),
    ("Collegiate Championship", 3, 1.4, 3, 3, 90, "college"),
    ("Capital Open", 3, 1.5, 3, 3, 90, "college"),
    ("Northern Regionals", 4, 1.7, 4, 3, 120, "regionals"),
    ("Southern Regionals", 4, 1.85, 4, 3, 120, "regionals"),
    ("Grand Regional Final", 4, 2.0, 4, 3, 120, "regionals"),
]


def xml_escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def document(lines):
    return ('<?xml version="1.0" encoding="UTF-8" standalone="no" ?>\n' + "\n".join(lines)
            + "\n").encode("utf-8")


def soundscape():
    lines = ["<SoundScape>"]
    for cls, source, volume, groups in soundlist.events():
        lines.append('  <event class="%s" source="%s" volume="%s">' % (cls, source, volume))
        for group, samples in groups.items():
            lines.append('    <group id="%s">' % xml_escape(group))
            for sample in samples:
                lines.append('      <sample file="%s"/>' % xml_escape(sample))
            lines.append("    </group>")
        lines.append("  </event>")
    lines.append("</SoundScape>")
    return document(lines)


def orbit(start_angle, end_angle, start_height, radius, length, keys=6, cut_first=True):
    """Keys of a path circling the mat and ending at the match camera's pose."""
    out = []
    for k in range(keys):
        s = k / float(keys - 1)
        ease = s * s * (3 - 2 * s)
        angle = math.radians(start_angle + (end_angle - start_angle) * ease)
        r = radius + (7.5 - radius) * ease
        height = start_height + (7.5 - start_height) * ease
        target_y = 1.0 + 1.0 * ease
        out.append((r * math.sin(angle), height, r * math.cos(angle), 0.0, target_y, 0.0,
                    length * s, "cut" if (k == 0 and cut_first) else None))
    return out


def flybys():
    paths = [
        (6.0, orbit(200.0, 360.0, 2.0, 9.0, 6.0)),
        (5.0, orbit(-140.0, 0.0, 6.0, 11.0, 5.0)),
        (7.0, orbit(90.0, 360.0, 3.5, 8.0, 7.0, keys=8)),
    ]
    lines = ["<Flybys>"]
    for length, keys in paths:
        lines.append('  <Flyby length="%.1f">' % length)
        for key in keys:
            lx, ly, lz, tx, ty, tz, t = [round(v, 3) + 0.0 for v in key[:7]]
            mode = key[7]
            extra = ' mode="%s"' % mode if mode else ""
            lines.append('    <At lx="%.3f" ly="%.3f" lz="%.3f" tx="%.3f" ty="%.3f" tz="%.3f" '
                         't="%.3f"%s/>' % (lx, ly, lz, tx, ty, tz, t, extra))
        lines.append("  </Flyby>")
    lines.append("</Flybys>")
    return document(lines)


def tournaments():
    lines = ["<Tournaments>"]
    for name, bouts, difficulty, tier, rounds, length, arena in TOURNAMENTS:
        lines.append('  <Tournament name="%s" opponents="%d" difficulty="%.2f" tier="%d" '
                     'rounds="%d" roundlength="%d" arena="%s"/>'
                     % (xml_escape(name), bouts, difficulty, tier, rounds, length, arena))
    lines.append("</Tournaments>")
    return document(lines)


def name_table():
    lines = ["<Names>", "  <Last>"]
    lines += ['    <Name value="%s"/>' % n for n in names.unique(names.LAST)]
    lines += ["  </Last>", '  <First type="m">']
    lines += ['    <Name value="%s"/>' % n for n in names.unique(names.MALE)]
    lines += ["  </First>", '  <First type="f">']
    lines += ['    <Name value="%s"/>' % n for n in names.unique(names.FEMALE)]
    lines += ["  </First>", "</Names>"]
    return document(lines)


def scripts():
    lines = ["<Scripts>"]
    for belt, modules in AI_BY_BELT:
        lines.append('  <level Belt="%s">' % belt)
        lines += ['    <AI script="%s"/>' % m for m in modules]
        lines.append("  </level>")
    lines.append("</Scripts>")
    return document(lines)


def job_tables():
    files = FileSet()
    files.add(soundlist.SOUNDS + "soundscape.xml", soundscape())
    files.add("Tavek_res\\arenas\\arena1\\flybys.xml", flybys())
    files.add("Tavek_res\\championship\\tournaments.xml", tournaments())
    files.add("Tavek_res\\championship\\names.xml", name_table())
    files.add("Tavek_res\\championship\\scripts.xml", scripts())
    return files


def jobs():
    return [("tables", "job_tables")]
