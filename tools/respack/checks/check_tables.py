#!/usr/bin/python3
"""Checks the XML data tables of a pack: each parses and follows the schema the game reads.

    check_tables.py --pack build/game
"""
import argparse
import keyword
import os
import re
import struct
import sys

sys.dont_write_bytecode = True
import xml.etree.ElementTree as ET

from packfiles import Pack

INT = re.compile(r"^\s*[+-]?\d+")
DECIMAL = re.compile(r"^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")
BELTS = ("yellow", "green", "blue", "red", "black")
ARENAS = ("dojang", "highschool", "college", "regionals")


class Table:
    def __init__(self, name):
        self.name = name
        self.problems = []
        self.checked = 0

    def check(self, ok, message):
        self.checked += 1
        if not ok:
            self.problems.append("%s: %s" % (self.name, message))
        return ok


def value(element, key):
    """A key in any of the game's three shapes: attribute, child's value attribute, child text."""
    if key in element.attrib:
        return element.attrib[key]
    for child in element:
        if child.tag == key:
            return child.attrib.get("value", "".join(child.itertext()))
    return None


def is_int(text):
    return text is not None and INT.match(text) is not None


def is_float(text):
    if text is None:
        return False
    if re.match(r"^0x[0-9A-Fa-f]{1,8}", text):
        return True
    return DECIMAL.match(text) is not None


def as_float(text):
    match = re.match(r"^0x([0-9A-Fa-f]{1,8})", text)
    if match:
        return struct.unpack("<f", struct.pack("<I", int(match.group(1), 16)))[0]
    return float(DECIMAL.match(text).group(0))


def load(pack, table, path):
    if not table.check(pack.exists(path), "missing file %s" % path):
        return None
    try:
        return ET.fromstring(pack.read(path))
    except ET.ParseError as problem:
        table.check(False, "not well formed: %s" % problem)
        return None


def check_soundscape(pack):
    t = Table("soundscape.xml")
    root = load(pack, t, "Tavek_res\\sounds\\soundscape.xml")
    if root is None:
        return t
    classes = set()
    for event in root.findall("event"):
        cls = event.get("class", "")
        t.check(cls != "" and cls not in classes, "event class empty or repeated: %r" % cls)
        classes.add(cls)
        t.check(event.get("source") in ("fighter", "fighterVoice", "tutorialVoice", "arena"),
                "%s: unknown source %r" % (cls, event.get("source")))
        t.check(is_float(event.get("volume", "1.0")), "%s: volume is not a number" % cls)
        groups = event.findall("group")
        t.check(groups, "%s: no group" % cls)
        for group in groups:
            t.check(group.get("id"), "%s: group without id attribute" % cls)
            for sample in group.findall("sample"):
                name = sample.get("file", "")
                full = "Tavek_res\\sounds\\" + name
                t.check(name and len(full) <= 259, "%s: bad sample name %r" % (cls, name))
                t.check(pack.exists(full), "%s: sample %s does not exist" % (cls, name))
            if event.get("source") == "arena":
                t.check(group.get("id") in ("default",) + tuple("arena%d" % i for i in range(1, 6)),
                        "%s: arena group %r" % (cls, group.get("id")))
    for needed in ("kickConnected", "damageNormal", "damageHigh", "kickThrownNormal",
                   "kickThrownLong", "tired", "knockDown"):
        t.check(needed in classes, "no event %s" % needed)
    return t


def check_flybys(pack):
    t = Table("flybys.xml")
    root = load(pack, t, "Tavek_res\\arenas\\arena1\\flybys.xml")
    if root is None:
        return t
    t.check(root.tag == "Flybys", "root is %s, not Flybys" % root.tag)
    for flyby in root.findall("Flyby"):
        length = value(flyby, "length")
        if not t.check(is_float(length) and as_float(length) > 0, "Flyby without a length"):
            continue
        keys = flyby.findall("At")
        t.check(keys, "a Flyby without At keys")
        times = []
        for key in keys:
            for name in ("lx", "ly", "lz", "tx", "ty", "tz", "t"):
                t.check(is_float(value(key, name)), "At without a number %s" % name)
            if is_float(value(key, "t")):
                times.append(as_float(value(key, "t")))
            t.check(key.get("mode") in (None, "cut"), "At with an unexpected mode")
        t.check(times == sorted(times) and times and times[-1] <= as_float(length) + 1e-6,
                "At times out of order or past the length")
    return t


def check_tournaments(pack):
    t = Table("tournaments.xml")
    root = load(pack, t, "Tavek_res\\championship\\tournaments.xml")
    if root is None:
        return t
    names, tiers = set(), set()
    for item in root.findall("Tournament"):
        name = value(item, "name")
        t.check(name and name not in names, "tournament name empty or repeated: %r" % name)
        names.add(name)
        for key in ("opponents", "tier", "rounds"):
            t.check(is_int(value(item, key)), "%s: %s is not an integer" % (name, key))
        for key in ("difficulty", "roundlength"):
            t.check(is_float(value(item, key)), "%s: %s is not a number" % (name, key))
        t.check(value(item, "arena") in ARENAS, "%s: unknown arena" % name)
        if is_int(value(item, "opponents")):
            t.check(1 <= int(value(item, "opponents")) <= 5, "%s: opponents out of range" % name)
        if is_int(value(item, "tier")):
            tiers.add(int(value(item, "tier")))
    t.check(names, "no tournament")
    t.check(tiers == set(range(1, len(tiers) + 1)), "tiers do not run 1, 2, ... %s" % sorted(tiers))
    return t


def check_names(pack):
    t = Table("names.xml")
    root = load(pack, t, "Tavek_res\\championship\\names.xml")
    if root is None:
        return t
    lists = {"last": root.find("Last"),
             "m": next((f for f in root.findall("First") if f.get("type") == "m"), None),
             "f": next((f for f in root.findall("First") if f.get("type") == "f"), None)}
    total = 0
    for label, element in lists.items():
        if not t.check(element is not None, "no list %s" % label):
            continue
        entries = [value(n, "value") for n in element.findall("Name")]
        total += len(entries)
        t.check(len(entries) >= 20, "list %s is short" % label)
        t.check(all(e and re.match(r"^[a-z]+$", e) for e in entries),
                "list %s: names must be plain lower-case letters" % label)
    t.check(total >= 200, "only %d names" % total)
    return t


def check_scripts(pack):
    t = Table("scripts.xml")
    root = load(pack, t, "Tavek_res\\championship\\scripts.xml")
    if root is None:
        return t
    scripts_dir = pack.path("Tavek_res\\scripts")
    for belt in BELTS:
        level = next((l for l in root.findall("level") if l.get("Belt") == belt), None)
        if not t.check(level is not None, "no level for belt %s" % belt):
            continue
        modules = [value(ai, "script") for ai in level.findall("AI")]
        t.check(modules, "belt %s has no AI" % belt)
        for module in modules:
            t.check(module and module.isidentifier() and not keyword.iskeyword(module),
                    "belt %s: %r is not a module name" % (belt, module))
            if os.path.isdir(scripts_dir):
                t.check(os.path.isfile(os.path.join(scripts_dir, module + ".py")),
                        "belt %s: module %s is not in Tavek_res\\scripts" % (belt, module))
    return t


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pack", required=True)
    args = parser.parse_args()
    if not os.path.isdir(args.pack):
        sys.exit("check_tables: no pack at %s (build the respack target first)" % args.pack)
    pack = Pack(args.pack)
    tables = [check_soundscape(pack), check_flybys(pack), check_tournaments(pack),
              check_names(pack), check_scripts(pack)]
    failed = [p for table in tables for p in table.problems]
    for problem in failed:
        print("FAIL: " + problem)
    checked = sum(table.checked for table in tables)
    print("%d passed, %d failed" % (checked - len(failed), len(failed)))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
