"""Spoken sounds: the referee's calls and the fighters' grunts, shouts and panting."""

from . import audio, speech
from .output import FileSet
from .soundlist import GENERIC_VOICES, REFEREE, SOUNDS, VOICE_GROUPS, voice_files

LINES = {  # what a voice says for each kind of sample
    "hurt": ["Ugh!", "Oof!", "Hmph!"],
    "pain": ["Aaagh!", "Aah!"],
    "tired": ["Hah. Hah. Hah.", "Huh. Haah."],
}


def referee(text, name):
    voice = speech.speak(text, "en-us", pitch=38, speed=135, amplitude=160, variant="m3")
    voice = audio.band(voice, 120, 7000)
    room = audio.reverb(voice, audio.rng(name), length=1.4, wet=0.22)
    room = speech.trim(room, 0.004)
    return audio.fade(audio.normalise(room, 0.9), 0.002, 0.08)


def grunt(group, kind, n, name):
    variant, pitch = {**GENERIC_VOICES, **VOICE_GROUPS}[group]
    lines = LINES[kind]
    text = lines[(n - 1) % len(lines)]
    if kind == "tired":
        voice = speech.speak(text, "en-us", pitch=pitch, speed=110, amplitude=90,
                             variant="whisper" if group == "female" else variant)
        voice = audio.band(voice, 200, 5000)
    else:
        voice = speech.speak(text, "en-us", pitch=pitch + (10 if kind == "pain" else 0),
                             speed=190 if kind == "hurt" else 150, amplitude=170, variant=variant)
        voice = audio.soft_clip(audio.normalise(voice, 1.0), 1.8)
    return audio.fade(audio.normalise(voice, 0.85), 0.003, 0.05)


def job_referee(first, last):
    files = FileSet()
    for file_name, text in REFEREE[first:last]:
        files.add(SOUNDS + file_name, audio.encode_ogg(referee(text, file_name), file_name))
    return files


def job_voice(group):
    files = FileSet()
    for g, kind, n, path in voice_files():
        if g == group:
            files.add(SOUNDS + path, audio.encode_ogg(grunt(g, kind, n, path), path))
    return files


def jobs():
    groups = sorted({g for g, _, _, _ in voice_files()})
    return [("voices", "job_referee", 0, 10), ("voices", "job_referee", 10, len(REFEREE))] + \
        [("voices", "job_voice", g) for g in groups]
