#include "mesh_data.h"

#include <assimp/material.h>
#include <assimp/scene.h>

#include "model_import.h"

namespace vuz {

namespace {

void addMesh(const aiMesh& mesh, const aiMatrix4x4& transform, MeshData* out) {
    aiMatrix3x3 turn(transform);
    auto base = static_cast<uint32_t>(out->vertices.size());
    for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
        aiVector3D p = transform * mesh.mVertices[i];
        aiVector3D n = mesh.HasNormals() ? (turn * mesh.mNormals[i]).NormalizeSafe() : aiVector3D();
        aiVector3D t = mesh.HasTextureCoords(0) ? mesh.mTextureCoords[0][i] : aiVector3D();
        out->vertices.push_back({{p.x, p.y, p.z}, {n.x, n.y, n.z}, {t.x, t.y}});
    }
    MeshPart part{static_cast<uint32_t>(out->indices.size()), 0, mesh.mMaterialIndex};
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 3) continue;
        for (unsigned k = 0; k < 3; ++k) out->indices.push_back(base + face.mIndices[k]);
        part.indexCount += 3;
    }
    if (part.indexCount) out->parts.push_back(part);
}

void addNode(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent, MeshData* out) {
    aiMatrix4x4 transform = parent * node.mTransformation;
    for (unsigned m = 0; m < node.mNumMeshes; ++m) addMesh(*scene.mMeshes[node.mMeshes[m]], transform, out);
    for (unsigned c = 0; c < node.mNumChildren; ++c) addNode(scene, *node.mChildren[c], transform, out);
}

}  // namespace

bool readMeshData(const void* bytes, size_t size, MeshData* out, std::string* error) {
    *out = MeshData();
    std::unique_ptr<ModelImport> model = ModelImport::read(bytes, size, "x", error);
    if (!model) return false;
    const aiScene& scene = model->scene();
    addNode(scene, *scene.mRootNode, aiMatrix4x4(), out);
    if (out->indices.empty()) {
        *error = "no triangles in the file";
        *out = MeshData();
        return false;
    }
    for (unsigned m = 0; m < scene.mNumMaterials; ++m) {
        aiString file;
        bool named = scene.mMaterials[m]->GetTexture(aiTextureType_DIFFUSE, 0, &file) == AI_SUCCESS;
        out->materialTextures.push_back(named ? file.C_Str() : "");
    }
    return true;
}

}  // namespace vuz
