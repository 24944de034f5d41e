"""Uncompressed 32-bit DDS textures (B, G, R, A bytes per pixel, rows top to bottom)."""
import struct

import numpy as np

from .bleed import bleed

DDSD_CAPS, DDSD_HEIGHT, DDSD_WIDTH, DDSD_PITCH, DDSD_PIXELFORMAT = 0x1, 0x2, 0x4, 0x8, 0x1000
DDPF_ALPHAPIXELS, DDPF_RGB = 0x1, 0x40
DDSCAPS_TEXTURE = 0x1000


def encode(image):
    """DDS bytes of a Pillow RGBA image."""
    rgba = np.asarray(bleed(image), dtype=np.uint8)
    height, width = rgba.shape[:2]
    bgra = rgba[:, :, [2, 1, 0, 3]].tobytes()
    flags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PITCH | DDSD_PIXELFORMAT
    header = struct.pack("<4s7I", b"DDS ", 124, flags, height, width, width * 4, 0, 0)
    header += b"\0" * 44
    header += struct.pack("<8I", 32, DDPF_RGB | DDPF_ALPHAPIXELS, 0, 32,
                          0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    header += struct.pack("<5I", DDSCAPS_TEXTURE, 0, 0, 0, 0)
    assert len(header) == 128
    return header + bgra


def decode(data):
    """(width, height, RGBA numpy array) of DDS bytes written by encode; raises ValueError."""
    if len(data) < 128 or data[:4] != b"DDS ":
        raise ValueError("not a DDS file")
    size, _flags, height, width, pitch = struct.unpack_from("<5I", data, 4)
    pf_size, pf_flags, fourcc, bits = struct.unpack_from("<4I", data, 76)
    if size != 124 or pf_size != 32 or fourcc != 0 or bits != 32 or not pf_flags & DDPF_RGB:
        raise ValueError("not an uncompressed 32-bit DDS file")
    if pitch != width * 4 or len(data) != 128 + width * height * 4:
        raise ValueError("DDS size does not match its header")
    bgra = np.frombuffer(data, dtype=np.uint8, offset=128).reshape(height, width, 4)
    return width, height, bgra[:, :, [2, 1, 0, 3]]
