// Static meshes, shadow casters and skinned meshes made from .x files.
#include <memory>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "skin_mesh_share.h"
#include "skin_animation.h"

using namespace vuz;

namespace {

void refuse(const std::string& what, const std::string& reason) {
    win32::log("engine: " + what + " not made: " + reason);
}

}  // namespace

extern "C" {

uint32_t iMeshCreateFromMemory(const void* x, uint32_t xSize, const void* texture, uint32_t textureSize,
                               int textureId) {
    auto mesh = std::make_unique<Mesh>();
    std::string error;
    if (!readMeshData(x, xSize, &mesh->data, &error)) {
        refuse("mesh", "its .x file: " + error);
        return 0;
    }
    const std::vector<std::string>& named = mesh->data.materialTextures;
    std::string name = !named.empty() && !named[0].empty() ? named[0] : "texture " + std::to_string(textureId);
    mesh->texture = engine().textures.byId(textureId, texture, textureSize, name, session().mipLevels, &error);
    if (!mesh->texture) {
        refuse("mesh", "its texture: " + error);
        return 0;
    }
    mesh->textureId = textureId;
    prepareMesh(*mesh);
    return engine().meshes.add(std::move(mesh));
}

uint32_t iMeshBodyShadowCasterCreateFromMemory(const void* x, uint32_t xSize, int body, float size) {
    auto mesh = std::make_unique<Mesh>();
    std::string error;
    if (!readMeshData(x, xSize, &mesh->data, &error)) {
        refuse("shadow caster", "its .x file: " + error);
        return 0;
    }
    mesh->kind = Mesh::Kind::ShadowCaster;
    mesh->body = static_cast<uint32_t>(body);
    mesh->shadowLength = size;
    prepareMesh(*mesh);
    return engine().meshes.add(std::move(mesh));
}

void iMeshDestroy(uint32_t mesh) { engine().meshes.remove(mesh); }

uint32_t iSkinMeshCreateFromMemory(const void* x, uint32_t xSize, const void* const* textures,
                                   const uint32_t* textureSizes) {
    auto mesh = std::make_unique<SkinMesh>();
    std::string error;
    SkinBytesKey bytesKey;
    if (!readSkinMeshDataShared(x, xSize, &mesh->data, &bytesKey, &error)) {
        refuse("skinned mesh", "its .x file: " + error);
        return 0;
    }
    // One texture per material of the file; the caller passes no count.
    for (int slot = 0; slot < mesh->data.materialCount; ++slot) {
        std::shared_ptr<Texture> picture;
        if (textures && textureSizes && textures[slot] && textureSizes[slot] > 0) {
            picture = TextureStore::decode(textures[slot], textureSizes[slot], "slot " + std::to_string(slot),
                                           session().mipLevels, &error);
            if (!picture) {
                refuse("skinned mesh", "texture slot " + std::to_string(slot) + ": " + error);
                return 0;
            }
        }
        mesh->textures.push_back(std::move(picture));
        mesh->texturePaths.push_back(mesh->textures.back() ? "slot " + std::to_string(slot) : "");
    }
    prepareSkinMesh(*mesh);
    mesh->serial = engine().nextSerial++;
    uint32_t handle = engine().skinMeshes.add(std::move(mesh));
    rememberSkinMeshBytes(bytesKey, handle);
    return handle;
}

void iSkinMeshDestroy(uint32_t skinMesh) { engine().skinMeshes.remove(skinMesh); }

}  // extern "C"
