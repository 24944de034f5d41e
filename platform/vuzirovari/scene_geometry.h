// The 3D scene of one frame, ready to draw: every visible mesh and skinned mesh as runs of
// indices in geometry the GPU already holds, with its placement (a model matrix, or the bone
// matrices of its pose), and the shadow casters flattened onto the floor under them.
#pragma once

#include <cstdint>
#include <vector>

#include "gpu_geometry.h"
#include "mesh.h"
#include "projection.h"
#include "vuzirovari.h"

namespace vuz {

// A run of triangles drawn one way.
struct DrawItem {
    const GpuGeometry* geometry = nullptr;
    uint32_t firstIndex = 0, count = 0;  // indices in the geometry
    uint64_t placement = 0;              // items of one placement share model and normal matrices
    GlMatrix model{};                    // the mesh's space to the world (identity when skinned)
    float normal[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};  // column-major, for normals
    int firstBone = -1;                  // skinned: its first matrix in the frame's bone list
    Texture* texture = nullptr;          // null: drawn in flatGrey
    float flatGrey = 0.5f;
    RenderMode mode;
    int priority = 0;
    uint64_t serial = 0;
    uint32_t order = 0;  // gathering order, which keeps equal priorities and serials in place
    int zBias = 0;
    int textureMode = 1;
    bool wireframe = false;
    bool mirror = false;
    bool cutout = true;  // opaque texels with alpha below 0.5 are left out
    iVector4 emissive{0.0f, 0.0f, 0.0f, 0.0f};
    float alpha = 1.0f;
    bool bounded = false;                           // false: never culled
    float low[3] = {0, 0, 0}, high[3] = {0, 0, 0};  // the triangles' bounds in the world (posed)
};

// A shadow caster pressed flat onto the floor under it, along the light.
struct ShadowItem {
    const GpuGeometry* geometry = nullptr;
    GlMatrix model{};
};

struct SceneFrame {
    std::vector<DrawItem> items;    // surfaces, in drawing order within their pass
    std::vector<float> bones;       // skinned figures' bone matrices, column-major, 16 floats each
    std::vector<ShadowItem> shadows;
    float shadowLow[3] = {0, 0, 0}, shadowHigh[3] = {0, 0, 0};

    bool empty() const { return items.empty() && shadows.empty(); }
};

// A skinned mesh's matrices as its vertex shader reads them (column-major, 16 floats each):
// each bone's skinning transform placed in the world, then one for vertices no bone moves.
void appendSkinMatrices(SkinMesh& mesh, std::vector<float>* out);

// Gathers the scene of the current GL context (its serial), uploading geometry the context
// does not hold yet; the light's direction (normalised) lays the shadows.
void buildSceneFrame(const iVector3& lightDirection, unsigned contextSerial, SceneFrame* frame);

}  // namespace vuz
