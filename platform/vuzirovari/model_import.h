// Model files read from memory through the importer. .x files come out exactly as written
// (the game's own space: y up, +z forward, texture v running down the picture), .ply files as
// written too.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

struct aiScene;
namespace Assimp {
class Importer;
}

namespace vuz {

class ModelImport {
public:
    // "x" or "ply". Null with *error when the bytes are not a model of that kind.
    static std::unique_ptr<ModelImport> read(const void* bytes, size_t size, const char* kind, std::string* error);
    ~ModelImport();
    ModelImport(const ModelImport&) = delete;
    ModelImport& operator=(const ModelImport&) = delete;

    const aiScene& scene() const { return *scene_; }

private:
    ModelImport(std::unique_ptr<Assimp::Importer> importer, const aiScene* scene);
    // The importer owns the scene, also when one of its checks fails: it then frees the scene
    // itself and gives null, so no failure can free it twice.
    std::unique_ptr<Assimp::Importer> importer_;
    const aiScene* scene_;
};

}  // namespace vuz
