#include "skin_mesh_data.h"

#include <assimp/material.h>
#include <assimp/scene.h>

#include <cstring>

#include "model_import.h"

namespace vuz {

namespace {

Matrix4 toMatrix(const aiMatrix4x4& m) {
    return {m.a1, m.a2, m.a3, m.a4, m.b1, m.b2, m.b3, m.b4, m.c1, m.c2, m.c3, m.c4, m.d1, m.d2, m.d3, m.d4};
}

// The importer's own top node (made when the file has several top frames) is no bone.
bool madeByImporter(const aiNode& node) { return node.mName.length == 0 || node.mName.C_Str()[0] == '$'; }

void addBones(const aiNode& node, int parent, std::vector<const aiNode*>* nodes, SkinMeshData* out) {
    int self = parent;
    if (!(parent < 0 && madeByImporter(node))) {
        self = static_cast<int>(out->bones.size());
        out->bones.push_back({node.mName.C_Str(), parent, toMatrix(node.mTransformation)});
        nodes->push_back(&node);
    }
    for (unsigned c = 0; c < node.mNumChildren; ++c) addBones(*node.mChildren[c], self, nodes, out);
}

void addWeight(SkinWeights* w, int bone, float weight) {
    for (size_t k = 0; k < w->bone.size(); ++k) {
        if (w->bone[k] < 0) {
            w->bone[k] = bone;
            w->weight[k] = weight;
            return;
        }
    }
    // More than four bones: the smallest share gives way.
    size_t smallest = 0;
    for (size_t k = 1; k < w->weight.size(); ++k)
        if (w->weight[k] < w->weight[smallest]) smallest = k;
    if (weight > w->weight[smallest]) {
        w->bone[smallest] = bone;
        w->weight[smallest] = weight;
    }
}

int offsetSlot(SkinnedGeometry* g, int bone, const aiMatrix4x4& offset) {
    for (size_t i = 0; i < g->offsetBones.size(); ++i)
        if (g->offsetBones[i] == bone) return static_cast<int>(i);
    g->offsetBones.push_back(bone);
    g->offsets.push_back(toMatrix(offset));
    return static_cast<int>(g->offsetBones.size() - 1);
}

void addSkinnedMesh(const aiMesh& mesh, const SkinMeshData& data, SkinnedGeometry* g) {
    auto base = static_cast<uint32_t>(g->mesh.vertices.size());
    MeshPart part{static_cast<uint32_t>(g->mesh.indices.size()), 0, mesh.mMaterialIndex};
    for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
        const aiVector3D& p = mesh.mVertices[i];
        aiVector3D n = mesh.HasNormals() ? mesh.mNormals[i] : aiVector3D();
        aiVector3D t = mesh.HasTextureCoords(0) ? mesh.mTextureCoords[0][i] : aiVector3D();
        g->mesh.vertices.push_back({{p.x, p.y, p.z}, {n.x, n.y, n.z}, {t.x, t.y}});
        g->weights.emplace_back();
    }
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 3) continue;
        for (unsigned k = 0; k < 3; ++k) g->mesh.indices.push_back(base + face.mIndices[k]);
        part.indexCount += 3;
    }
    if (part.indexCount) g->mesh.parts.push_back(part);
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone& bone = *mesh.mBones[b];
        int index = data.boneIndex(bone.mName.C_Str());
        if (index < 0) continue;  // names a frame the file does not have
        offsetSlot(g, index, bone.mOffsetMatrix);
        for (unsigned w = 0; w < bone.mNumWeights; ++w) {
            unsigned vertex = bone.mWeights[w].mVertexId;
            if (vertex < mesh.mNumVertices && bone.mWeights[w].mWeight > 0.0f)
                addWeight(&g->weights[base + vertex], index, bone.mWeights[w].mWeight);
        }
    }
}

void normaliseWeights(SkinnedGeometry* g) {
    for (SkinWeights& w : g->weights) {
        float sum = 0.0f;
        for (float x : w.weight) sum += x;
        if (sum > 0.0f)
            for (float& x : w.weight) x /= sum;
    }
}

AnimationSet readAnimation(const aiAnimation& a, const SkinMeshData& data) {
    AnimationSet set{a.mName.C_Str(), static_cast<float>(a.mDuration), static_cast<float>(a.mTicksPerSecond), {}};
    for (unsigned c = 0; c < a.mNumChannels; ++c) {
        const aiNodeAnim& ch = *a.mChannels[c];
        AnimationChannel channel{data.boneIndex(ch.mNodeName.C_Str()), {}, {}, {}};
        if (channel.bone < 0) continue;
        for (unsigned k = 0; k < ch.mNumPositionKeys; ++k) {
            const aiVectorKey& key = ch.mPositionKeys[k];
            channel.positions.push_back({static_cast<float>(key.mTime), {key.mValue.x, key.mValue.y, key.mValue.z}});
        }
        for (unsigned k = 0; k < ch.mNumRotationKeys; ++k) {
            const aiQuatKey& key = ch.mRotationKeys[k];
            // The importer hands the file's rotation keys over conjugated; the file's own
            // quaternion is the bone's rotation (the same as its frame matrix would give).
            channel.rotations.push_back(
                {static_cast<float>(key.mTime), {-key.mValue.x, -key.mValue.y, -key.mValue.z, key.mValue.w}});
        }
        for (unsigned k = 0; k < ch.mNumScalingKeys; ++k) {
            const aiVectorKey& key = ch.mScalingKeys[k];
            channel.scales.push_back({static_cast<float>(key.mTime), {key.mValue.x, key.mValue.y, key.mValue.z}});
        }
        set.channels.push_back(std::move(channel));
    }
    return set;
}

// The importer adds a material of its own, without a name, to a file that declares none.
bool declaredMaterial(const aiMaterial& m) {
    aiString name;
    return m.Get(AI_MATKEY_NAME, name) == AI_SUCCESS && std::strcmp(name.C_Str(), AI_DEFAULT_MATERIAL_NAME) != 0;
}

}  // namespace

int SkinMeshData::boneIndex(const std::string& name) const {
    for (size_t i = 0; i < bones.size(); ++i)
        if (bones[i].name == name) return static_cast<int>(i);
    return -1;
}

bool readSkinMeshData(const void* bytes, size_t size, SkinMeshData* out, std::string* error) {
    *out = SkinMeshData();
    std::unique_ptr<ModelImport> model = ModelImport::read(bytes, size, "x", error);
    if (!model) return false;
    const aiScene& scene = model->scene();
    std::vector<const aiNode*> nodes;
    addBones(*scene.mRootNode, -1, &nodes, out);
    for (size_t b = 0; b < nodes.size(); ++b) {
        for (unsigned m = 0; m < nodes[b]->mNumMeshes; ++m) {
            if (out->geometry.frame < 0) out->geometry.frame = static_cast<int>(b);
            addSkinnedMesh(*scene.mMeshes[nodes[b]->mMeshes[m]], *out, &out->geometry);
        }
    }
    if (madeByImporter(*scene.mRootNode))
        for (unsigned m = 0; m < scene.mRootNode->mNumMeshes; ++m)
            addSkinnedMesh(*scene.mMeshes[scene.mRootNode->mMeshes[m]], *out, &out->geometry);
    normaliseWeights(&out->geometry);
    for (unsigned a = 0; a < scene.mNumAnimations; ++a) out->animations.push_back(readAnimation(*scene.mAnimations[a], *out));
    for (unsigned m = 0; m < scene.mNumMaterials; ++m) out->materialCount += declaredMaterial(*scene.mMaterials[m]) ? 1 : 0;
    if (out->bones.empty() && out->geometry.mesh.indices.empty()) {
        *error = "neither frames nor triangles in the file";
        *out = SkinMeshData();
        return false;
    }
    return true;
}

}  // namespace vuz
