// The 3D scene of one frame as triangles in world space, ready to draw: every visible mesh and
// skinned mesh (in its current pose) and the shadow volumes of the shadow casters.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mesh.h"
#include "vuzirovari.h"

namespace vuz {

struct SceneVertex {
    float position[3];
    float normal[3];
    float uv[2];
};

// A run of triangles drawn one way.
struct DrawItem {
    uint32_t first = 0, count = 0;  // vertices in the frame's vertex list
    Texture* texture = nullptr;     // null: drawn in flatGrey
    float flatGrey = 0.5f;
    RenderMode mode;
    int priority = 0;
    uint64_t serial = 0;
    int zBias = 0;
    int textureMode = 1;
    bool wireframe = false;
    bool mirror = false;
    bool cutout = true;  // opaque texels with alpha below 0.5 are left out
    iVector4 emissive{0.0f, 0.0f, 0.0f, 0.0f};
    float alpha = 1.0f;
    float low[3] = {0, 0, 0}, high[3] = {0, 0, 0};  // the triangles' bounds in the world
};

struct SceneFrame {
    std::vector<SceneVertex> vertices;
    std::vector<DrawItem> items;        // surfaces, in drawing order within their pass
    uint32_t shadowFirst = 0, shadowCount = 0;  // the shadow volumes' triangles
    float shadowLow[3] = {0, 0, 0}, shadowHigh[3] = {0, 0, 0};
};

// Gathers the scene; the light's direction (normalised) extrudes the shadows.
void buildSceneFrame(const iVector3& lightDirection, SceneFrame* frame);

}  // namespace vuz
