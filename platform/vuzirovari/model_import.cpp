#include "model_import.h"

#include <assimp/cimport.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstring>
#include <limits>
#include <string_view>

namespace vuz {

namespace {

// A text .x file whose objects do not close (a cut-off file, most often) is turned away before
// the importer sees it: the importer leaks the mesh it was reading when it fails halfway.
bool objectsClose(const char* text, size_t size, std::string* error) {
    if (size < 16 || std::memcmp(text + 8, "txt ", 4) != 0) return true;  // binary: the importer's job
    long depth = 0;
    for (size_t i = 16; i < size; ++i) {
        char c = text[i];
        if (c == '"') {
            while (++i < size && text[i] != '"') {}
        } else if (c == '#' || (c == '/' && i + 1 < size && text[i + 1] == '/')) {
            while (i < size && text[i] != '\n') ++i;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth < 0) {
            break;
        } else if (c == '\0') {
            *error = "a zero byte in a text .x file";
            return false;
        }
    }
    if (depth != 0) {
        *error = depth > 0 ? "the file ends inside an object" : "an object closes that never opened";
        return false;
    }
    return true;
}

bool isClipWithoutMesh(const char* text, size_t size) {
    std::string_view view(text, size);
    return view.find("AnimationSet") != std::string_view::npos && view.find("Mesh") == std::string_view::npos;
}

}  // namespace

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
    if (x && !objectsClose(static_cast<const char*>(bytes), size, error)) return nullptr;
    unsigned flags = aiProcess_Triangulate | (x ? 0u : unsigned(aiProcess_ValidateDataStructure));
    // The importer turns .x data into its own right-handed space; this turns it back.
    if (x) flags |= aiProcess_ConvertToLeftHanded;
    const aiScene* scene = aiImportFileFromMemory(static_cast<const char*>(bytes), static_cast<unsigned>(size), flags, kind);
    // An animation clip holds frames and keys but no mesh, which the validation refuses; such a
    // file is read again without it (there is no geometry to go wrong).
    if (!scene && x && isClipWithoutMesh(static_cast<const char*>(bytes), size))
        scene = aiImportFileFromMemory(static_cast<const char*>(bytes), static_cast<unsigned>(size),
                                       flags & ~aiProcess_ValidateDataStructure, kind);
    if (!scene) {
        const char* reason = aiGetErrorString();
        *error = reason && *reason ? reason : "unreadable";
        return nullptr;
    }
    // A clip may hold a skeleton and its animation without any geometry; the importer's own
    // checks would turn such a file away, so they run only when there is geometry to check.
    if (x && scene->mNumMeshes > 0) {
        scene = aiApplyPostProcessing(scene, aiProcess_ValidateDataStructure);
        if (!scene) {
            const char* reason = aiGetErrorString();
            *error = reason && *reason ? reason : "unreadable";
            return nullptr;
        }
    }
    if (!scene->mRootNode) {
        aiReleaseImport(scene);
        *error = "empty model";
        return nullptr;
    }
    return std::unique_ptr<ModelImport>(new ModelImport(scene));
}

ModelImport::~ModelImport() { aiReleaseImport(scene_); }

}  // namespace vuz
