"""Colour bleeding: fully transparent texels take the colour of their nearest visible neighbours.

Filtering a texture mixes neighbouring texels; without this, the (black) colour hidden under
transparent texels would show as dark fringes around every shape.
"""
import numpy as np
from PIL import Image


def bleed(image, passes=6):
    rgba = np.asarray(image.convert("RGBA"), dtype=np.float64)
    alpha = rgba[..., 3]
    if alpha.min() > 0 or alpha.max() == 0:
        return image.convert("RGBA")
    rgb = rgba[..., :3] * (alpha[..., None] > 0)
    known = (alpha > 0).astype(np.float64)
    for _ in range(passes):
        total = np.zeros_like(rgb)
        count = np.zeros_like(known)
        visible = rgb * known[..., None]
        for shift in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            total += np.roll(visible, shift, axis=(0, 1))
            count += np.roll(known, shift, axis=(0, 1))
        fresh = (known == 0) & (count > 0)
        if not fresh.any():
            break
        rgb[fresh] = total[fresh] / count[fresh][:, None]
        known = np.where(fresh, 1.0, known)
    if (known == 0).any():
        mean = rgb[known > 0].mean(axis=0)
        rgb[known == 0] = mean
    out = np.concatenate([rgb, alpha[..., None]], axis=2)
    return Image.fromarray(np.clip(np.rint(out), 0, 255).astype(np.uint8), "RGBA")
