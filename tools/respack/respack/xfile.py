"""DirectX text mesh files (.x) for sprites and glyphs.

Every sprite is the same unit quad: x from 0 to 1 (left edge at the sprite's location),
y from -0.5 to 0.5 (vertical middle at the location), z = 0. Texture coordinates follow the
DirectX convention: u to the right, v downwards, (0, 0) is the top-left texel.
"""

HEADER = "xof 0302txt 0032\n"


def _fmt(value):
    text = "%.6f" % value
    return text


def quad(texture_name, u0=0.0, v0=0.0, u1=1.0, v1=1.0):
    """The text of a sprite quad whose texture rectangle is (u0, v0)-(u1, v1).

    texture_name is written into the material for tools that view the file; the game itself
    takes the texture from the companion file (name.png, or fonts.dds for glyphs).
    """
    verts = [(0.0, -0.5), (1.0, -0.5), (1.0, 0.5), (0.0, 0.5)]
    uvs = [(u0, v1), (u1, v1), (u1, v0), (u0, v0)]
    lines = [HEADER, "\n", "Mesh SpriteQuad {\n", "  4;\n"]
    for i, (x, y) in enumerate(verts):
        end = ";," if i < 3 else ";;"
        lines.append("  %s;%s;%s%s\n" % (_fmt(x), _fmt(y), _fmt(0.0), end))
    # Clockwise seen from the viewer (DirectX front faces), camera looking along +z.
    lines += ["  2;\n", "  3;0,3,2;,\n", "  3;0,2,1;;\n", "\n"]
    lines += ["  MeshNormals {\n", "    1;\n", "    0.000000;0.000000;-1.000000;;\n",
              "    2;\n", "    3;0,0,0;,\n", "    3;0,0,0;;\n", "  }\n", "\n"]
    lines += ["  MeshTextureCoords {\n", "    4;\n"]
    for i, (u, v) in enumerate(uvs):
        end = ";," if i < 3 else ";;"
        lines.append("    %s;%s%s\n" % (_fmt(u), _fmt(v), end))
    lines += ["  }\n", "\n"]
    safe_name = texture_name.replace("\\", "\\\\").replace('"', "")
    lines += ["  MeshMaterialList {\n", "    1;\n", "    2;\n", "    0,\n", "    0;\n",
              "    Material {\n", "      1.000000;1.000000;1.000000;1.000000;;\n",
              "      0.000000;\n", "      0.000000;0.000000;0.000000;;\n",
              "      0.000000;0.000000;0.000000;;\n",
              '      TextureFilename {\n        "%s";\n      }\n' % safe_name,
              "    }\n", "  }\n", "}\n"]
    return "".join(lines).encode("ascii")


def glyph_quad(texture_name, code, cells=16):
    """A glyph sprite: the quad textured with cell `code` of a cells x cells atlas."""
    col, row = code % cells, code // cells
    step = 1.0 / cells
    return quad(texture_name, col * step, row * step, (col + 1) * step, (row + 1) * step)
