// A skinned mesh read from a .x file: the frame hierarchy (the bones), the skinned geometry
// and the animation sets, in the file's own space (y up, +z forward).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "mesh_data.h"

namespace vuz {

// A 4 x 4 transform, rows first, acting on column vectors (translation in m[3], m[7], m[11]).
using Matrix4 = std::array<float, 16>;

struct Bone {
    std::string name;  // the frame's name, e.g. "Bip01_Spine"
    int parent;        // index into the bones, -1 for a top frame
    Matrix4 rest;      // the frame's transform relative to its parent
};

// Up to four bones move each vertex; the weights of a vertex add up to 1 (0 without bones).
struct SkinWeights {
    std::array<int, 4> bone{-1, -1, -1, -1};
    std::array<float, 4> weight{0.0f, 0.0f, 0.0f, 0.0f};
};

struct SkinnedGeometry {
    MeshData mesh;                      // in the space of the first frame holding a mesh
    int frame = -1;                     // that frame's bone index, -1 at the top
    std::vector<SkinWeights> weights;   // one per vertex
    std::vector<int> offsetBones;       // bones that move vertices, and
    std::vector<Matrix4> offsets;       // for each, mesh space into bone space
};

struct VectorKey {
    float time;
    float value[3];
};
struct RotationKey {
    float time;
    float value[4];  // x, y, z, w
};

struct AnimationChannel {
    int bone;
    std::vector<VectorKey> positions;
    std::vector<RotationKey> rotations;
    std::vector<VectorKey> scales;
};

struct AnimationSet {
    std::string name;
    float duration;        // in ticks (the file's key times)
    float ticksPerSecond;  // as the file says; 0 when it says nothing
    std::vector<AnimationChannel> channels;
};

struct SkinMeshData {
    std::vector<Bone> bones;  // parents come before their children
    SkinnedGeometry geometry;
    std::vector<AnimationSet> animations;
    int materialCount = 0;  // texture slots

    int boneIndex(const std::string& name) const;
};

// False with *error when the bytes are no .x file, or hold neither triangles nor frames.
bool readSkinMeshData(const void* bytes, size_t size, SkinMeshData* out, std::string* error);

}  // namespace vuz
