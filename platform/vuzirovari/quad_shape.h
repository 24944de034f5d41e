// The flat shape of a sprite or a glyph, read from a .x file. Only the picture coordinates of
// the file matter: its triangles are stretched over the unit quad, x 0..1 from the left edge
// and y -0.5..0.5 about the vertical middle (y up), whatever size and place the file gives them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vuz {

struct QuadVertex {
    float x, y;  // on the unit quad
    float u, v;  // texture coordinates, v = 0 at the picture's top
};

struct QuadShape {
    std::vector<QuadVertex> triangles;  // three vertices each
    std::string textureFile;            // the file's own texture name, when it names one
};

// False with *error when the bytes are no .x file with at least one non-flat triangle.
bool readQuadShape(const void* bytes, size_t size, QuadShape* out, std::string* error);

}  // namespace vuz
