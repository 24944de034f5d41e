#include "skin_animation.h"

#include <algorithm>
#include <cmath>

#include "engine_state.h"
#include "matrix_math.h"
#include "vec_math.h"

namespace vuz {

namespace {

constexpr float FramesPerSecond = 25.0f;
constexpr float LoopTolerance = 1e-4f;

const AnimationSet* firstSet(const SkinMesh& mesh) {
    return mesh.data.animations.empty() ? nullptr : &mesh.data.animations[0];
}

float ticksPerFrame(const AnimationSet& set) {
    return set.ticksPerSecond > 0.0f ? set.ticksPerSecond / FramesPerSecond : 1.0f;
}

template <typename Key>
bool sameEnds(const std::vector<Key>& keys, int n) {
    if (keys.size() < 2) return true;
    const float* a = keys.front().value;
    const float* b = keys.back().value;
    bool same = true, opposite = true;
    for (int i = 0; i < n; ++i) {
        same = same && std::fabs(a[i] - b[i]) <= LoopTolerance;
        opposite = opposite && std::fabs(a[i] + b[i]) <= LoopTolerance;
    }
    return same || (n == 4 && opposite);
}

// Index of the last key at or before t (0 before the first).
template <typename Key>
size_t keyBefore(const std::vector<Key>& keys, float t) {
    auto it = std::upper_bound(keys.begin(), keys.end(), t, [](float v, const Key& k) { return v < k.time; });
    return it == keys.begin() ? 0 : static_cast<size_t>(it - keys.begin()) - 1;
}

iVector3 sampleVector(const std::vector<VectorKey>& keys, float t) {
    size_t i = keyBefore(keys, t);
    const VectorKey& a = keys[i];
    if (i + 1 >= keys.size() || t <= a.time) return vec3(a.value[0], a.value[1], a.value[2]);
    const VectorKey& b = keys[i + 1];
    float w = (t - a.time) / (b.time - a.time);
    return vec3(a.value[0] + (b.value[0] - a.value[0]) * w, a.value[1] + (b.value[1] - a.value[1]) * w,
                a.value[2] + (b.value[2] - a.value[2]) * w);
}

iQuaternion sampleRotation(const std::vector<RotationKey>& keys, float t) {
    size_t i = keyBefore(keys, t);
    const RotationKey& a = keys[i];
    iQuaternion qa{a.value[0], a.value[1], a.value[2], a.value[3]};
    if (i + 1 >= keys.size() || t <= a.time) return normalized(qa);
    const RotationKey& b = keys[i + 1];
    iQuaternion qb{b.value[0], b.value[1], b.value[2], b.value[3]};
    return slerp(normalized(qa), normalized(qb), (t - a.time) / (b.time - a.time));
}

void keepInRange(SkinMesh& mesh) {
    if (!std::isfinite(mesh.time)) mesh.time = 0.0f;
    if (mesh.length <= 0.0f) {
        mesh.time = 0.0f;
    } else if (mesh.loops) {
        mesh.time = std::fmod(mesh.time, mesh.length);
        if (mesh.time < 0.0f) mesh.time += mesh.length;
        if (mesh.time >= mesh.length) mesh.time = 0.0f;
    } else {
        mesh.time = std::clamp(mesh.time, 0.0f, mesh.length);
    }
}

void evaluate(SkinMesh& mesh) {
    ++session().poseEvaluations;
    const std::vector<Bone>& bones = mesh.data.bones;
    size_t n = bones.size();
    SkinPose& pose = mesh.pose;
    pose.local.resize(n);
    pose.localRotation.resize(n);
    pose.model.resize(n);
    pose.modelRotation.resize(n);
    const AnimationSet* set = firstSet(mesh);
    float tick = set ? mesh.time * ticksPerFrame(*set) : 0.0f;
    for (size_t i = 0; i < n; ++i) {
        int parent = bones[i].parent;
        iVector3 t = mesh.restTranslation[i], s = mesh.restScale[i];
        iQuaternion q = mesh.restRotation[i];
        bool animated = false;
        if (set && mesh.channelOfBone[i] >= 0) {
            const AnimationChannel& ch = set->channels[mesh.channelOfBone[i]];
            if (!ch.positions.empty()) t = sampleVector(ch.positions, tick);
            if (!ch.rotations.empty()) q = sampleRotation(ch.rotations, tick);
            if (!ch.scales.empty()) s = sampleVector(ch.scales, tick);
            animated = true;
        }
        iQuaternion parentRotation = parent >= 0 ? pose.modelRotation[parent] : IdentityQuaternion;
        const BoneOverride& o = mesh.overrides[i];
        if (o.mode == 2) q = o.rotation;
        else if (o.mode == 1) q = normalized(multiply(conjugate(parentRotation), o.rotation));
        else if (o.mode == 0)
            q = normalized(multiply(conjugate(parentRotation), multiply(conjugate(normalized(mesh.orientation)), o.rotation)));
        pose.local[i] = (animated || o.mode >= 0) ? composeMatrix(t, q, s) : bones[i].rest;
        pose.localRotation[i] = q;
        pose.model[i] = parent >= 0 ? pose.model[parent] * pose.local[i] : pose.local[i];
        pose.modelRotation[i] = normalized(multiply(parentRotation, q));
    }
    mesh.poseDirty = false;
}

}  // namespace

void prepareSkinMesh(SkinMesh& mesh) {
    size_t n = mesh.data.bones.size();
    mesh.overrides.assign(n, BoneOverride());
    mesh.restTranslation.resize(n);
    mesh.restRotation.resize(n);
    mesh.restScale.resize(n);
    for (size_t i = 0; i < n; ++i)
        decomposeMatrix(mesh.data.bones[i].rest, &mesh.restTranslation[i], &mesh.restRotation[i], &mesh.restScale[i]);
    mesh.channelOfBone.assign(n, -1);
    const AnimationSet* set = firstSet(mesh);
    if (!set) return;
    mesh.loops = true;
    for (size_t c = 0; c < set->channels.size(); ++c) {
        const AnimationChannel& ch = set->channels[c];
        if (ch.bone >= 0 && ch.bone < static_cast<int>(n)) mesh.channelOfBone[ch.bone] = static_cast<int>(c);
        if (!sameEnds(ch.positions, 3) || !sameEnds(ch.rotations, 4) || !sameEnds(ch.scales, 3)) mesh.loops = false;
    }
    mesh.length = set->duration / ticksPerFrame(*set);
    if (!(mesh.length > 0.0f)) mesh.length = 0.0f;
}

void advanceSkinMesh(SkinMesh& mesh, float seconds) {
    if (mesh.speed == 0.0f || mesh.length <= 0.0f) return;
    float before = mesh.time;
    mesh.time += mesh.speed * seconds;
    keepInRange(mesh);
    if (mesh.time != before) mesh.poseDirty = true;
}

void setSkinMeshTime(SkinMesh& mesh, float frames) {
    float before = mesh.time;
    mesh.time = frames;
    keepInRange(mesh);
    if (mesh.time != before) mesh.poseDirty = true;
}

const SkinPose& skinMeshPose(SkinMesh& mesh) {
    if (mesh.poseDirty || mesh.pose.model.size() != mesh.data.bones.size()) evaluate(mesh);
    return mesh.pose;
}

void readBonePose(SkinMesh& mesh, int bone, int mode, iVector3* location, iQuaternion* orientation) {
    const SkinPose& pose = skinMeshPose(mesh);
    iVector3 p;
    iQuaternion q;
    if (mode == 2 || mode == 3) {
        p = vec3(pose.local[bone][3], pose.local[bone][7], pose.local[bone][11]);
        q = pose.localRotation[bone];
    } else {
        p = vec3(pose.model[bone][3], pose.model[bone][7], pose.model[bone][11]);
        q = pose.modelRotation[bone];
        if (mode == 0) {
            iQuaternion placement = normalized(mesh.orientation);
            p = mesh.location + rotate(placement, p);
            q = normalized(multiply(placement, q));
        }
    }
    if (location) *location = p;
    if (orientation) *orientation = q;
}

void setBoneOverride(SkinMesh& mesh, int bone, int mode, const iQuaternion& rotation) {
    BoneOverride& o = mesh.overrides[bone];
    if (o.mode == 0) --mesh.worldOverrides;
    o.mode = mode == 3 ? 2 : mode;
    o.rotation = normalized(rotation);
    if (o.mode == 0) ++mesh.worldOverrides;
    mesh.poseDirty = true;
}

}  // namespace vuz
