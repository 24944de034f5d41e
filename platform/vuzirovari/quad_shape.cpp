#include "quad_shape.h"

#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "model_import.h"

namespace vuz {

bool readQuadShape(const void* bytes, size_t size, QuadShape* out, std::string* error) {
    *out = QuadShape();
    std::unique_ptr<ModelImport> model = ModelImport::read(bytes, size, "x", error);
    if (!model) return false;
    const aiScene& scene = model->scene();

    float minX = FLT_MAX, minY = FLT_MAX, maxX = -FLT_MAX, maxY = -FLT_MAX;
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh* mesh = scene.mMeshes[m];
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices != 3) continue;
            for (unsigned k = 0; k < 3; ++k) {
                const aiVector3D& p = mesh->mVertices[face.mIndices[k]];
                minX = std::min(minX, p.x);
                maxX = std::max(maxX, p.x);
                minY = std::min(minY, p.y);
                maxY = std::max(maxY, p.y);
            }
        }
    }
    float width = maxX - minX, height = maxY - minY;
    if (!(width > 0.0f) || !(height > 0.0f) || !std::isfinite(width) || !std::isfinite(height)) {
        *error = "no flat quad in the file";
        return false;
    }
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh* mesh = scene.mMeshes[m];
        bool uvs = mesh->HasTextureCoords(0);
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices != 3) continue;
            for (unsigned k = 0; k < 3; ++k) {
                unsigned i = face.mIndices[k];
                const aiVector3D& p = mesh->mVertices[i];
                QuadVertex v;
                v.x = (p.x - minX) / width;
                v.y = (p.y - minY) / height - 0.5f;
                // Without picture coordinates the picture is spread over the quad.
                v.u = uvs ? mesh->mTextureCoords[0][i].x : v.x;
                v.v = uvs ? mesh->mTextureCoords[0][i].y : 0.5f - v.y;
                out->triangles.push_back(v);
            }
        }
        if (out->textureFile.empty() && mesh->mMaterialIndex < scene.mNumMaterials) {
            aiString file;
            if (scene.mMaterials[mesh->mMaterialIndex]->GetTexture(aiTextureType_DIFFUSE, 0, &file) == AI_SUCCESS)
                out->textureFile = file.C_Str();
        }
    }
    return true;
}

}  // namespace vuz
