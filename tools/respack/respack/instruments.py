"""Synthesised instruments for the songs: each returns a mono note of the given length."""
import numpy as np

from . import audio
from .audio import seconds


def hz(midi):
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


def pluck(midi, length, velocity=1.0):
    """A plucked string (koto-like): decaying harmonics, the upper ones fading faster."""
    n = seconds(length)
    t = audio.time_axis(n)
    f = hz(midi)
    out = np.zeros(n)
    for k, amp in enumerate((1.0, 0.55, 0.35, 0.22, 0.12, 0.07), 1):
        detune = 1.0 + 0.0015 * k * k
        out += amp * np.sin(2 * np.pi * f * k * detune * t) * np.exp(-t * (2.5 + 3.0 * k))
    attack = np.minimum(1.0, t / 0.003)
    return out * attack * velocity * 0.5


_pads = {}


def pad(midi, length, velocity=1.0, brightness=0.5):
    """A soft string pad: detuned saw-like partials with a slow swell. The songs repeat their
    chords, so each pad is made once (read-only)."""
    key = (midi, length, velocity, brightness)
    if key not in _pads:
        _pads[key] = _pad(midi, length, velocity, brightness)
        _pads[key].setflags(write=False)
    return _pads[key]


def _pad(midi, length, velocity, brightness):
    n = seconds(length)
    t = audio.time_axis(n)
    f = hz(midi)
    out = np.zeros(n)
    for detune in (-0.004, 0.0, 0.005):
        for k in range(1, 7):
            out += (brightness ** (k - 1)) / k * np.sin(2 * np.pi * f * (1 + detune) * k * t + k)
    env = audio.envelope(n, min(0.6, length * 0.3), 0.2, 0.85, min(0.8, length * 0.3))
    return out * env * velocity * 0.12


def bass(midi, length, velocity=1.0):
    n = seconds(length)
    t = audio.time_axis(n)
    f = hz(midi)
    body = np.sin(2 * np.pi * f * t) + 0.35 * np.sin(4 * np.pi * f * t) + 0.1 * np.sin(6 * np.pi * f * t)
    env = audio.envelope(n, 0.005, 0.15, 0.6, min(0.08, length * 0.3))
    return body * env * velocity * 0.55


def flute(midi, length, velocity=1.0):
    """A breathy flute: sine with vibrato, a touch of harmonics and breath noise."""
    n = seconds(length)
    t = audio.time_axis(n)
    f = hz(midi)
    vibrato = 1.0 + 0.006 * np.sin(2 * np.pi * 5.2 * t) * np.minimum(1.0, t / 0.4)
    phase = 2 * np.pi * np.cumsum(f * vibrato) / audio.RATE
    tone = np.sin(phase) + 0.2 * np.sin(2 * phase) + 0.08 * np.sin(3 * phase)
    breath = audio.band(audio.rng("breath%d" % midi).standard_normal(n), f, f * 4) * 0.08
    env = audio.envelope(n, 0.06, 0.1, 0.8, min(0.15, length * 0.4))
    return (tone + breath) * env * velocity * 0.32


def kick(velocity=1.0):
    n = seconds(0.35)
    body = np.sin(audio.sweep(n, 140, 42, 0.3)) * audio.exp_decay(n, 0.09)
    click = audio.band(audio.rng("kick").standard_normal(n), 2000, 8000) * audio.exp_decay(n, 0.003)
    return (body + click * 0.15) * velocity * 0.9


def snare(velocity=1.0):
    n = seconds(0.25)
    t = audio.time_axis(n)
    tone = np.sin(2 * np.pi * 190 * t) * audio.exp_decay(n, 0.04)
    noise = audio.band(audio.rng("snare").standard_normal(n), 1200, 9000) * audio.exp_decay(n, 0.06)
    return (tone * 0.5 + noise * 0.6) * velocity * 0.6


def hat(velocity=1.0, open_hat=False):
    n = seconds(0.3 if open_hat else 0.06)
    noise = audio.band(audio.rng("hat%d" % open_hat).standard_normal(n), 7000, None)
    return noise * audio.exp_decay(n, 0.08 if open_hat else 0.015) * velocity * 0.16


def taiko(velocity=1.0, pitch=1.0):
    """A big barrel drum: deep pitch drop, long body and skin noise."""
    n = seconds(0.9)
    body = np.sin(audio.sweep(n, 110 * pitch, 55 * pitch, 0.4)) * audio.exp_decay(n, 0.25)
    body += 0.3 * np.sin(audio.sweep(n, 230 * pitch, 120 * pitch, 0.4)) * audio.exp_decay(n, 0.08)
    skin = audio.band(audio.rng("taiko").standard_normal(n), 150, 2500) * audio.exp_decay(n, 0.03)
    return (body + skin * 0.4) * velocity
