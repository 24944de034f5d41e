// Bones, bodies, joints and the mat sensors of a fighter's ragdoll.
#include <string>

#include "platform/vuzirovari/vuzirovari.h"
#include "fight/FighterInstance.h"
#include "resources/FileArchive.h"

using FighterTables::parts;

namespace {

void logMissing(const std::string& what) {
    OutputDebugStringA(("Fighter: " + what + " could not be made\n").c_str());
}

}  // namespace

void FighterInstance::createBones() {
    for (int i = 0; i < PartCount; ++i)
        mainBones[i] = iSkinMeshBoneCreateByName(skinMesh, parts[i].mainBone);
    for (int j = 0; j < DetailBoneCount; ++j)
        detailBones[j] = iSkinMeshBoneCreateByName(skinMesh, FighterTables::detailBones[j]);
    for (int i = 0; i < PartCount; ++i) {
        iSkinMeshBoneOrientation(mainBones[i], &restBoneOrientation[i], 1);
        iSkinMeshBoneLocation(mainBones[i], &restBoneLocation[i], 1);
    }
}

uint32_t FighterInstance::getMainBone(int i) const {
    return i >= 0 && i < PartCount ? mainBones[i] : 0;
}

void FighterInstance::destroyBones() {
    for (uint32_t& bone : mainBones) {
        if (bone != 0) iSkinMeshBoneDestroy(bone);
        bone = 0;
    }
    for (uint32_t& bone : detailBones) {
        if (bone != 0) iSkinMeshBoneDestroy(bone);
        bone = 0;
    }
}

void FighterInstance::createClipBones() {
    for (int a = 0; a < ClipCount; ++a) {
        for (int s = 0; s < 2; ++s) {
            uint32_t clip = clipMeshes[a][s];
            if (clip == 0) continue;
            for (int i = 0; i < PartCount; ++i)
                clipMainBones[a][s][i] = iSkinMeshBoneCreateByName(clip, parts[i].mainBone);
            for (int j = 0; j < DetailBoneCount; ++j)
                clipDetailBones[a][s][j] = iSkinMeshBoneCreateByName(clip, FighterTables::detailBones[j]);
        }
    }
}

void FighterInstance::destroyClipBones() {
    for (auto& action : clipMainBones)
        for (auto& clipSide : action)
            for (uint32_t& bone : clipSide) {
                if (bone != 0) iSkinMeshBoneDestroy(bone);
                bone = 0;
            }
    for (auto& action : clipDetailBones)
        for (auto& clipSide : action)
            for (uint32_t& bone : clipSide) {
                if (bone != 0) iSkinMeshBoneDestroy(bone);
                bone = 0;
            }
}

void FighterInstance::createBodies() {
    FileArchive& archive = FileArchive::instance();
    for (int i = 0; i < PartCount; ++i) {
        std::string file = std::string(FighterTables::RagdollFolder) + parts[i].stem + "_.spg";
        bodies[i] = archive.createBodySG(file, parts[i].mass);
        if (bodies[i] == 0) logMissing(file);
    }
    for (uint32_t body : bodies) {
        iBodyDampingSet(body, 0.0f, 0.999f, 0.0f, 0.97f);
        iBodyDamping2Set(body, 100.0f, 0.05f, 3600.0f, 0.05f);
    }
    iTextureMipLevelsSet(1);
    for (int i = 0; i < PartCount; ++i) {
        if (debugShapes) {
            std::string file = std::string(FighterTables::DebugFolder) + parts[i].stem + ".x";
            debugMeshes[i] = iBodyMeshCreate(file.c_str(), bodies[i]);
            iMeshHide(debugMeshes[i]);  // shown with the pose of a match
        }
        std::string file = std::string(FighterTables::ShadowFolder) + parts[i].stem + "_shadow.x";
        shadowMeshes[i] = archive.createShadowCasterMesh(file, static_cast<int>(bodies[i]), 50.0f);
        if (shadowMeshes[i] == 0) logMissing(file);
        iMeshHide(shadowMeshes[i]);
    }
    iTextureMipLevelsSet(0);
}

void FighterInstance::destroyBodies() {
    FileArchive& archive = FileArchive::instance();
    for (int i = 0; i < PartCount; ++i) {
        if (bodies[i] != 0) archive.destroyBody(bodies[i]);
        if (debugMeshes[i] != 0) iMeshDestroy(debugMeshes[i]);
        if (shadowMeshes[i] != 0) archive.destroyMesh(shadowMeshes[i]);
        bodies[i] = debugMeshes[i] = shadowMeshes[i] = 0;
    }
}

void FighterInstance::buildRagdoll() {
    const Quaternion identity;
    iSkinMeshOrientationSet(skinMesh, &identity);
    iSkinMeshLocationSet(skinMesh, &location);
    for (uint32_t body : bodies) {
        iBodyOrientationSet(body, &identity, 1);
        iBodyLocationSet(body, &location, 1);
    }
    for (int j = 0; j < JointCount; ++j) {
        const FighterTables::Joint& joint = FighterTables::joints[j];
        Vector3 anchor = restBoneLocation[joint.child] + location;
        joints[j] = iJointBallCreate(bodies[joint.parent], bodies[joint.child], &anchor);
    }
    for (int j = 0; j < JointCount; ++j)
        iJointBallOrientationSet(joints[j], &restBoneOrientation[FighterTables::joints[j].child]);
}

void FighterInstance::destroyJoints() {
    for (uint32_t& joint : joints) {
        if (joint != 0) iJointDestroy(joint);
        joint = 0;
    }
}

void FighterInstance::setJointLimits(bool fighting) {
    using Stops = void (*)(uint32_t, float, float, float, float);
    using Motor = void (*)(uint32_t, float, float, float);
    const Stops stops[3] = {iJointBallXStopsSet, iJointBallYStopsSet, iJointBallZStopsSet};
    const Motor motors[3] = {iJointBallXAMotorSet, iJointBallYAMotorSet, iJointBallZAMotorSet};
    for (int axis = 0; axis < 3; ++axis) {
        for (int j = 0; j < JointCount; ++j) {
            const FighterTables::Joint& joint = FighterTables::joints[j];
            if (!fighting) {
                stops[axis](joints[j], -180.0f, 180.0f, 25.0f, 1.0f);
                continue;
            }
            float damping = (j == 2 && axis > 0) ? FighterTables::NeckStopDamping
                                                 : FighterTables::StopDamping;
            stops[axis](joints[j], joint.stops[axis].low, joint.stops[axis].high,
                        FighterTables::StopStiffness, damping);
        }
    }
    for (int axis = 0; axis < 3; ++axis) {
        for (int j = 0; j < JointCount; ++j) {
            float strength = fighting ? FighterTables::joints[j].motors[axis] : 0.0f;
            motors[axis](joints[j], 0.0f, strength, 1.0f);
        }
    }
}

void FighterInstance::setPhysicsEnabled(bool enabled) {
    for (uint32_t body : bodies) {
        if (enabled) iBodyEnable(body);
        else iBodyDisable(body);
    }
}

void FighterInstance::showDebugMeshes(bool show) {
    if (!debugShapes) return;
    for (uint32_t mesh : debugMeshes) {
        if (show) iMeshShow(mesh);
        else iMeshHide(mesh);
    }
}

void FighterInstance::showShadows(bool show) {
    for (uint32_t mesh : shadowMeshes) {
        if (show) iMeshShow(mesh);
        else iMeshHide(mesh);
    }
}

void FighterInstance::createContactBodies(uint32_t matBody) {
    for (int i = 0; i < PartCount; ++i) {
        contactSensors[i] = 0;
        if (!parts[i].sensor) continue;
        uint32_t sensor = iBodyBodyCreate(bodies[i], matBody);
        iBodyBodyRestitutionSet(sensor, 0.5f);
        iBodyBodyFrictionSet(sensor, 100.0f);
        iBodyBodyEnable(sensor, 0);
        contactSensors[i] = sensor;
    }
}

void FighterInstance::destroyContactBodies() {
    for (uint32_t& sensor : contactSensors) {
        if (sensor != 0) iBodyBodyDestroy(sensor);
        sensor = 0;
    }
}

void FighterInstance::enableBodyFeedback(bool on) {
    if (on == sensorsEnabled) return;
    sensorsEnabled = on;
    for (uint32_t sensor : contactSensors) {
        if (sensor == 0) continue;
        iBodyBodyEnable(sensor, on ? 1 : 0);
        iBodyBodyFeedbackEnable(sensor, -1, -1, on ? 1 : 0);
    }
}

bool FighterInstance::getBodyFeedback() const {
    if (!sensorsEnabled) return false;
    for (int i = 0; i < PartCount; ++i) {
        if (!parts[i].countsAsDown || contactSensors[i] == 0) continue;
        if (iBodyBodyFeedback(contactSensors[i], -1, -1, nullptr, nullptr, 0, 0, 0, 0) != 0)
            return true;
    }
    return false;
}
