"""Writers for DirectX text meshes (.x): static meshes, skinned meshes and animation clips.

Numbers are '%.6f' (never '-0.000000'), lines end with LF. Triangles are listed so that
(b - a) x (c - a) points out of the surface, which is clockwise seen from outside in the
file's own (left-handed, x right, y up, +z forward) view, as the sprites are.
"""
import numpy as np

from . import skeleton as sk

HEADER = "xof 0302txt 0032\n"


def num(value):
    text = "%.6f" % value
    return "0.000000" if text == "-0.000000" else text


def _vec(values):
    return ";".join(num(v) for v in values)


def _matrix_text(rot, trans):
    """A row-vector 4x4 matrix (translation in the fourth row) as 16 numbers."""
    m = np.zeros((4, 4))
    m[:3, :3] = rot.T
    m[3, :3] = trans
    m[3, 3] = 1.0
    return ",".join(num(v) for v in m.reshape(-1))


class MeshData:
    """Triangles with per-vertex normal and texture coordinates, and one material per face."""

    def __init__(self):
        self.positions, self.normals, self.uvs, self.faces, self.materials = [], [], [], [], []
        self.weights = []  # per vertex: list of (bone, weight), skinned meshes only

    def vertex(self, position, normal, uv, weights=None):
        self.positions.append(tuple(float(v) for v in position))
        n = np.asarray(normal, dtype=np.float64)
        length = np.linalg.norm(n)
        self.normals.append(tuple(n / length) if length > 1e-9 else (0.0, 1.0, 0.0))
        self.uvs.append((min(1.0, max(0.0, float(uv[0]))), min(1.0, max(0.0, float(uv[1])))))
        self.weights.append(weights or [])
        return len(self.positions) - 1

    def triangle(self, a, b, c, material=0):
        self.faces.append((a, b, c))
        self.materials.append(material)

    def quad(self, a, b, c, d, material=0):
        """Quad a-b-c-d (in the triangle order sense above)."""
        self.triangle(a, b, c, material)
        self.triangle(a, c, d, material)

    def extend(self, other):
        base = len(self.positions)
        self.positions += other.positions
        self.normals += other.normals
        self.uvs += other.uvs
        self.weights += other.weights
        self.faces += [(a + base, b + base, c + base) for a, b, c in other.faces]
        self.materials += other.materials

    def bounds(self):
        p = np.array(self.positions)
        return p.min(axis=0), p.max(axis=0)


def _mesh_text(mesh, name, textures, indent="  ", skin=None):
    out = []
    n, f = len(mesh.positions), len(mesh.faces)
    out.append("%sMesh %s {\n%s %d;\n" % (indent, name, indent, n))
    out.append("".join("%s %s;%s\n" % (indent, _vec(p), "," if i < n - 1 else ";")
                       for i, p in enumerate(mesh.positions)))
    out.append("%s %d;\n" % (indent, f))
    out.append("".join("%s 3;%d,%d,%d;%s\n" % (indent, a, b, c, "," if i < f - 1 else ";")
                       for i, (a, b, c) in enumerate(mesh.faces)))
    out.append("%s MeshNormals {\n%s  %d;\n" % (indent, indent, n))
    out.append("".join("%s  %s;%s\n" % (indent, _vec(p), "," if i < n - 1 else ";")
                       for i, p in enumerate(mesh.normals)))
    out.append("%s  %d;\n" % (indent, f))
    out.append("".join("%s  3;%d,%d,%d;%s\n" % (indent, a, b, c, "," if i < f - 1 else ";")
                       for i, (a, b, c) in enumerate(mesh.faces)))
    out.append("%s }\n" % indent)
    out.append("%s MeshTextureCoords {\n%s  %d;\n" % (indent, indent, n))
    out.append("".join("%s  %s;%s\n" % (indent, _vec(p), "," if i < n - 1 else ";")
                       for i, p in enumerate(mesh.uvs)))
    out.append("%s }\n" % indent)
    out.append("%s MeshMaterialList {\n%s  %d;\n%s  %d;\n" % (indent, indent, len(textures),
                                                              indent, f))
    out.append("".join("%s  %d%s\n" % (indent, m, "," if i < f - 1 else ";")
                       for i, m in enumerate(mesh.materials)))
    for k, texture in enumerate(textures):
        out.append("%s  Material mat%d {\n%s   1.000000;1.000000;1.000000;1.000000;;\n"
                   "%s   0.000000;\n%s   0.000000;0.000000;0.000000;;\n"
                   "%s   0.000000;0.000000;0.000000;;\n" % (indent, k, indent, indent, indent,
                                                          indent))
        if texture:
            out.append('%s   TextureFilename {\n%s    "%s";\n%s   }\n'
                       % (indent, indent, texture, indent))
        out.append("%s  }\n" % indent)
    out.append("%s }\n" % indent)
    if skin:
        out.append(skin)
    out.append("%s}\n" % indent)
    return "".join(out)


def static_mesh(mesh, texture):
    """A static mesh file: one mesh in model (or world) space, one material."""
    if not mesh.materials:
        raise ValueError("empty mesh")
    mesh.materials = [0] * len(mesh.faces)
    return (HEADER + "\n" + _mesh_text(mesh, "body", [texture], indent="")).encode("ascii")


def _frames_text(bone, indent, inner=""):
    if bone == sk.TOP:
        rot, trans = np.eye(3), np.zeros(3)
    else:
        rot, trans = sk.rest_local(bone)
    out = ["%sFrame %s {\n%s FrameTransformMatrix {\n%s  %s;;\n%s }\n"
           % (indent, bone, indent, indent, _matrix_text(rot, trans), indent)]
    if inner:
        out.append(inner)
    for child in sk.CHILDREN[bone]:
        out.append(_frames_text(child, indent + " "))
    out.append("%s}\n" % indent)
    return "".join(out)


def _skin_text(mesh, indent):
    per_bone = {}
    for v, weights in enumerate(mesh.weights):
        for bone, w in weights:
            if w > 0:
                per_bone.setdefault(bone, []).append((v, w))
    used = [b for b in sk.BONES if b in per_bone]
    counts = [len([w for w in ws if w[1] > 0]) for ws in mesh.weights]
    out = ["%s XSkinMeshHeader {\n%s  %d;\n%s  %d;\n%s  %d;\n%s }\n"
           % (indent, indent, max(counts), indent, max(counts) * 2, indent, len(used), indent)]
    for bone in used:
        entries = per_bone[bone]
        frame, pos = sk.REST_FRAME[bone], sk.REST_POS[bone]
        # Model space to the bone's rest space: p' = R^T (p - pos).
        offset = np.zeros((4, 4))
        offset[:3, :3] = frame
        offset[3, :3] = -(frame.T @ pos)
        offset[3, 3] = 1.0
        out.append('%s SkinWeights {\n%s  "%s";\n%s  %d;\n' % (indent, indent, bone, indent,
                                                               len(entries)))
        out.append("%s  %s;\n" % (indent, ",".join(str(v) for v, _ in entries)))
        out.append("%s  %s;\n" % (indent, ",".join(num(w) for _, w in entries)))
        out.append("%s  %s;;\n%s }\n" % (indent, ",".join(num(v) for v in offset.reshape(-1)),
                                         indent))
    return "".join(out)


def skinned_mesh(mesh, textures):
    """A display mesh: the 39 frames with the skinned mesh in the top frame, no animation."""
    inner = _mesh_text(mesh, "fighter", textures, indent="  ", skin=_skin_text(mesh, "  "))
    return (HEADER + "\n" + _frames_text(sk.TOP, "", inner)).encode("ascii")


def clip(name, poses):
    """An animation clip: the 39 frames and one animation set keyed at every frame 0..L."""
    length = len(poses) - 1
    out = [HEADER, "\n", _frames_text(sk.TOP, ""), "\nAnimTicksPerSecond {\n 25;\n}\n\n",
           "AnimationSet %s {\n" % name]
    locals_ = [{b: pose.local(b) for b in sk.BONES} for pose in poses]
    for bone in sk.BONES:
        rot_lines, pos_lines = [], []
        previous = None
        for t, frame in enumerate(locals_):
            q = sk.quat_from_matrix(frame[bone][0])  # canonical: w >= 0
            # With w exactly 0 both signs are canonical: keep the one nearer the last key.
            if previous is not None and q[0] == 0 and np.dot(q, previous) < 0:
                q = -q
            previous = q
            end = ";;," if t < length else ";;;"
            rot_lines.append("   %d;4;%s%s\n" % (t, ",".join(num(v) for v in q), end))
            pos_lines.append("   %d;3;%s%s\n" % (t, ",".join(num(v) for v in frame[bone][1]),
                                                 end))
        out.append(" Animation {\n  {%s}\n  AnimationKey {\n   0;\n   %d;\n" % (bone, length + 1))
        out.extend(rot_lines)
        out.append("  }\n  AnimationKey {\n   2;\n   %d;\n" % (length + 1))
        out.extend(pos_lines)
        out.append("  }\n }\n")
    out.append("}\n")
    return "".join(out).encode("ascii")
