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
        for (a, b, c), area in zip(faces[keep], areas[keep]):
            pa, pb, pc = screen[a], screen[b], screen[c]
            x0 = max(int(np.floor(min(pa[0], pb[0], pc[0]))), 0)
            x1 = min(int(np.ceil(max(pa[0], pb[0], pc[0]))), cam.width - 1)
            y0 = max(int(np.floor(min(pa[1], pb[1], pc[1]))), 0)
            y1 = min(int(np.ceil(max(pa[1], pb[1], pc[1]))), cam.height - 1)
            if x0 > x1 or y0 > y1:
                continue
            if x1 - x0 <= 1 and y1 - y0 <= 1:
                self._dot(pa, pb, pc, uvs[a], uvs[b], uvs[c], normals[a] + normals[b] + normals[c],
                          texture)
                continue
            ys, xs = np.mgrid[y0:y1 + 1, x0:x1 + 1] + 0.5
            w0 = ((pb[0] - xs) * (pc[1] - ys) - (pb[1] - ys) * (pc[0] - xs)) / area
            w1 = ((pc[0] - xs) * (pa[1] - ys) - (pc[1] - ys) * (pa[0] - xs)) / area
            w2 = 1 - w0 - w1
            inside = (w0 >= -1e-6) & (w1 >= -1e-6) & (w2 >= -1e-6)
            if not inside.any():
                continue
            # Perspective-correct: interpolate 1/z and texture coordinates over z.
            ia, ib, ic = 1.0 / pa[2], 1.0 / pb[2], 1.0 / pc[2]
            iz = w0 * ia + w1 * ib + w2 * ic
            z = 1.0 / np.maximum(iz, 1e-9)
            region = self.depth[y0:y1 + 1, x0:x1 + 1]
            closer = inside & (z < region)
            if not closer.any():
                continue
            u = (w0 * uvs[a, 0] * ia + w1 * uvs[b, 0] * ib + w2 * uvs[c, 0] * ic) * z
            v = (w0 * uvs[a, 1] * ia + w1 * uvs[b, 1] * ib + w2 * uvs[c, 1] * ic) * z
            tx = np.clip((u * tw).astype(int), 0, tw - 1)
            ty = np.clip((v * th).astype(int), 0, th - 1)
            texel = texture[ty, tx]
            n = normals[a] + normals[b] + normals[c]
            n = n / (np.linalg.norm(n) or 1.0)
            shade = 0.45 + 0.6 * max(0.0, float(np.dot(n, self.light)))
            region[closer] = z[closer]
            self.colour[y0:y1 + 1, x0:x1 + 1][closer] = texel[closer] * shade

    def _dot(self, pa, pb, pc, ua, ub, uc, normal, texture):
        """A triangle no larger than a pixel or two: its centre's pixel, if it is nearest."""
        x = int((pa[0] + pb[0] + pc[0]) / 3)
        y = int((pa[1] + pb[1] + pc[1]) / 3)
        if not (0 <= x < self.camera.width and 0 <= y < self.camera.height):
            return
        z = 3.0 / (1.0 / pa[2] + 1.0 / pb[2] + 1.0 / pc[2])
        if z >= self.depth[y, x]:
            return
        th, tw = texture.shape[:2]
        u = (ua[0] + ub[0] + uc[0]) / 3
        v = (ua[1] + ub[1] + uc[1]) / 3
        n = normal / (np.linalg.norm(normal) or 1.0)
        shade = 0.45 + 0.6 * max(0.0, float(np.dot(n, self.light)))
        self.depth[y, x] = z
        self.colour[y, x] = texture[min(int(v * th), th - 1), min(int(u * tw), tw - 1)] * shade

    def image(self):
        return Image.fromarray(np.clip(self.colour, 0, 255).astype(np.uint8), "RGB")


def texture_array(png_bytes_or_image):
    import io
    if isinstance(png_bytes_or_image, (bytes, bytearray)):
        image = Image.open(io.BytesIO(png_bytes_or_image))
    else:
        image = png_bytes_or_image
    return np.asarray(image.convert("RGB"), dtype=np.float64)
