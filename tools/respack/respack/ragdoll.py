"""The fighter's 16 ragdoll parts: body shapes (.spg), shadow casters and debug meshes.

Everything is in the skin mesh's model space at the rest pose: a part's body sits at the
fighter's location with no turn when the fighter stands at rest.
"""
import numpy as np
from PIL import Image

from . import skeleton as sk
from . import xmesh
from .imageio import png_bytes
from .output import FileSet

RAGDOLL = "Tavek_res\\ragdoll\\"
SHADOW = "Tavek_res\\shadow\\"
DEBUG = "Tavek_res\\debug\\"
# The shape's own axis is y; these turns (x, y, z, w) lay it along x or z.
TURNS = {"x": (0.0, 0.0, -np.sqrt(0.5), np.sqrt(0.5)), "z": (np.sqrt(0.5), 0.0, 0.0, np.sqrt(0.5)),
         "y": None}
DEBUG_COLOURS = [(230, 120, 40), (240, 200, 40), (200, 230, 60), (90, 200, 90), (60, 200, 200),
                 (60, 140, 230), (120, 90, 230), (200, 80, 200)]


def spg_text(index):
    _, _, _, kind, centre, radius, length, axis = sk.PARTS[index]
    at = " at %s %s %s" % tuple(xmesh.num(v) for v in centre)
    lines = ["spg 1"]
    if kind == "sphere":
        lines.append("sphere %s%s" % (xmesh.num(radius), at))
    else:
        line = "capsule %s %s%s" % (xmesh.num(radius), xmesh.num(length), at)
        if TURNS[axis]:
            line += " turn %s %s %s %s" % tuple(xmesh.num(v) for v in TURNS[axis])
        lines.append(line)
    lines.append("friction 0.9")
    lines.append("bounce 0.05")
    return ("\n".join(lines) + "\n").encode("ascii")


def capsule_mesh(centre, radius, length, axis, sides=8, rings=3):
    """A closed low-poly capsule (a sphere when length is 0) around `axis` ('x', 'y', 'z')."""
    mesh = xmesh.MeshData()
    centre = np.asarray(centre, dtype=np.float64)
    along = sk.AXES[axis or "y"]
    a = np.array((0.0, 0.0, 1.0)) if axis != "z" else np.array((1.0, 0.0, 0.0))
    a = a - np.dot(a, along) * along
    a /= np.linalg.norm(a)
    b = np.cross(along, a)
    half = length / 2
    # Latitude rows from the bottom pole to the top pole.
    rows = [(-half, -np.pi / 2 + np.pi / 2 * k / rings) for k in range(1, rings)] + \
        [(-half, 0.0), (half, 0.0)] + \
        [(half, np.pi / 2 * k / rings) for k in range(1, rings)]
    bottom = mesh.vertex(centre - along * (half + radius), -along, (0.5, 1.0))
    ring_ids = []
    for r, (offset, phi) in enumerate(rows):
        ids = []
        for s in range(sides):
            th = 2 * np.pi * s / sides
            radial = np.cos(th) * a + np.sin(th) * b
            normal = np.cos(phi) * radial + np.sin(phi) * along
            point = centre + along * offset + radius * normal
            ids.append(mesh.vertex(point, normal, (s / sides, 1 - (r + 1) / (len(rows) + 1))))
        ring_ids.append(ids)
    top = mesh.vertex(centre + along * (half + radius), along, (0.5, 0.0))
    for s in range(sides):
        t = (s + 1) % sides
        mesh.triangle(bottom, ring_ids[0][t], ring_ids[0][s])
        for r in range(len(ring_ids) - 1):
            lo, hi = ring_ids[r], ring_ids[r + 1]
            mesh.quad(lo[s], lo[t], hi[t], hi[s])
        mesh.triangle(top, ring_ids[-1][s], ring_ids[-1][t])
    _orient_outward(mesh, centre)
    return mesh


def _orient_outward(mesh, centre):
    """Flips triangles whose winding points into a convex shape around `centre`."""
    p = np.array(mesh.positions)
    faces = []
    for a, b, c in mesh.faces:
        n = np.cross(p[b] - p[a], p[c] - p[a])
        if np.dot(n, (p[a] + p[b] + p[c]) / 3 - centre) < 0:
            b, c = c, b
        faces.append((a, b, c))
    mesh.faces = faces


def part_mesh(index):
    _, _, _, kind, centre, radius, length, axis = sk.PARTS[index]
    return capsule_mesh(centre, radius, length if kind == "capsule" else 0.0, axis)


def make():
    files = FileSet()
    for index, part in enumerate(sk.PARTS):
        stem = part[0]
        files.add(RAGDOLL + stem + "_.spg", spg_text(index))
        files.add(SHADOW + stem + "_shadow.x", xmesh.static_mesh(part_mesh(index), ""))
        files.add(DEBUG + stem + ".x", xmesh.static_mesh(part_mesh(index), stem + ".png"))
        colour = DEBUG_COLOURS[index % len(DEBUG_COLOURS)] + (255,)
        files.add(DEBUG + stem + ".png", png_bytes(Image.new("RGBA", (16, 16), colour)))
    return files


def jobs():
    return [("ragdoll", "make")]
