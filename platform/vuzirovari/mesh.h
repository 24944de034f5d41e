// Meshes as the engine holds them: static scenery (with one texture) and shadow casters (bound
// to a rigid body), and skinned meshes with their skeleton, animation sets and texture slots.
// Drawing, animating and following bodies build on these.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mesh_data.h"
#include "skin_mesh_data.h"
#include "texture.h"

namespace vuz {

struct Mesh {
    enum class Kind { Static, ShadowCaster };

    Kind kind = Kind::Static;
    MeshData data;
    std::shared_ptr<Texture> texture;  // static meshes only
    int textureId = -1;
    bool visible = true;
    uint32_t body = 0;         // shadow casters: the body they follow
    float shadowLength = 0.0f;  // shadow casters: how far the shadow reaches
};

struct SkinMesh {
    SkinMeshData data;
    std::vector<std::shared_ptr<Texture>> textures;  // one per texture slot; null when empty
    bool visible = true;
};

}  // namespace vuz
