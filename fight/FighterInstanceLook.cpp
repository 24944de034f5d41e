// The fighter's look: its body mesh by sex and build, the four texture slots and the clips.
#include <string>

#include "fight/ActionIds.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "fight/FighterInstance.h"
#include "fight/LoadingProgress.h"
#include "resources/FileArchive.h"

namespace {

enum TextureSlot { ClothesSlot = 0, ProtectorSlot = 1, SkinSlot = 2, BeltSlot = 3 };

std::string texturePath(const std::string& file) {
    return std::string(FighterTables::TextureFolder) + file;
}

// Slot changes are made with mip levels on, as the display mesh's own textures were.
void changeTexture(uint32_t skinMesh, const std::string& path, int slot) {
    iTextureMipLevelsSet(1);
    iSkinMeshTextureChange(skinMesh, path.c_str(), slot);
    iTextureMipLevelsSet(0);
}

}  // namespace

void FighterInstance::reportProgress(LoadingProgress* progress, float value) const {
    if (progress) progress->setProgress(value);
}

void FighterInstance::setUpBodyMeshes(int type, LoadingProgress* progress, float from, float to) {
    if (type == -1 || type == bodyType) return;
    if (type < 0 || type >= FighterTables::BodyTypeCount) {
        OutputDebugStringA(("Fighter: body type " + std::to_string(type) +
                            " does not exist; the fighter keeps its body\n").c_str());
        return;
    }
    bodyType = type;
    if (skinMesh != 0) {
        destroyJoints();
        destroyBones();
        destroyDisplayMesh();
    }

    const bool loadClips = !firstSetUpDone;
    const float step = (to - from) / static_cast<float>(loadClips ? 56 : 6);
    int done = 0;
    auto stageDone = [&] { reportProgress(progress, from + static_cast<float>(++done) * step); };

    const FighterTables::BodyType& look = FighterTables::bodyTypes[type];
    const std::string mesh = texturePath(look.mesh);
    iTextureMipLevelsSet(1);
    skinMesh = FileArchive::instance().createSkinMesh(
        mesh, {texturePath(FighterTables::startingClothes(type)), texturePath(look.protector),
               texturePath(FighterTables::skins[look.startingSkin]),
               texturePath(FighterTables::startingBelt(type))});
    iTextureMipLevelsSet(0);
    if (skinMesh == 0) OutputDebugStringA(("Fighter: body mesh " + mesh + " could not be made\n").c_str());
    // A new mesh comes with its type's starting skin and clothes, whatever was shown before.
    skinIndex = look.startingSkin;
    clothesIndex = 0;
    stageDone();

    iSkinMeshAnimationSpeedSet(skinMesh, 0.0f);
    iSkinMeshRenderModeSet(skinMesh, 5, 6, 1, 1);
    stageDone();

    if (loadClips) {
        for (int a = 0; a < ClipCount; ++a) {
            loadClip(a);
            stageDone();
        }
        firstSetUpDone = true;
    }
    createBones();
    stageDone();
    // The clips stay for the fighter's life, so their bones are made once with them.
    if (loadClips) createClipBones();
    stageDone();
    buildRagdoll();
    setJointLimits(true);
    stageDone();
    for (uint32_t body : bodies) iBodyEnable(body);
    resetPose();
    stageDone();
}

void FighterInstance::setUpDefaultBodyMesh(LoadingProgress* progress, float from, float to) {
    setUpBodyMeshes(2, progress, from, to);
}

void FighterInstance::loadClip(int action) {
    if (action < 0 || action >= ClipCount) return;
    for (int s = 0; s < 2; ++s) {
        if (clipMeshes[action][s] != 0) FileArchive::instance().destroySkinMesh(clipMeshes[action][s]);
        clipMeshes[action][s] = 0;
        clipLength[action][s] = 0.0f;
    }
    // Action 1 has a pair of its own made from action 0's files, so each keeps its own time.
    const int owner = actionClipOwner(action);
    const char* files[2] = {actionAnimationFile(owner), actionMirroredAnimationFile(owner)};
    const char* folders[2] = {ActionClipFolder, ActionMirroredClipFolder};
    for (int s = 0; s < 2; ++s) {
        if (!files[s]) continue;
        const std::string file = std::string(folders[s]) + "\\" + files[s];
        uint32_t clip = FileArchive::instance().createSkinMesh(file, {});
        if (clip == 0) clip = loadStandInClip(owner, s, file);
        clipMeshes[action][s] = clip;
        clipLength[action][s] = clip != 0 ? iSkinMeshAnimationLength(clip) : 0.0f;
    }
}

uint32_t FighterInstance::loadStandInClip(int owner, int clipSide, const std::string& missing) {
    // A damaged or missing clip must not leave the fighter without a pose: the action plays the
    // idle clip instead, or, when that is gone too, the first clip of the same side that loads.
    const char* folder = clipSide == 0 ? ActionClipFolder : ActionMirroredClipFolder;
    for (int candidate = 0; candidate < ClipCount; ++candidate) {
        if (candidate == owner || actionClipOwner(candidate) != candidate) continue;
        const char* name = clipSide == 0 ? actionAnimationFile(candidate) : actionMirroredAnimationFile(candidate);
        if (!name) continue;
        const std::string file = std::string(folder) + "\\" + name;
        const uint32_t clip = FileArchive::instance().createSkinMesh(file, {});
        if (clip == 0) continue;
        OutputDebugStringA(("Fighter: clip " + missing + " could not be made; " + file + " stands in\n").c_str());
        return clip;
    }
    OutputDebugStringA(("Fighter: clip " + missing + " could not be made\n").c_str());
    return 0;
}

void FighterInstance::applySkinTexture(int index) {
    if (index == -1 || index == skinIndex) return;
    skinIndex = index;
    if (index < 0 || index >= FighterTables::SkinCount) return;
    changeTexture(skinMesh, texturePath(FighterTables::skins[index]), SkinSlot);
    resetPose();
}

void FighterInstance::applyProtectionTexture(int corner, int belt) {
    if (corner == -1 || belt == -1) return;
    cornerColour = corner;
    beltColour = belt;
    const char* colour = corner == 0 ? "blue" : "red";
    std::string protector = isMale ? std::string("protection_") + colour + ".png"
                                   : std::string("female\\female_protection_") + colour + ".png";
    changeTexture(skinMesh, texturePath(protector), ProtectorSlot);
    int beltFile = belt >= 0 && belt <= 5 ? belt : 5;
    changeTexture(skinMesh, texturePath(FighterTables::belts[beltFile]), BeltSlot);
    resetPose();
}

void FighterInstance::applyClothesTexture(int index) {
    if (index < 0 || index > 4) return;
    clothesIndex = index;
    std::string folder = isMale ? "male\\" : "female\\";
    changeTexture(skinMesh, texturePath(folder + FighterTables::clothes[index]), ClothesSlot);
    resetPose();
}
