// The two directions of pose: the clips place the bodies while the fighter acts, and the bodies
// pose the display mesh always; plus the snapshots and the velocity hand-over.
#include <algorithm>

#include "platform/vuzirovari/vuzirovari.h"
#include "fight/FighterInstance.h"

namespace {

Quaternion multiplied(const iQuaternion& a, const iQuaternion& b) {
    iQuaternion out;
    iQuaternionMultiply(&out, &a, &b);
    return out;
}

Quaternion conjugate(const iQuaternion& q) {
    return Quaternion(q.x, q.y, q.z, -q.w);
}

Vector3 rotated(const iVector3& v, const iQuaternion& q) {
    iVector3 out;
    iVectorRotate(&out, &v, &q);
    return out;
}

}  // namespace

void FighterInstance::readClipBone(int action, int clipSide, int part, Vector3* boneLocation,
                                   Quaternion* boneOrientation) const {
    uint32_t bone = clipMainBones[action][clipSide][part];
    iSkinMeshBoneOrientation(bone, boneOrientation, 1);
    iSkinMeshBoneLocation(bone, boneLocation, 1);
}

void FighterInstance::placeBodiesAtPose() {
    if (movementMode == 5) return;
    uint32_t clip = clipMeshes[currentAction][side];
    iSkinMeshOrientationSet(clip, &orientation);
    iSkinMeshLocationSet(clip, &location);
    if (blendBackFlag == 1 && actionTimer < windowEnd) blendBackFlag = 0;

    const float blend = blendDuration[currentAction];
    const bool clean = windowEnd == 0.0f || (actionTimer > windowStart && actionTimer < windowEnd);
    const bool blendingOut = !clean && blendBackFlag == 0 && actionTimer <= windowStart;
    const bool blendingIn = !clean && blendBackFlag == 0 && actionTimer > windowEnd;
    // The follow-up plays on the other foot when this action ends on it; the action before
    // played on the foot it started from.
    const int followSide = switchesSide[currentAction] ? 1 - side : side;
    const int previousSide =
        (previousAction != currentAction && switchesSide[previousAction]) ? 1 - side : side;

    for (int i = 0; i < PartCount; ++i) {
        iBodyPhysicsReset(bodies[i]);
        Vector3 p;
        Quaternion q;
        readClipBone(currentAction, side, i, &p, &q);
        if (blendingOut || blendingIn) {
            Vector3 from, to;
            Quaternion fromQ, toQ;
            float w;
            if (blendingOut) {
                readClipBone(followAction, followSide, i, &from, &fromQ);
                to = p;
                toQ = q;
                w = std::max(0.0f, actionTimer / blend);
            } else {
                from = p;
                fromQ = q;
                readClipBone(previousAction, previousSide, i, &to, &toQ);
                w = (actionTimer - windowEnd) / blend;
            }
            w = std::min(1.0f, w);
            iQuaternionInterpolate(&q, &fromQ, &toQ, w);
            p = from + (to - from) * w;
        }
        // The body moves with its bone's turn and offset from the rest pose.
        Quaternion delta = multiplied(q, conjugate(restBoneOrientation[i]));
        Quaternion bodyOrientation = multiplied(orientation, delta);
        Vector3 offset = p - rotated(restBoneLocation[i], delta);
        Vector3 bodyLocation = location + rotated(offset, orientation);
        iBodyOrientationSet(bodies[i], &bodyOrientation, 1);
        iBodyLocationSet(bodies[i], &bodyLocation, 1);
    }
}

void FighterInstance::applyBodiesToPose() {
    iVector3 hipLocation;
    iQuaternion hipOrientation;
    iBodyLocation(bodies[FighterTables::HipPart], &hipLocation);
    iBodyOrientation(bodies[FighterTables::HipPart], &hipOrientation);
    iSkinMeshOrientationSet(skinMesh, &hipOrientation);
    iSkinMeshLocationSet(skinMesh, &hipLocation);
    for (int i = 0; i < PartCount; ++i) {
        iQuaternion bodyOrientation;
        iBodyOrientation(bodies[i], &bodyOrientation);
        Quaternion q = multiplied(bodyOrientation, restBoneOrientation[i]);
        iSkinMeshBoneOrientationSet(mainBones[i], &q, 0);
    }
    for (int j = 0; j < DetailBoneCount; ++j) {
        Quaternion q;
        iSkinMeshBoneOrientation(clipDetailBones[currentAction][side][j], &q, 2);
        int mode = j == FighterTables::DetailBoneWrittenInMode2 ? 2 : 3;
        iSkinMeshBoneOrientationSet(detailBones[j], &q, mode);
    }
}

void FighterInstance::captureBodyState() {
    blendBackFlag = 1;
    for (int i = 0; i < PartCount; ++i) {
        iBodyLocation(bodies[i], &snapshotLocation[i]);
        iBodyOrientation(bodies[i], &snapshotOrientation[i]);
    }
}

void FighterInstance::sampleBodies() {
    for (int i = 0; i < PartCount; ++i) {
        previousPartLocation[i] = partLocation[i];
        previousPartOrientation[i] = partOrientation[i];
        iBodyLocationCM(bodies[i], &partLocation[i]);
        iBodyOrientation(bodies[i], &partOrientation[i]);
    }
}

void FighterInstance::transferVelocities() {
    const float frame = iFrq(0);
    for (int i = 0; i < PartCount; ++i) {
        Vector3 d = partLocation[i] - previousPartLocation[i];
        float speed = iVectorLength(&d) / frame;
        if (speed > 5.0f) continue;
        iVector3 velocity;
        iVectorLengthSet(&velocity, &d, speed);
        iBodyVelocitySet(bodies[i], &velocity);

        Quaternion turn = multiplied(partOrientation[i], conjugate(previousPartOrientation[i]));
        iVector3 axis;
        float angle = 0.0f;
        iQuaternionToAxisAngle(&turn, &axis, &angle);
        if (angle <= 1.1920929e-07f) continue;
        if (angle > 180.0f) angle -= 360.0f;
        float spinRate = angle / frame;
        if (spinRate < -180.0f || spinRate > 10.0f) continue;
        iVector3 spin;
        iVectorLengthSet(&spin, &axis, spinRate);
        iBodySpinSet(bodies[i], &spin);
    }
}

void FighterInstance::resetPose() {
    uint32_t clip = clipMeshes[currentAction][side];
    iSkinMeshOrientationSet(clip, &orientation);
    iSkinMeshLocationSet(clip, &location);
    iSkinMeshAnimationTimeSet(clip, 0.0f);
    for (auto& pair : clipMeshes)
        for (uint32_t mesh : pair) iSkinMeshAnimationSpeedSet(mesh, 0.0f);
    setAnimationPaused(false);
    placeBodiesAtPose();
    showDebugMeshes(true);
    showShadows(true);
    if (debugShapes) iSkinMeshHide(skinMesh);
    else iSkinMeshShow(skinMesh);
    for (auto& pair : clipMeshes)
        for (uint32_t mesh : pair) iSkinMeshHide(mesh);
}

void FighterInstance::showAndTransferVelocities() {
    showDebugMeshes(true);
    showShadows(true);
    if (debugShapes) iSkinMeshHide(skinMesh);
    else iSkinMeshShow(skinMesh);
    iSkinMeshHide(clipMeshes[currentAction][side]);
    transferVelocities();
}
