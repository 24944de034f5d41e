#include "plugin/TestFighter.h"

#include <algorithm>
#include <string>

#include "platform/vuzirovari/vuzirovari.h"
#include "plugin/BattleEH.h"

namespace Vortane {

namespace {

constexpr float ClipFramesPerSecond = 25.0f;
constexpr float MoveSpeed = 1.5f;     // units a second
constexpr float ReelTime = 0.5f;      // seconds after a struck hit
constexpr float ReelLoss = 0.7f;      // value a second while reeling
constexpr float StruckLoss = 10.0f;
constexpr float BlockGain = 5.0f;

// The keys of each fighter by command 1 to 8: (held for 1 to 4, clicked for 5 to 8).
struct Keys {
    int left, right, up, down, roundhouse, block, jumping, back;
};
constexpr Keys FighterKeys[2] = {
    {203, 205, 200, 208, 59, 60, 61, 62},  // arrows, F1 to F4
    {31, 33, 18, 32, 2, 3, 4, 5},          // S F E D, 1 to 4
};

// Command 5 to 8: the clip it plays and the action phase it holds.
struct Action {
    int clip, phase;
};
constexpr Action Actions[4] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}};

Quaternion conjugate(const Quaternion& q) { return Quaternion(q.x, q.y, q.z, -q.w); }

}  // namespace

TestFighter::TestFighter(BattleEH* owner, int index, const Vector3& place, float turn)
    : owner_(owner), index_(index), location_(place) {
    iQuaternionFromEulerAngles(&orientation_, 0.0f, turn, 0.0f, "xyz");
    makeClips();
    makeBodies();
    makeJoints();
    placeBodies();
}

TestFighter::~TestFighter() {
    for (uint32_t joint : joints_) iJointDestroy(joint);
    for (size_t i = 0; i < bodies_.size(); ++i) {
        iMeshDestroy(shadows_[i]);
        iMeshDestroy(debugMeshes_[i]);
        iBodyDestroy(bodies_[i]);
    }
    for (int c = 0; c < ClipCount; ++c) {
        for (uint32_t bone : bones_[c]) iSkinMeshBoneDestroy(bone);
        for (uint32_t bone : fingers_[c]) iSkinMeshBoneDestroy(bone);
        iSkinMeshDestroy(clips_[c]);
    }
}

Quaternion TestFighter::multiplied(const Quaternion& a, const Quaternion& b) {
    Quaternion out;
    iQuaternionMultiply(&out, &a, &b);
    return out;
}

Vector3 TestFighter::rotated(const Vector3& v, const Quaternion& q) {
    Vector3 out;
    iVectorRotate(&out, &v, &q);
    return out;
}

void TestFighter::readKeys(int otherPhase) {
    command_ = 0;
    if (computer_) {
        if (otherPhase == 2 && phase_ != 1) command_ = 5;
        return;
    }
    const Keys& k = FighterKeys[index_];
    const int held[4] = {k.left, k.right, k.up, k.down};
    for (int i = 0; i < 4; ++i)
        if (iKeyDown(held[i])) command_ = i + 1;
    const struct {
        int key, command;
    } clicked[4] = {{k.roundhouse, 6}, {k.block, 5}, {k.jumping, 7}, {k.back, 8}};
    for (const auto& c : clicked)
        if (iKeyClick(c.key)) command_ = c.command;
}

void TestFighter::tick(float frameTime) {
    if (command_ >= 1 && command_ <= 4) {
        const float step = MoveSpeed * frameTime;
        const Vector3 moves[4] = {{-step, 0, 0}, {step, 0, 0}, {0, 0, step}, {0, 0, -step}};
        location_ += moves[command_ - 1];
    } else if (command_ >= 5 && command_ <= 8 && phase_ == 0) {
        startAction(Actions[command_ - 5].clip, Actions[command_ - 5].phase);
    }
    if (phase_ != 0) {
        actionLeft_ -= frameTime;
        if (actionLeft_ <= 0.0f) {
            phase_ = 0;
            showClip(0);
            if (owner_) owner_->onActionEnded(index_);
        }
    }

    if (hitState_ == Reeling) value_ -= ReelLoss * frameTime;
    else if (hitState_ == Struck) value_ -= StruckLoss;
    else if (hitState_ == Blocked) value_ += BlockGain;
    value_ = std::clamp(value_, 0.0f, 100.0f);
    if (hitState_ == Struck) {
        hitState_ = Reeling;
        reelLeft_ = ReelTime;
    } else if (hitState_ == Reeling) {
        reelLeft_ -= frameTime;
        if (reelLeft_ <= 0.0f) hitState_ = NotHit;
    } else {
        hitState_ = NotHit;
    }
    placeBodies();
}

void TestFighter::takeHit() {
    hitState_ = phase_ == 1 ? Blocked : Struck;
    if (owner_) owner_->onFighterHit(index_);
}

void TestFighter::startAction(int clip, int phase) {
    phase_ = phase;
    showClip(clip);
    iSkinMeshAnimationTimeSet(clips_[clip], 0.0f);
    actionLeft_ = iSkinMeshAnimationLength(clips_[clip]) / ClipFramesPerSecond;
}

void TestFighter::showClip(int clip) {
    iSkinMeshHide(clips_[shownClip_]);
    shownClip_ = clip;
    iSkinMeshShow(clips_[clip]);
    iSkinMeshAnimationTimeSet(clips_[clip], 0.0f);
}

// Each body takes its bone's turn and place against the rest pose, then the fighter's own.
void TestFighter::placeBodies() {
    const uint32_t clip = clips_[shownClip_];
    iSkinMeshOrientationSet(clip, &orientation_);
    iSkinMeshLocationSet(clip, &location_);
    for (int i = 0; i < BoneCount; ++i) {
        Vector3 p;
        Quaternion q;
        iSkinMeshBoneOrientation(bones_[shownClip_][i], &q, 1);
        iSkinMeshBoneLocation(bones_[shownClip_][i], &p, 1);
        const Quaternion delta = multiplied(q, conjugate(restOrientation_[i]));
        const Quaternion bodyOrientation = multiplied(orientation_, delta);
        const Vector3 bodyLocation = location_ + rotated(p - rotated(restLocation_[i], delta), orientation_);
        iBodyOrientationSet(bodies_[i], &bodyOrientation, 1);
        iBodyLocationSet(bodies_[i], &bodyLocation, 1);
    }
}

}  // namespace Vortane
