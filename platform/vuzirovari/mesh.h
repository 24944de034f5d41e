// Meshes as the engine holds them: static scenery (with one texture), shadow casters and debug
// meshes (both following a rigid body), and skinned meshes with their skeleton, animation sets,
// texture slots, placement, clip time and bone overrides.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mesh_data.h"
#include "skin_mesh_data.h"
#include "texture.h"
#include "vuzirovari.h"

namespace vuz {

struct GpuGeometry;

// How a mesh is blended and depth-tested; factor numbers as for sprites.
struct RenderMode {
    int source = 2, target = 1;
    bool depthTest = true, depthWrite = true;
};

// Values no arena uses: kept for the test interface only.
struct StoredLook {
    float specular[2] = {0.0f, 0.0f};
    float fog[2] = {0.0f, 0.0f};
    float mipLodBias = 0.0f, envMapBlend = 0.0f, envMapGlass = 0.0f;
    bool localLights = false;
};

struct Mesh {
    enum class Kind { Static, ShadowCaster, Debug };

    Kind kind = Kind::Static;
    MeshData data;
    std::shared_ptr<Texture> texture;  // static meshes only; the mesh's own copy after an alpha change
    int textureId = -1;
    std::string alphaTextureName;
    bool visible = true;
    uint32_t body = 0;          // shadow casters and debug meshes: the body they follow
    float shadowLength = 0.0f;  // shadow casters: how far the shadow reaches
    uint64_t serial = 0;        // creation order among meshes

    iVector3 location{0.0f, 0.0f, 0.0f};
    iQuaternion orientation{0.0f, 0.0f, 0.0f, 1.0f};
    iVector3 scale{1.0f, 1.0f, 1.0f};
    RenderMode mode;
    int priority = 0;
    int zBias = 0;
    int textureMode = 1;
    bool mirror = false;
    bool wireframe = false;
    iVector4 emissive{0.0f, 0.0f, 0.0f, 0.0f};
    float alpha = 1.0f;
    StoredLook stored;
    std::vector<float> bounds;  // min x, y, z, max x, y, z of the vertices (for picking)
    std::shared_ptr<GpuGeometry> gpu;  // drawing's copy of the triangles, made on first draw
};

// A bone rotation held by iSkinMeshBoneOrientationSet.
struct BoneOverride {
    int mode = -1;  // -1: none; 0 world, 1 model space, 2 parent-relative
    iQuaternion rotation{0.0f, 0.0f, 0.0f, 1.0f};
};

// The evaluated pose of a skinned mesh, in model space.
struct SkinPose {
    std::vector<Matrix4> local;       // parent-relative transform per bone
    std::vector<iQuaternion> localRotation;
    std::vector<Matrix4> model;       // model transform per bone
    std::vector<iQuaternion> modelRotation;
};

struct SkinMesh {
    SkinMeshData data;
    std::vector<std::shared_ptr<Texture>> textures;  // one per texture slot; null when empty
    std::vector<std::string> texturePaths;           // as created ("slot n") or changed
    bool visible = false;
    uint64_t serial = 0;
    iVector3 location{0.0f, 0.0f, 0.0f};
    iQuaternion orientation{0.0f, 0.0f, 0.0f, 1.0f};
    RenderMode mode;
    float time = 0.0f;   // frames
    float speed = 0.0f;  // frames per second
    float length = 0.0f; // frames
    bool loops = false;
    std::vector<BoneOverride> overrides;  // one per bone
    int worldOverrides = 0;               // overrides held in mode 0 (they depend on placement)
    bool poseDirty = true;
    SkinPose pose;
    // Read once at creation: the rest transform of each bone split into its parts, and the
    // channel of the first animation set that moves it (-1: none).
    std::vector<iVector3> restTranslation, restScale;
    std::vector<iQuaternion> restRotation;
    std::vector<int> channelOfBone;
    std::shared_ptr<GpuGeometry> gpu;  // drawing's copy of the skinned triangles, made on first draw
};

}  // namespace vuz
