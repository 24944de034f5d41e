"""Sound building blocks: oscillators, envelopes, FFT filters, reverb, Ogg Vorbis encoding."""
import subprocess
import zlib

import numpy as np

RATE = 44100


def seconds(n):
    return int(round(n * RATE))


def time_axis(length):
    return np.arange(length) / float(RATE)


def rng(name):
    """A random generator seeded from a name, so every sound is the same on every run."""
    return np.random.default_rng(zlib.crc32(name.encode("utf-8")))


def envelope(length, attack, decay, sustain=0.0, release=0.0, hold=None):
    """Attack-decay-sustain-release envelope of `length` samples (times in seconds)."""
    env = np.zeros(length)
    a, d, r = seconds(attack), seconds(decay), seconds(release)
    h = length - a - d - r if hold is None else seconds(hold)
    h = max(0, h)
    pieces = [np.linspace(0.0, 1.0, a, endpoint=False) if a else np.zeros(0),
              np.linspace(1.0, sustain, d, endpoint=False) if d else np.zeros(0),
              np.full(h, sustain), np.linspace(sustain, 0.0, r) if r else np.zeros(0)]
    curve = np.concatenate(pieces)[:length]
    env[:len(curve)] = curve
    return env


def exp_decay(length, time_constant):
    return np.exp(-time_axis(length) / max(1e-4, time_constant))


def sweep(length, f0, f1, curve=1.0):
    """Phase of a sine whose frequency glides from f0 to f1 (Hz)."""
    t = np.linspace(0.0, 1.0, length) ** curve
    freq = f0 + (f1 - f0) * t
    return 2 * np.pi * np.cumsum(freq) / RATE


def band(signal, low=None, high=None, slope=2.0):
    """Smooth FFT band filter: keeps low..high Hz (either may be None)."""
    n = len(signal)
    spectrum = np.fft.rfft(signal)
    freqs = np.fft.rfftfreq(n, 1.0 / RATE)
    gain = np.ones_like(freqs)
    if low is not None:
        gain *= 1.0 / (1.0 + (low / np.maximum(freqs, 1e-3)) ** (2 * slope))
    if high is not None:
        gain *= 1.0 / (1.0 + (freqs / high) ** (2 * slope))
    return np.fft.irfft(spectrum * gain, n)


def pink(length, generator):
    white = generator.standard_normal(length)
    spectrum = np.fft.rfft(white)
    freqs = np.fft.rfftfreq(length, 1.0 / RATE)
    spectrum /= np.sqrt(np.maximum(freqs, 20.0))
    out = np.fft.irfft(spectrum, length)
    return out / (np.abs(out).max() + 1e-9)


def convolve(signal, impulse):
    n = len(signal) + len(impulse) - 1
    size = 1 << (n - 1).bit_length()
    out = np.fft.irfft(np.fft.rfft(signal, size) * np.fft.rfft(impulse, size), size)
    return out[:n]


def reverb(signal, generator, length=1.2, wet=0.25, damping=4000.0):
    """A room: exponentially decaying filtered noise as impulse response."""
    n = seconds(length)
    impulse = generator.standard_normal(n) * exp_decay(n, length / 6.0)
    impulse = band(impulse, None, damping)
    impulse /= np.sqrt(np.sum(impulse ** 2)) + 1e-9
    tail = convolve(signal, impulse)
    out = np.zeros(len(tail))
    out[:len(signal)] += signal * (1.0 - wet)
    out += tail * wet
    return out


def fade(signal, fade_in=0.005, fade_out=0.02):
    out = signal.copy()
    a, b = min(len(out), seconds(fade_in)), min(len(out), seconds(fade_out))
    if a:
        out[:a] *= np.linspace(0.0, 1.0, a)
    if b:
        out[-b:] *= np.linspace(1.0, 0.0, b)
    return out


def normalise(signal, peak=0.89):
    top = np.abs(signal).max()
    return signal if top == 0 else signal * (peak / top)


def soft_clip(signal, drive=1.0):
    return np.tanh(signal * drive) / np.tanh(drive)


def loop_wrap(signal, loop_length):
    """Folds everything past loop_length back onto the start, so the loop joins seamlessly."""
    out = signal[:loop_length].copy()
    rest = signal[loop_length:]
    while len(rest):
        part = rest[:loop_length]
        out[:len(part)] += part
        rest = rest[loop_length:]
    return out


def resample(signal, source_rate, target_rate=RATE):
    if source_rate == target_rate:
        return signal
    n = int(round(len(signal) * target_rate / float(source_rate)))
    return np.interp(np.linspace(0, len(signal) - 1, n), np.arange(len(signal)), signal)


def encode_ogg(signal, name, quality=3):
    """Ogg Vorbis bytes of a mono (n) or stereo (n x 2) float signal in -1..1.

    The stream's serial number comes from the file name, so the bytes are the same every run.
    """
    data = np.asarray(signal, dtype=np.float64)
    channels = 1 if data.ndim == 1 else data.shape[1]
    pcm = np.clip(np.rint(data * 32767.0), -32768, 32767).astype("<i2")
    serial = zlib.crc32(name.encode("utf-8")) & 0x7FFFFFFF
    command = ["oggenc", "-Q", "--raw", "-r", "-B", "16", "-C", str(channels), "-R", str(RATE),
               "--raw-endianness", "0", "--serial", str(serial), "-q", str(quality),
               "-o", "-", "-"]
    try:
        result = subprocess.run(command, input=pcm.tobytes(), stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, check=False)
    except FileNotFoundError:
        raise RuntimeError("oggenc not found: install the vorbis-tools package")
    if result.returncode != 0 or not result.stdout.startswith(b"OggS"):
        raise RuntimeError("oggenc failed for %s: %s" % (name, result.stderr.decode(errors="replace")))
    return result.stdout
