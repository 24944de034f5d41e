"""The songs: start-up theme, menu theme 1 (intro and loop) and menu theme 2 (loop).

Each song is written as notes on a beat grid and rendered with the synthesised instruments.
Loops fold their tails (notes ringing past the end, the room's echo) back onto their start,
so they join without a gap or a click.
"""
import numpy as np

from . import audio, instruments as ins
from .audio import seconds
from .output import FileSet

SONGS = "Tavek_res\\sounds\\songs\\"


class Track:
    def __init__(self, bpm, bars, tail=4.0):
        self.beat = 60.0 / bpm
        self.length = seconds(bars * 4 * self.beat)
        self.mix = np.zeros((self.length + seconds(tail), 2))

    def add(self, sample, beat, pan=0.0, gain=1.0):
        start = seconds(beat * self.beat)
        end = min(len(self.mix), start + len(sample))
        if start >= end:
            return
        left, right = np.cos((pan + 1) * np.pi / 4), np.sin((pan + 1) * np.pi / 4)
        self.mix[start:end, 0] += sample[:end - start] * gain * left
        self.mix[start:end, 1] += sample[:end - start] * gain * right

    def notes(self, instrument, notes, pan=0.0, gain=1.0):
        """notes: (beat, length in beats, midi note[, velocity])."""
        for note in notes:
            beat, length, midi = note[:3]
            velocity = note[3] if len(note) > 3 else 1.0
            self.add(instrument(midi, length * self.beat + 0.25, velocity), beat, pan, gain)

    def render(self, name, loop, room=0.18):
        g = audio.rng(name)
        channels = []
        for c in range(2):
            wet = audio.reverb(self.mix[:, c], g, length=2.2, wet=room, damping=5000)
            channels.append(audio.loop_wrap(wet, self.length) if loop else wet[:len(self.mix)])
        out = np.stack(channels, axis=1)
        out = audio.soft_clip(audio.normalise(out, 1.0), 1.2)
        out = audio.normalise(out, 0.89)
        if not loop:
            fade = min(len(out), seconds(1.0))
            out[-fade:] *= np.linspace(1.0, 0.0, fade)[:, None]
        return out


def chord_pads(track, chords, bars_each, velocity=0.8):
    for i, chord in enumerate(chords):
        beat = i * bars_each * 4
        for midi in chord:
            track.add(ins.pad(midi, bars_each * 4 * track.beat + 0.4, velocity), beat,
                      pan=(midi % 5 - 2) * 0.15)


def arpeggio(track, chords, bars_each, pattern, step=0.5, octave=12, velocity=0.55):
    for i, chord in enumerate(chords):
        start = i * bars_each * 4
        tones = sorted(chord)
        for k in range(int(bars_each * 4 / step)):
            degree = pattern[k % len(pattern)]
            midi = tones[degree % len(tones)] + octave + 12 * (degree // len(tones))
            accent = 1.0 if k % 4 == 0 else 0.75
            track.add(ins.pluck(midi, 1.2, velocity * accent), start + k * step,
                      pan=0.35 if k % 2 else -0.35)


def drum_pattern(track, bars, kick_beats, snare_beats, hat_step=0.5, first=0, gain=1.0):
    for bar in range(first, bars):
        base = bar * 4
        for b in kick_beats:
            track.add(ins.kick(), base + b, gain=gain)
        for b in snare_beats:
            track.add(ins.snare(), base + b, pan=0.1, gain=gain)
        k = 0.0
        while k < 4:
            track.add(ins.hat(0.8 if k % 1 == 0 else 0.5), base + k, pan=0.3, gain=gain)
            k += hat_step


def taiko_fill(track, bar, gain=1.0):
    for b, v in ((0, 1.0), (2, 0.8), (2.667, 0.8), (3.333, 0.9), (3.667, 1.0)):
        track.add(ins.taiko(v, 1.0 if b < 3 else 1.2), bar * 4 + b, pan=-0.1, gain=gain)


# Menu theme 1: A minor, 120 beats a minute, 16 bars (32 s).
MENU1_CHORDS = [(57, 60, 64), (53, 57, 60), (55, 60, 64), (55, 59, 62)]
MENU1_ROOTS = [45, 41, 48, 43]
MENU1_MELODY = [  # bars 8-15, A minor pentatonic
    (32, 2, 76), (34, 1, 74), (35, 1, 72), (36, 3, 69), (39, 1, 67),
    (40, 1.5, 72), (41.5, 0.5, 74), (42, 2, 76), (44, 2, 79), (46, 2, 76),
    (48, 2, 81), (50, 1, 79), (51, 1, 76), (52, 2, 74), (54, 1, 72), (55, 1, 74),
    (56, 3, 76), (59, 0.5, 74), (59.5, 0.5, 72), (60, 4, 69),
]


def menu1_loop():
    t = Track(120, 16)
    chords = MENU1_CHORDS * 2
    chord_pads(t, chords, 2, 0.7)
    arpeggio(t, chords, 2, [0, 1, 2, 1, 3, 2, 1, 2], step=0.5)
    for i, root in enumerate(MENU1_ROOTS * 2):
        for b, length in ((0, 0.75), (1.5, 0.5), (2, 0.75), (3.5, 0.5), (4, 0.75), (5.5, 0.5),
                          (6, 1.0), (7.5, 0.5)):
            t.notes(ins.bass, [(i * 8 + b, length, root, 0.9)])
    drum_pattern(t, 16, (0, 1.5, 2.5), (1, 3), first=0, gain=0.9)
    for bar in (0, 4, 8, 12):
        t.add(ins.taiko(1.0), bar * 4, gain=0.8)
    taiko_fill(t, 7, 0.7)
    taiko_fill(t, 15, 0.7)
    t.notes(ins.flute, MENU1_MELODY, pan=0.1, gain=0.9)
    return t.render("menu1-loop", loop=True)


def menu1_intro():
    t = Track(120, 4, tail=2.0)
    chord_pads(t, [(57, 60, 64), (55, 59, 62)], 2, 0.9)
    for bar in range(4):
        for b in (0, 2):
            t.add(ins.taiko(0.5 + 0.12 * bar + 0.1 * (b == 0)), bar * 4 + b, gain=0.8)
        if bar >= 2:
            for k in range(8):
                t.add(ins.hat(0.3 + 0.08 * k), bar * 4 + k * 0.5, pan=0.3)
    taiko_fill(t, 3, 0.9)
    t.notes(ins.flute, [(4, 2, 69, 0.7), (6, 2, 72, 0.7), (8, 4, 76, 0.8), (12, 4, 74, 0.8)],
            pan=0.1)
    out = t.render("menu1-intro", loop=False)
    return out[:t.length]


# Menu theme 2: D dorian, 96 beats a minute, 12 bars (30 s), calmer.
MENU2_CHORDS = [(50, 53, 57, 60), (48, 52, 55, 59), (46, 50, 53, 57), (48, 52, 55, 60),
                (50, 53, 57, 62), (45, 52, 57, 61)]
MENU2_MELODY = [  # bars 4-11
    (16, 1.5, 74), (17.5, 0.5, 76), (18, 2, 77), (20, 1, 76), (21, 1, 74), (22, 2, 72),
    (24, 3, 74), (27, 1, 69), (28, 2, 71), (30, 2, 72),
    (32, 1.5, 77), (33.5, 0.5, 76), (34, 2, 74), (36, 2, 72), (38, 2, 71),
    (40, 4, 69), (44, 2, 73), (46, 2, 76),
]


def menu2_loop():
    t = Track(96, 12)
    chord_pads(t, MENU2_CHORDS, 2, 0.8)
    arpeggio(t, MENU2_CHORDS, 2, [0, 2, 1, 3, 2, 1], step=0.5, velocity=0.45)
    for i, chord in enumerate(MENU2_CHORDS):
        root = min(chord) - 12
        t.notes(ins.bass, [(i * 8, 3, root, 0.8), (i * 8 + 3.5, 0.5, root + 7, 0.6),
                           (i * 8 + 4, 3.5, root, 0.8)])
        t.add(ins.taiko(0.6, 0.9), i * 8, gain=0.6)
        t.add(ins.taiko(0.4, 1.1), i * 8 + 6, gain=0.5)
    for bar in range(12):
        for k in range(8):
            t.add(ins.hat(0.35 if k % 2 else 0.5), bar * 4 + k * 0.5, pan=-0.3, gain=0.7)
    t.notes(ins.flute, MENU2_MELODY, pan=-0.1)
    return t.render("menu2", loop=True, room=0.25)


def startup():
    """The start-up theme: a rising taiko pattern over a drone, closing on a big hit."""
    t = Track(90, 6, tail=3.0)
    for midi in (45, 52, 57):
        t.add(ins.pad(midi, 6 * 4 * t.beat, 0.9, 0.35), 0)
    for bar in range(5):
        for b in (0, 1.5, 2, 3):
            t.add(ins.taiko(0.35 + 0.13 * bar), bar * 4 + b, pan=-0.2 if b % 2 else 0.2)
        if bar >= 3:
            for k in range(8):
                t.add(ins.hat(0.5), bar * 4 + k * 0.5, pan=0.3)
    taiko_fill(t, 4, 1.0)
    t.add(ins.taiko(1.3, 0.8), 20)
    t.add(ins.kick(1.0), 20)
    for i, midi in enumerate((57, 60, 64, 69, 72, 76)):
        t.add(ins.pluck(midi, 2.5, 0.8), 20 + i * 0.125, pan=-0.5 + i * 0.2)
    t.notes(ins.flute, [(8, 3, 69, 0.7), (11, 1, 72, 0.7), (12, 2, 76, 0.8), (14, 2, 74, 0.8),
                        (16, 4, 72, 0.8)], pan=0.1)
    return t.render("startup", loop=False)


def job_song(name):
    files = FileSet()
    signal = {"startup": startup, "menu1-intro": menu1_intro, "menu1-loop": menu1_loop,
              "menu2": menu2_loop}[name]()
    files.add(SONGS + name + ".ogg", audio.encode_ogg(signal, name, 3))
    return files


def jobs():
    return [("music", "job_song", name) for name in ("menu1-loop", "menu2", "startup",
                                                     "menu1-intro")]
