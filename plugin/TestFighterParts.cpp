// What a test fighter is made of: its clips with their bones, its ragdoll bodies with their
// debug and shadow meshes, and the joints between them, from the game's fighter tables.
#include <string>

#include "fight/FighterTables.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "plugin/TestFighter.h"

namespace Vortane {

namespace {

const char* const ClipFolder = "Tavek_res\\skinmeshes\\";
// Idle, head block, roundhouse, jumping roundhouse, back kick.
const char* const ClipFiles[TestFighter::ClipCount] = {
    "029_IdleBounce_Loop.X", "009_HeadBlock_rt.X", "003_RLRound_HT_rt.X", "021_JumpRLRound.X",
    "012_RLBackKick_rt.X"};
constexpr float ClipFramesPerSecond = 25.0f;
constexpr float ShadowLength = 50.0f;

// A part's file in a folder: the tables' stem with the folder's ending.
std::string partFile(const char* folder, int part, const char* ending) {
    return std::string(folder) + FighterTables::parts[part].stem + ending;
}

}  // namespace

void TestFighter::makeClips() {
    for (int c = 0; c < ClipCount; ++c) {
        clips_[c] = iSkinMeshCreate((std::string(ClipFolder) + ClipFiles[c]).c_str());
        for (int b = 0; b < BoneCount; ++b)
            bones_[c][b] = iSkinMeshBoneCreateByName(clips_[c], FighterTables::parts[b].mainBone);
        for (int f = 0; f < FingerCount; ++f)
            fingers_[c][f] = iSkinMeshBoneCreateByName(clips_[c], FighterTables::detailBones[f]);
        iSkinMeshAnimationSpeedSet(clips_[c], ClipFramesPerSecond);
    }
    // The rest pose: the idle clip's bones at its start, in the model's space.
    iSkinMeshAnimationTimeSet(clips_[0], 0.0f);
    for (int b = 0; b < BoneCount; ++b) {
        iSkinMeshBoneOrientation(bones_[0][b], &restOrientation_[b], 1);
        iSkinMeshBoneLocation(bones_[0][b], &restLocation_[b], 1);
    }
    iSkinMeshShow(clips_[0]);
}

void TestFighter::makeBodies() {
    for (int i = 0; i < BoneCount; ++i) {
        bodies_[i] = iBodySGCreate(partFile(FighterTables::RagdollFolder, i, "_.spg").c_str(),
                                   FighterTables::parts[i].mass);
        iBodyDampingSet(bodies_[i], 0.0f, 0.999f, 0.0f, 0.97f);
        iBodyDamping2Set(bodies_[i], 100.0f, 0.05f, 3600.0f, 0.05f);
        debugMeshes_[i] = iBodyMeshCreate(partFile(FighterTables::DebugFolder, i, ".x").c_str(), bodies_[i]);
        shadows_[i] = iMeshBodyShadowCasterCreate(partFile(FighterTables::ShadowFolder, i, "_shadow.x").c_str(),
                                                  static_cast<int>(bodies_[i]), ShadowLength);
        iBodyEnable(bodies_[i]);
    }
}

void TestFighter::makeJoints() {
    using Stops = void (*)(uint32_t, float, float, float, float);
    using Motor = void (*)(uint32_t, float, float, float);
    const Stops stops[3] = {iJointBallXStopsSet, iJointBallYStopsSet, iJointBallZStopsSet};
    const Motor motors[3] = {iJointBallXAMotorSet, iJointBallYAMotorSet, iJointBallZAMotorSet};
    for (int j = 0; j < FighterTables::JointCount; ++j) {
        const FighterTables::Joint& joint = FighterTables::joints[j];
        const Vector3 anchor = location_ + rotated(restLocation_[joint.child], orientation_);
        joints_[j] = iJointBallCreate(bodies_[joint.parent], bodies_[joint.child], &anchor);
        const Quaternion frame = multiplied(orientation_, restOrientation_[joint.child]);
        iJointBallOrientationSet(joints_[j], &frame);
        for (int axis = 0; axis < 3; ++axis) {
            const float damping =
                (j == 2 && axis > 0) ? FighterTables::NeckStopDamping : FighterTables::StopDamping;
            stops[axis](joints_[j], joint.stops[axis].low, joint.stops[axis].high, FighterTables::StopStiffness,
                        damping);
            motors[axis](joints_[j], 0.0f, joint.motors[axis], 1.0f);
        }
    }
}

}  // namespace Vortane
