// A mesh's triangles as the GPU keeps them: vertices and indices uploaded once, in the mesh's
// own space, drawn indexed. Static meshes, shadow casters and debug meshes are placed by a
// model matrix; skinned meshes carry up to four bones per vertex and are posed by the vertex
// shader from their bone matrices.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mesh_data.h"
#include "skin_mesh_data.h"

namespace vuz {

// One material's run of indices and the box around its vertices, in the mesh's own space.
struct GpuPart {
    uint32_t firstIndex = 0, indexCount = 0;
    uint32_t material = 0;
    float low[3] = {0, 0, 0}, high[3] = {0, 0, 0};
};

// A triangle facing up, in the mesh's own space: where a shadow can fall.
struct FloorTriangle {
    float corner[3][3];
};

struct GpuGeometry {
    GpuGeometry() = default;
    GpuGeometry(const GpuGeometry&) = delete;
    GpuGeometry& operator=(const GpuGeometry&) = delete;
    ~GpuGeometry();

    unsigned contextSerial = 0;  // the GL context the names below belong to
    unsigned vertexArray = 0, vertexBuffer = 0, indexBuffer = 0;
    bool skinned = false;
    bool flatFaced = false;  // static: the corners of each triangle share one normal
    int matrixCount = 0;  // skinned: the bones, then one for vertices no bone moves
    uint32_t vertexCount = 0;  // the mesh's own vertices first, then corners given face normals
    std::vector<GpuPart> parts;
    // Skinned: per matrix, the box of the vertices it moves (low x y z, high x y z; low above
    // high when it moves none). A posed vertex lies in the box around these boxes so placed.
    std::vector<float> matrixBoxes;
    std::vector<FloorTriangle> floor;  // static meshes only

    // Shadow casters: the floor found under the caster, kept while neither moves much.
    bool floorFound = false;
    float floorY = 0.0f;
    float floorAskedAt[3] = {0, 0, 0};
    uint64_t floorScenery = 0;
};

// Uploads the mesh into the current context (serial); null when the mesh has no triangle.
std::shared_ptr<GpuGeometry> uploadMesh(const MeshData& data, unsigned contextSerial, bool keepFloor);
std::shared_ptr<GpuGeometry> uploadSkinMesh(const SkinMeshData& data, unsigned contextSerial);

}  // namespace vuz
