"""Which sound files the pack holds and which event of soundscape.xml plays them.

Paths of samples are relative to Tavek_res\\sounds\\, as soundscape.xml names them.
"""

SOUNDS = "Tavek_res\\sounds\\"

# Fighter voice groups (the SoundGroup of a fighter record): espeak-ng variant and pitch.
VOICE_GROUPS = {
    "male.zov": ("m1", 30),
    "male.orig": ("m3", 42),
    "male.ferdolan": ("m7", 36),
    "female.quenra": ("f2", 62),
    "female.lodrevi": ("f4", 72),
    "female.orig": ("f1", 56),
}
GENERIC_VOICES = {"default": ("m2", 45), "male": ("m3", 40), "female": ("f3", 64)}

HITS = ["fx\\hit%d.ogg" % i for i in range(1, 5)]
WHOOSHES = ["fx\\whoosh%d.ogg" % i for i in range(1, 4)]
LONG_WHOOSHES = ["fx\\whoosh_long%d.ogg" % i for i in range(1, 3)]
FALLS = ["fx\\fall%d.ogg" % i for i in range(1, 3)]
ARENA_GROUPS = ["arena%d" % i for i in range(1, 6)] + ["default"]
CROWD_KINDS = ["cheer", "ooh", "clap"]


def hurt(group, n):
    return "voice\\%s\\hurt%d.ogg" % (group, n)


def pain(group, n):
    return "voice\\%s\\pain%d.ogg" % (group, n)


def tired(group, n):
    return "voice\\%s\\tired%d.ogg" % (group, n)


def crowd(group, kind):
    return "crowd\\%s\\%s.ogg" % (group, kind)


def voice_files():
    """(group, kind, n, path) of every voice sample."""
    out = []
    for group in list(VOICE_GROUPS) + ["default"]:
        out += [(group, "hurt", n, hurt(group, n)) for n in (1, 2)]
        out += [(group, "pain", n, pain(group, n)) for n in ((1, 2) if group == "default" else (1,))]
    for group in ("male", "female"):
        out += [(group, "tired", n, tired(group, n)) for n in (1, 2)]
    return out


def events():
    """soundscape.xml: (class, source, volume, {group id: [sample files]}) in file order."""
    voice_groups = list(VOICE_GROUPS)
    damage_normal = {"default": [hurt("default", 1), hurt("default", 2)]}
    damage_high = {"default": [pain("default", 1), pain("default", 2)]}
    for group in voice_groups:
        damage_normal[group] = [hurt(group, 1), hurt(group, 2)]
        damage_high[group] = [pain(group, 1)]
    return [
        ("kickConnected", "fighter", "1.0", {"default": HITS}),
        ("kickThrownNormal", "fighter", "0.6", {"default": WHOOSHES}),
        ("kickThrownLong", "fighter", "0.7", {"default": LONG_WHOOSHES}),
        ("knockDown", "fighter", "1.0", {"default": FALLS}),
        ("damageNormal", "fighterVoice", "0.8", damage_normal),
        ("damageHigh", "fighterVoice", "0.9", damage_high),
        ("tired", "fighterVoice", "0.7", {"male": [tired("male", 1), tired("male", 2)],
                                          "female": [tired("female", 1), tired("female", 2)]}),
        ("crowdCheer", "arena", "0.7", {g: [crowd(g, "cheer")] for g in ARENA_GROUPS}),
        ("crowdOoh", "arena", "0.7", {g: [crowd(g, "ooh")] for g in ARENA_GROUPS}),
        ("crowdClap", "arena", "0.6", {g: [crowd(g, "clap")] for g in ARENA_GROUPS}),
    ]


REFEREE = [  # file under Tavek_res\sounds\, spoken text
    ("Ref Start Match.ogg", "Start!"),
    ("Ref Pause Match.ogg", "Pause!"),
    ("Ref End Match.ogg", "Stop!"),
    ("Ref Blue Wins.ogg", "Blue wins!"),
    ("Ref Red Wins.ogg", "Red wins!"),
    ("Ref Blue HalfPenalty.ogg", "Blue, half penalty!"),
    ("Ref Red HalfPenalty.ogg", "Red, half penalty!"),
    ("Ref Blue FullPenalty.ogg", "Blue, full penalty!"),
    ("Ref Red FullPenalty.ogg", "Red, full penalty!"),
] + [("Ref Count %02d.ogg" % n, word + "!") for n, word in enumerate(
    ["One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten"], 1)]
