"""Crowd reactions per arena: cheers, "ooh"s and applause; bigger venues, bigger crowds."""
import numpy as np

from . import audio, speech
from .audio import seconds
from .output import FileSet
from .soundlist import ARENA_GROUPS, CROWD_KINDS, SOUNDS, crowd

CROWD_SIZE = {"arena1": 5, "arena2": 9, "arena3": 13, "arena4": 18, "arena5": 24, "default": 10}
VARIANTS = ["m1", "m2", "m3", "m4", "m5", "m6", "m7", "f1", "f2", "f3", "f4", "f5"]


def voices(group, kind, length):
    g = audio.rng(group + kind)
    n = seconds(length)
    out = np.zeros(n + seconds(1.5))
    words = {"cheer": ["Yeah!", "Woo!", "Yes!", "Go!"], "ooh": ["Ooh!", "Oh!", "Whoa!"]}[kind]
    for i in range(CROWD_SIZE[group]):
        word = words[int(g.integers(len(words)))]
        variant = VARIANTS[int(g.integers(len(VARIANTS)))]
        line = speech.speak(word, "en-us", pitch=int(g.integers(25, 80)),
                            speed=int(g.integers(110, 170)), amplitude=100, variant=variant)
        start = seconds(float(g.uniform(0.0, 0.35)))
        out[start:start + len(line)] += line * float(g.uniform(0.4, 1.0))
    return out[:n]


def bed(group, kind, length):
    g = audio.rng(group + kind + "bed")
    n = seconds(length)
    noise = audio.band(audio.pink(n, g), 250 if kind == "cheer" else 180, 3500 if kind == "cheer" else 1200)
    env = audio.envelope(n, 0.12, 0.4, 0.55, length * 0.5)
    return noise * env


def applause(group, length):
    g = audio.rng(group + "clap")
    n = seconds(length)
    out = np.zeros(n + seconds(0.1))
    clap = audio.band(g.standard_normal(seconds(0.02)), 900, 4000) * audio.exp_decay(seconds(0.02), 0.004)
    for person in range(CROWD_SIZE[group] * 2):
        rate = float(g.uniform(3.0, 4.5))
        t = float(g.uniform(0.0, 0.3))
        gain = float(g.uniform(0.3, 1.0))
        while t < length:
            start = seconds(t)
            out[start:start + len(clap)] += clap * gain * float(g.uniform(0.6, 1.0))
            t += 1.0 / rate * float(g.uniform(0.85, 1.15))
    env = audio.envelope(n, 0.05, 0.1, 1.0, length * 0.4)
    return out[:n] * env


def reaction(group, kind):
    length = {"cheer": 2.6, "ooh": 2.0, "clap": 2.8}[kind]
    if kind == "clap":
        signal = applause(group, length)
    else:
        speech_part = audio.normalise(voices(group, kind, length), 1.0)
        signal = speech_part * 0.8 + audio.normalise(bed(group, kind, length), 1.0) * 0.35
    size = CROWD_SIZE[group]
    hall = audio.reverb(signal, audio.rng(group + kind + "room"), length=0.6 + size * 0.06,
                        wet=0.2 + size * 0.01)
    hall = speech.trim(hall, 0.003)
    return audio.fade(audio.normalise(hall, 0.8), 0.01, 0.4)


def job_crowd(group):
    files = FileSet()
    for kind in CROWD_KINDS:
        path = crowd(group, kind)
        files.add(SOUNDS + path, audio.encode_ogg(reaction(group, kind), path, 2))
    return files


def jobs():
    return [("crowd", "job_crowd", g) for g in ARENA_GROUPS]
