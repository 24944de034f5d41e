"""Spoken lines through espeak-ng, returned as float samples at the pack's rate."""
import os
import subprocess
import tempfile
import wave

import numpy as np

from . import audio


def speak(text, voice="en-us", pitch=50, speed=150, amplitude=120, variant=None):
    """Samples of espeak-ng saying text (mono, -1..1, at audio.RATE)."""
    name = voice + ("+" + variant if variant else "")
    handle, path = tempfile.mkstemp(suffix=".wav")
    os.close(handle)
    try:
        command = ["espeak-ng", "-v", name, "-p", str(pitch), "-s", str(speed),
                   "-a", str(amplitude), "-w", path, text]
        try:
            result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                    check=False)
        except FileNotFoundError:
            raise RuntimeError("espeak-ng not found: install the espeak-ng package")
        if result.returncode != 0:
            raise RuntimeError("espeak-ng failed for %r: %s" % (text, result.stderr.decode(errors="replace")))
        with wave.open(path, "rb") as reader:
            rate = reader.getframerate()
            frames = reader.readframes(reader.getnframes())
    finally:
        os.remove(path)
    samples = np.frombuffer(frames, dtype="<i2").astype(np.float64) / 32768.0
    return trim(audio.resample(samples, rate))


def trim(signal, threshold=0.01):
    loud = np.nonzero(np.abs(signal) > threshold)[0]
    if len(loud) == 0:
        return signal[:1]
    start = max(0, loud[0] - audio.seconds(0.01))
    end = min(len(signal), loud[-1] + audio.seconds(0.03))
    return signal[start:end]
