// Skinned meshes: showing, placing, playing their clip, and their bones.
#include <memory>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "skin_animation.h"
#include "vec_math.h"

using namespace vuz;

namespace {

SkinMesh* skin(uint32_t handle) { return engine().skinMeshes.get(handle); }

// The bone's mesh and index; null when the handle or its mesh is gone.
SkinMesh* boneMesh(uint32_t bone, int* index) {
    BoneRef* ref = engine().bones.get(bone);
    if (!ref) return nullptr;
    SkinMesh* m = skin(ref->mesh);
    if (!m || ref->index >= static_cast<int>(m->data.bones.size())) return nullptr;
    *index = ref->index;
    return m;
}

bool knownMode(int mode) { return mode >= 0 && mode <= 3; }

}  // namespace

extern "C" {

void iSkinMeshShow(uint32_t mesh) {
    if (SkinMesh* m = skin(mesh)) m->visible = true;
}

void iSkinMeshHide(uint32_t mesh) {
    if (SkinMesh* m = skin(mesh)) m->visible = false;
}

void iSkinMeshLocationSet(uint32_t mesh, const iVector3* location) {
    SkinMesh* m = skin(mesh);
    if (!m || !usableVector(location, "iSkinMeshLocationSet")) return;
    m->location = *location;
    if (m->worldOverrides > 0) m->poseDirty = true;
}

void iSkinMeshOrientationSet(uint32_t mesh, const iQuaternion* orientation) {
    SkinMesh* m = skin(mesh);
    iQuaternion q;
    if (!m || !usableRotation(orientation, "iSkinMeshOrientationSet", &q)) return;
    m->orientation = q;
    if (m->worldOverrides > 0) m->poseDirty = true;
}

void iSkinMeshRenderModeSet(uint32_t mesh, int source, int target, int depthTest, int depthWrite) {
    SkinMesh* m = skin(mesh);
    if (!m) return;
    m->mode = RenderMode{source, target, depthTest != 0, depthWrite != 0};
}

void iSkinMeshTextureChange(uint32_t mesh, const char* texturePath, int slot) {
    SkinMesh* m = skin(mesh);
    if (!m || !texturePath) return;
    if (slot < 0 || slot >= static_cast<int>(m->textures.size())) {
        win32::log("engine: iSkinMeshTextureChange: the mesh has no texture slot " + std::to_string(slot));
        return;
    }
    std::string error;
    std::shared_ptr<Texture> picture = engine().textures.fromFile(texturePath, session().mipLevels, &error);
    if (!picture) {
        win32::log(std::string("engine: iSkinMeshTextureChange: \"") + texturePath + "\": " + error);
        return;
    }
    m->textures[slot] = std::move(picture);
    m->texturePaths[slot] = texturePath;
}

float iSkinMeshAnimationLength(uint32_t mesh) {
    SkinMesh* m = skin(mesh);
    return m ? m->length : 0.0f;
}

void iSkinMeshAnimationSpeedSet(uint32_t mesh, float speed) {
    SkinMesh* m = skin(mesh);
    if (m && usableNumbers({speed}, "iSkinMeshAnimationSpeedSet")) m->speed = speed;
}

void iSkinMeshAnimationTimeSet(uint32_t mesh, float time) {
    SkinMesh* m = skin(mesh);
    if (m && usableNumbers({time}, "iSkinMeshAnimationTimeSet")) setSkinMeshTime(*m, time);
}

uint32_t iSkinMeshBoneCreateByName(uint32_t mesh, const char* name) {
    SkinMesh* m = skin(mesh);
    if (!m || !name) {
        win32::log("engine: iSkinMeshBoneCreateByName: no such skinned mesh");
        return 0;
    }
    int index = m->data.boneIndex(name);
    if (index < 0) {
        win32::log(std::string("engine: iSkinMeshBoneCreateByName: the mesh has no bone \"") + name + "\"");
        return 0;
    }
    return engine().bones.add(std::make_unique<BoneRef>(BoneRef{mesh, index}));
}

void iSkinMeshBoneDestroy(uint32_t bone) { engine().bones.remove(bone); }

void iSkinMeshBoneLocation(uint32_t bone, iVector3* out, int mode) {
    if (!out) return;
    int index = 0;
    SkinMesh* m = boneMesh(bone, &index);
    *out = vec3(0, 0, 0);
    if (m) readBonePose(*m, index, knownMode(mode) ? mode : 1, out, nullptr);
}

void iSkinMeshBoneOrientation(uint32_t bone, iQuaternion* out, int mode) {
    if (!out) return;
    int index = 0;
    SkinMesh* m = boneMesh(bone, &index);
    *out = IdentityQuaternion;
    if (m) readBonePose(*m, index, knownMode(mode) ? mode : 1, nullptr, out);
}

void iSkinMeshBoneOrientationSet(uint32_t bone, const iQuaternion* orientation, int mode) {
    int index = 0;
    SkinMesh* m = boneMesh(bone, &index);
    iQuaternion q;
    if (!m || !usableRotation(orientation, "iSkinMeshBoneOrientationSet", &q)) return;
    if (!knownMode(mode)) {
        refuseInput("iSkinMeshBoneOrientationSet", "unknown mode " + std::to_string(mode));
        return;
    }
    setBoneOverride(*m, index, mode, q);
}

}  // extern "C"
