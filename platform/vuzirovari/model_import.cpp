#include "model_import.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstring>
#include <limits>

#include "ply_check.h"
#include "xfile_check.h"

namespace vuz {

namespace {

std::string failure(const Assimp::Importer& importer) {
    const char* reason = importer.GetErrorString();
    return reason && *reason ? reason : "unreadable";
}

}  // namespace

ModelImport::ModelImport(std::unique_ptr<Assimp::Importer> importer, const aiScene* scene)
    : importer_(std::move(importer)), scene_(scene) {}

std::unique_ptr<ModelImport> ModelImport::read(const void* bytes, size_t size, const char* kind, std::string* error) {
    if (!bytes || size == 0) {
        *error = "no data";
        return nullptr;
    }
    if (size > std::numeric_limits<unsigned>::max()) {
        *error = "the file is too large";
        return nullptr;
    }
    bool x = std::strcmp(kind, "x") == 0;
    if (x && (size < 16 || std::memcmp(bytes, "xof ", 4) != 0)) {
        *error = "not a .x file (no \"xof \" header)";
        return nullptr;
    }
    // The importer trusts what a .x file says about itself: the structure is checked first.
    if (x && !checkXFile(static_cast<const char*>(bytes), size, error)) return nullptr;
    // So is a .ply file's header against its data.
    if (!x && !checkPlyFile(static_cast<const char*>(bytes), size, error)) return nullptr;
    unsigned flags = aiProcess_Triangulate | (x ? 0u : unsigned(aiProcess_ValidateDataStructure));
    // The importer turns .x data into its own right-handed space; this turns it back.
    if (x) flags |= aiProcess_ConvertToLeftHanded;
    auto importer = std::make_unique<Assimp::Importer>();
    const aiScene* scene = importer->ReadFileFromMemory(bytes, size, flags, kind);
    if (!scene) {
        *error = failure(*importer);
        return nullptr;
    }
    // A clip may hold a skeleton and its animation without any geometry; the importer's own
    // checks would turn such a file away, so they run only when there is geometry to check.
    if (x && scene->mNumMeshes > 0) {
        scene = importer->ApplyPostProcessing(aiProcess_ValidateDataStructure);
        if (!scene) {
            *error = failure(*importer);
            return nullptr;
        }
    }
    if (!scene->mRootNode) {
        *error = "empty model";
        return nullptr;
    }
    return std::unique_ptr<ModelImport>(new ModelImport(std::move(importer), scene));
}

ModelImport::~ModelImport() = default;

}  // namespace vuz
