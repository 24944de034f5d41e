// The geometry of a static mesh, read from a .x file: every mesh of the file placed by its
// frames, as triangles, in the file's own space (y up, +z forward).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuz {

struct MeshVertex {
    float position[3];
    float normal[3];  // 0 when the file gives none
    float uv[2];      // v = 0 at the picture's top
};

// A run of triangles drawn with one material.
struct MeshPart {
    uint32_t firstIndex;
    uint32_t indexCount;
    uint32_t material;
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    std::vector<uint32_t> indices;  // three per triangle
    std::vector<MeshPart> parts;
    std::vector<std::string> materialTextures;  // one per material, "" when it names none

    size_t triangleCount() const { return indices.size() / 3; }
};

// False with *error when the bytes are no .x file or hold no triangle.
bool readMeshData(const void* bytes, size_t size, MeshData* out, std::string* error);

}  // namespace vuz
