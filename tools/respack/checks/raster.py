"""A small software rasteriser for the previews: z-buffer, a texture sampled per pixel, one
directional light. Views follow the .x convention: looking along the camera's forward, +y up,
right = up x forward (so from the match camera at +z looking back, +x is on the left).
"""
import numpy as np
from PIL import Image


class Camera:
    def __init__(self, eye, target, fov_deg, width, height):
        self.eye = np.asarray(eye, dtype=np.float64)
        f = np.asarray(target, dtype=np.float64) - self.eye
        self.forward = f / np.linalg.norm(f)
        right = np.cross((0.0, 1.0, 0.0), self.forward)
        self.right = right / np.linalg.norm(right)
        self.up = np.cross(self.forward, self.right)
        self.width, self.height = width, height
        self.scale = (height / 2.0) / np.tan(np.radians(fov_deg) / 2)

    def project(self, points):
        rel = points - self.eye
        z = rel @ self.forward
        x = rel @ self.right
        y = rel @ self.up
        zs = np.maximum(z, 1e-3)
        return np.stack([self.width / 2 + x / zs * self.scale,
                         self.height / 2 - y / zs * self.scale, z], axis=-1)


class Canvas:
    def __init__(self, camera, background=(40, 44, 52)):
        self.camera = camera
        self.colour = np.ones((camera.height, camera.width, 3)) * np.array(background, dtype=np.float64)
        self.depth = np.full((camera.height, camera.width), np.inf)
        self.light = np.array((-0.4, 0.8, 0.45)) / np.linalg.norm((-0.4, 0.8, 0.45))

    def draw(self, positions, normals, uvs, faces, texture, cull=True):
        """Triangles (index arrays into positions) with one texture (H x W x 3 array)."""
        positions = np.asarray(positions, dtype=np.float64)
        normals = np.asarray(normals, dtype=np.float64)
        uvs = np.asarray(uvs, dtype=np.float64)
        faces = np.asarray(faces, dtype=np.int64)
        if len(faces) == 0:
            return
        screen = self.camera.project(positions)
        th, tw = texture.shape[:2]
        cam = self.camera
        # Which faces to draw, all at once: in front of the near plane, not edge-on, facing us.
        sa, sb, sc = screen[faces[:, 0]], screen[faces[:, 1]], screen[faces[:, 2]]
        areas = (sb[:, 0] - sa[:, 0]) * (sc[:, 1] - sa[:, 1]) - (sb[:, 1] - sa[:, 1]) * (sc[:, 0] - sa[:, 0])
        keep = (np.minimum(np.minimum(sa[:, 2], sb[:, 2]), sc[:, 2]) >= 0.3) & (np.abs(areas) >= 1e-9)
        if cull:
            pa3 = positions[faces[:, 0]]
            n = np.cross(positions[faces[:, 1]] - pa3, positions[faces[:, 2]] - pa3)
            keep &= (n * (pa3 - cam.eye)).sum(axis=1) <= 0
        faces, areas = faces[keep], areas[keep]
        if len(faces) == 0:
            return
        pa, pb, pc = screen[faces[:, 0]], screen[faces[:, 1]], screen[faces[:, 2]]
        x0 = np.maximum(np.floor(np.minimum(np.minimum(pa[:, 0], pb[:, 0]), pc[:, 0])), 0)
        x1 = np.minimum(np.ceil(np.maximum(np.maximum(pa[:, 0], pb[:, 0]), pc[:, 0])), cam.width - 1)
        y0 = np.maximum(np.floor(np.minimum(np.minimum(pa[:, 1], pb[:, 1]), pc[:, 1])), 0)
        y1 = np.minimum(np.ceil(np.maximum(np.maximum(pa[:, 1], pb[:, 1]), pc[:, 1])), cam.height - 1)
        x0, x1, y0, y1 = (v.astype(np.int64) for v in (x0, x1, y0, y1))
        shown = (x0 <= x1) & (y0 <= y1)
        dots = shown & (x1 - x0 <= 1) & (y1 - y0 <= 1)
        whole = shown & ~dots
        n = normals[faces[:, 0]] + normals[faces[:, 1]] + normals[faces[:, 2]]
        length = np.sqrt(n[:, 0] * n[:, 0] + n[:, 1] * n[:, 1] + n[:, 2] * n[:, 2])
        n = n / np.where(length == 0, 1.0, length)[:, None]
        light = self.light
        shade = 0.45 + 0.6 * np.maximum(0.0, n[:, 0] * light[0] + n[:, 1] * light[1] +
                                        n[:, 2] * light[2])
        # Triangles in order, in batches of bounded size; within a batch every covered pixel
        # takes the nearest sample, the earlier triangle on a tie, as drawing one by one would.
        ends = np.cumsum(np.where(whole, (x1 - x0 + 1) * (y1 - y0 + 1), 0) + dots)
        cuts = np.searchsorted(ends, np.arange(1, ends[-1] // (1 << 21) + 1) * (1 << 21))
        for start, stop in zip(np.r_[0, cuts], np.r_[cuts, len(faces)]):
            if stop > start:
                self._batch(slice(start, stop), faces, areas, pa, pb, pc, x0, x1, y0, y1, dots,
                            whole, shade, uvs, texture)

    def _batch(self, part, faces, areas, pa, pb, pc, x0, x1, y0, y1, dots, whole, shade, uvs,
               texture):
        cam = self.camera
        th, tw = texture.shape[:2]
        order = np.arange(len(faces))[part]
        pixels, depths, colours, ranks = [], [], [], []
        # Triangles no larger than a pixel or two: their centre's pixel.
        d = order[dots[part]]
        if len(d):
            x = ((pa[d, 0] + pb[d, 0] + pc[d, 0]) / 3).astype(np.int64)
            y = ((pa[d, 1] + pb[d, 1] + pc[d, 1]) / 3).astype(np.int64)
            on = (x >= 0) & (x < cam.width) & (y >= 0) & (y < cam.height)
            d, x, y = d[on], x[on], y[on]
            z = 3.0 / (1.0 / pa[d, 2] + 1.0 / pb[d, 2] + 1.0 / pc[d, 2])
            near = z < self.depth[y, x]
            d, x, y, z = d[near], x[near], y[near], z[near]
            ua, ub, uc = uvs[faces[d, 0]], uvs[faces[d, 1]], uvs[faces[d, 2]]
            u = (ua[:, 0] + ub[:, 0] + uc[:, 0]) / 3
            v = (ua[:, 1] + ub[:, 1] + uc[:, 1]) / 3
            tx = np.minimum((u * tw).astype(np.int64), tw - 1)
            ty = np.minimum((v * th).astype(np.int64), th - 1)
            pixels.append(y * cam.width + x)
            depths.append(z)
            colours.append(texture[ty, tx] * shade[d][:, None])
            ranks.append(d)
        t = order[whole[part]]
        if len(t):
            w = x1[t] - x0[t] + 1
            counts = w * (y1[t] - y0[t] + 1)
            tri = np.repeat(t, counts)
            local = np.arange(counts.sum()) - np.repeat(np.cumsum(counts) - counts, counts)
            px = x0[tri] + local % w.repeat(counts)
            py = y0[tri] + local // w.repeat(counts)
            xs, ys = px + 0.5, py + 0.5
            a, b, c, area = pa[tri], pb[tri], pc[tri], areas[tri]
            w0 = ((b[:, 0] - xs) * (c[:, 1] - ys) - (b[:, 1] - ys) * (c[:, 0] - xs)) / area
            w1 = ((c[:, 0] - xs) * (a[:, 1] - ys) - (c[:, 1] - ys) * (a[:, 0] - xs)) / area
            w2 = 1 - w0 - w1
            inside = (w0 >= -1e-6) & (w1 >= -1e-6) & (w2 >= -1e-6)
            # Perspective-correct: interpolate 1/z and texture coordinates over z.
            ia, ib, ic = 1.0 / a[:, 2], 1.0 / b[:, 2], 1.0 / c[:, 2]
            iz = w0 * ia + w1 * ib + w2 * ic
            z = 1.0 / np.maximum(iz, 1e-9)
            keep = inside & (z < self.depth[py, px])
            tri, px, py, z = tri[keep], px[keep], py[keep], z[keep]
            w0, w1, w2, ia, ib, ic = w0[keep], w1[keep], w2[keep], ia[keep], ib[keep], ic[keep]
            ua, ub, uc = uvs[faces[tri, 0]], uvs[faces[tri, 1]], uvs[faces[tri, 2]]
            u = (w0 * ua[:, 0] * ia + w1 * ub[:, 0] * ib + w2 * uc[:, 0] * ic) * z
            v = (w0 * ua[:, 1] * ia + w1 * ub[:, 1] * ib + w2 * uc[:, 1] * ic) * z
            tx = np.clip((u * tw).astype(int), 0, tw - 1)
            ty = np.clip((v * th).astype(int), 0, th - 1)
            pixels.append(py * cam.width + px)
            depths.append(z)
            colours.append(texture[ty, tx] * shade[tri][:, None])
            ranks.append(tri)
        if not pixels:
            return
        pixel, z, colour, rank = (np.concatenate(v) for v in (pixels, depths, colours, ranks))
        if not len(pixel):
            return
        by_pixel = np.lexsort((rank, z, pixel))
        sorted_pixels = pixel[by_pixel]
        first = np.r_[True, sorted_pixels[1:] != sorted_pixels[:-1]]
        winner = by_pixel[first]
        where = np.unravel_index(sorted_pixels[first], self.depth.shape)
        self.depth[where] = z[winner]
        self.colour[where] = colour[winner]

    def image(self):
        return Image.fromarray(np.clip(self.colour, 0, 255).astype(np.uint8), "RGB")


_textures = {}


def texture_array(png_bytes_or_image):
    """H x W x 3 texels of a picture (PNG bytes decoded once per distinct file)."""
    import io
    if isinstance(png_bytes_or_image, (bytes, bytearray)):
        key = bytes(png_bytes_or_image)
        if key not in _textures:
            _textures[key] = np.asarray(Image.open(io.BytesIO(key)).convert("RGB"))
        return _textures[key]
    return np.asarray(png_bytes_or_image.convert("RGB"))
