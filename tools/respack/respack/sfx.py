"""Synthesised effects: GUI click and swish, refusal, impacts, whooshes, falls, arena ambience."""
import numpy as np

from . import audio
from .audio import RATE, seconds
from .output import FileSet
from .soundlist import FALLS, HITS, LONG_WHOOSHES, SOUNDS, WHOOSHES


def click(name):
    n = seconds(0.045)
    g = audio.rng(name)
    tone = np.sin(2 * np.pi * 1800 * audio.time_axis(n)) * audio.exp_decay(n, 0.006)
    noise = audio.band(g.standard_normal(n), 1500, 6000) * audio.exp_decay(n, 0.004)
    return audio.fade(audio.normalise(0.6 * tone + noise, 0.7), 0.0005, 0.01)


def moving_band(noise, centres, width=0.6, frame=1024):
    """Noise filtered by a band whose centre follows `centres` (Hz per frame), overlap-added."""
    hop = frame // 2
    window = np.hanning(frame)
    out = np.zeros(len(noise) + frame)
    freqs = np.fft.rfftfreq(frame, 1.0 / RATE)
    for k, start in enumerate(range(0, len(noise), hop)):
        chunk = np.zeros(frame)
        piece = noise[start:start + frame]
        chunk[:len(piece)] = piece
        centre = centres[min(k, len(centres) - 1)]
        gain = np.exp(-0.5 * (np.log(np.maximum(freqs, 1.0) / centre) / width) ** 2)
        out[start:start + frame] += np.fft.irfft(np.fft.rfft(chunk * window) * gain, frame)
    return out[:len(noise)]


def swish(name, length, f0, f1, attack_share=0.35):
    n = seconds(length)
    g = audio.rng(name)
    frames = n // 512 + 2
    centres = np.geomspace(f0, f1, frames)
    body = moving_band(g.standard_normal(n), centres)
    a = max(1, int(n * attack_share))
    env = np.concatenate([np.linspace(0, 1, a) ** 2, np.linspace(1, 0, n - a) ** 1.5])
    return audio.fade(audio.normalise(body * env, 0.8))


def refusal():
    out = []
    for freq in (330.0, 247.0):
        n = seconds(0.13)
        t = audio.time_axis(n)
        tone = np.sign(np.sin(2 * np.pi * freq * t)) * 0.35 + np.sin(2 * np.pi * freq * t) * 0.5
        out.append(audio.fade(audio.band(tone, None, 3000) * audio.envelope(n, 0.005, 0.03, 0.7, 0.03), 0.002, 0.01))
        out.append(np.zeros(seconds(0.03)))
    return audio.normalise(np.concatenate(out), 0.7)


def impact(name, weight):
    """A kick landing on a body protector: low thump, a slap and a bit of rustle."""
    n = seconds(0.35)
    g = audio.rng(name)
    thump = np.sin(audio.sweep(n, 130 * weight, 45, 0.4)) * audio.exp_decay(n, 0.06)
    slap = audio.band(g.standard_normal(n), 800, 5000) * audio.exp_decay(n, 0.008)
    rustle = audio.band(g.standard_normal(n), 2000, 9000) * audio.exp_decay(n, 0.05) * 0.15
    mix = thump * 1.0 + slap * (0.9 - 0.2 * weight) + rustle
    return audio.fade(audio.normalise(audio.soft_clip(mix, 1.5), 0.9), 0.0005, 0.03)


def fall(name):
    """A body falling onto the mat: two soft thumps and cloth noise."""
    n = seconds(0.8)
    g = audio.rng(name)
    out = np.zeros(n)
    for delay, gain in ((0.0, 0.7), (0.09, 1.0)):
        start = seconds(delay)
        m = n - start
        hit = np.sin(audio.sweep(m, 90, 38, 0.5)) * audio.exp_decay(m, 0.09)
        hit += audio.band(g.standard_normal(m), 200, 1500) * audio.exp_decay(m, 0.03) * 0.5
        out[start:] += hit * gain
    out += audio.band(g.standard_normal(n), 1500, 7000) * audio.exp_decay(n, 0.2) * 0.08
    return audio.fade(audio.normalise(out, 0.9), 0.0005, 0.1)


def murmur(name, length):
    """Seamless loop of a hall's background: crowd murmur, air and a low hum."""
    n = seconds(length)
    g = audio.rng(name)
    extra = seconds(1.0)
    bed = audio.band(audio.pink(n + extra, g), 150, 1800)
    mod = audio.band(g.standard_normal(n + extra), None, 4.0)
    mod = 0.7 + 0.3 * mod / (np.abs(mod).max() + 1e-9)
    chatter = audio.band(g.standard_normal(n + extra), 300, 900) * \
        np.abs(audio.band(g.standard_normal(n + extra), 2.0, 9.0)) * 3.0
    air = audio.band(g.standard_normal(n + extra), 3000, 10000) * 0.05
    hum = np.sin(2 * np.pi * 60 * audio.time_axis(n + extra)) * 0.02
    signal = bed * mod + chatter * 0.5 + air + hum
    # Seamless: crossfade the extra second over the start.
    out = signal[:n].copy()
    ramp = np.linspace(0.0, 1.0, extra)
    out[:extra] = out[:extra] * ramp + signal[n:n + extra] * (1.0 - ramp)
    return audio.normalise(out, 0.5)


def job_gui():
    files = FileSet()
    files.add("default_res\\sounds\\key.ogg", audio.encode_ogg(click("key"), "key"))
    files.add("default_res\\sounds\\sweep.ogg",
              audio.encode_ogg(swish("sweep", 0.35, 600, 5000), "sweep"))
    files.add(SOUNDS + "invalid selection.ogg", audio.encode_ogg(refusal(), "invalid selection"))
    files.add(SOUNDS + "background noise.ogg",
              audio.encode_ogg(murmur("background noise", 12.0), "background noise", 2))
    return files


def job_fight():
    files = FileSet()
    for i, path in enumerate(HITS):
        files.add(SOUNDS + path, audio.encode_ogg(impact(path, 0.8 + 0.15 * i), path))
    for i, path in enumerate(WHOOSHES):
        signal = swish(path, 0.22 + 0.03 * i, 400 + 100 * i, 2500 + 400 * i, 0.5)
        files.add(SOUNDS + path, audio.encode_ogg(signal, path))
    for i, path in enumerate(LONG_WHOOSHES):
        signal = swish(path, 0.45 + 0.08 * i, 250 + 80 * i, 3000, 0.55)
        files.add(SOUNDS + path, audio.encode_ogg(signal, path))
    for path in FALLS:
        files.add(SOUNDS + path, audio.encode_ogg(fall(path), path))
    return files


def jobs():
    return [("sfx", "job_gui"), ("sfx", "job_fight")]
