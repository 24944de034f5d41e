// Walking, stepping, turning towards the opponent, keeping the distance and being knocked down.
#include <cmath>

#include "fight/ActionIds.h"
#include "fight/BattleInstanceEH.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "fight/FighterInstance.h"

namespace {

constexpr float MinimumDistance = 0.75f;
constexpr float KnockDownDelay = 0.05f;

Vector3 rotated(const Vector3& v, const iQuaternion& q) {
    iVector3 out;
    iVectorRotate(&out, &v, &q);
    return out;
}

}  // namespace

void FighterInstance::updateMovement(bool faceOnly) {
    FighterInstance* opp = opponent();
    Vector3 toOpponent = opp ? opp->location - location : Vector3();

    float w = 1.0f;
    if (!faceOnly) {
        float rate = isActionGroupIdle(currentAction) ? 9.0f : 2.0f;
        w = iFloatInterpolate(1.0f, 0.0f, 1.0f, 0.0f, rate * turnRate() * iFrq(1));
    }
    Quaternion q;
    iQuaternionLookAt(&q, &toOpponent, 0);

    Vector3 d;
    if (!faceOnly) {
        const float frame = iFrq(0);
        const float walkStep = walkSpeed() * 4.75f * frame;
        if (isActionGroupIdle(currentAction)) {
            if (movementMode != 1) {
                float m = 1.0f;
                if (abilities.hasB(0x4)) m *= 1.1f;
                if (abilities.hasA(0x80000)) m *= 1.3f;
                float s = walkSpeed() * 4.75f * m * frame;
                switch (requestedControl) {
                    case 1: d = Vector3(-s, 0, 0); break;
                    case 2: d = Vector3(s, 0, 0); break;
                    case 3: d = Vector3(0, 0, s); break;
                    case 4: d = Vector3(0, 0, -s); break;
                    case 5: d = Vector3(-s / 2, 0, s / 2); break;
                    case 6: d = Vector3(s / 2, 0, s / 2); break;
                    case 7: d = Vector3(-s / 2, 0, -s / 2); break;
                    case 8: d = Vector3(s / 2, 0, -s / 2); break;
                    default: break;
                }
                int c = requestedControl;
                bool movingBack = relativeDirections ? (c == 4 || c == 7 || c == 8)
                                                     : currentAction == ActionWalkBack;
                if (movingBack) d *= abilities.hasA(0x80) ? 0.75f : 0.6f;
                d = relativeDirections ? rotated(d, q) : -d;
            }
        } else if (isActionGroupActive(currentAction)) {
            float m = abilities.hasA(0x80000) ? 1.3f : 1.0f;
            d = rotated(Vector3(0, 0, actionParams[currentAction].advanceSpeed * m * frame), q);
        } else if (currentAction == 19) {
            d = rotated(Vector3(-walkStep, 0, 0), q);
        } else if (currentAction == 18) {
            d = rotated(Vector3(walkStep, 0, 0), q);
        } else if (currentAction == 16) {
            d = rotated(Vector3(0, 0, walkStep), q);
        } else if (currentAction == 17) {
            d = rotated(Vector3(0, 0, -walkStep), q);
        } else if (currentAction == 20) {
            d = -Vector3(0, 0, walkStep);
        } else if (currentAction == 21) {
            d = -Vector3(0, 0, -walkStep);
        }
    }

    // Without an opponent there is nothing to face.
    if (opp) iQuaternionInterpolate(&orientation, &orientation, &q, w);
    if (faceOnly) return;

    if (iVectorLengthSq(&d) > 0.0f) {
        location += d;
        keepDistance();
        updateAILocation();
    }
}

void FighterInstance::keepDistance() {
    if (!battle || ignoreDistance || !battle->isFightMode()) return;
    FighterInstance* opp = opponent();
    if (!opp) return;
    Vector3 away = location - opp->location;
    float distance = iVectorLength(&away);
    if (distance > MinimumDistance || !battle->isRunning()) return;
    if (distance < 1e-4f) {
        // Two fighters on one point: this one steps back along its own facing.
        location = opp->location - rotated(Vector3(0, 0, 1), orientation) * MinimumDistance;
    } else {
        iVector3 unit;
        iVectorLengthSet(&unit, &away, MinimumDistance);
        location = opp->location + Vector3(unit);
    }
    pushedBack |= 1;
}

void FighterInstance::reanchor() {
    uint32_t left = bodies[FighterTables::LeftFootPart];
    uint32_t right = bodies[FighterTables::RightFootPart];
    if (left == 0 || right == 0) return;
    iVector3 l, r;
    iBodyLocationCM(left, &l);
    iBodyLocationCM(right, &r);
    // From the rear foot to the front foot: the left foot leads in side 0, the right in side 1.
    Vector3 v = side == 0 ? Vector3(l.x - r.x, 0, l.z - r.z) : Vector3(r.x - l.x, 0, r.z - l.z);
    if (v.x * v.x + v.z * v.z < 1e-6f) return;   // feet on one point: no facing to read
    Quaternion turn;
    iQuaternionFromEulerAngles(&turn, 0.0f, -10.0f, 0.0f, "xyz");
    Vector3 facing = rotated(v, turn);
    iQuaternionLookAt(&orientation, &facing, 0);
    location.x = (l.x + r.x) * 0.5f;
    location.z = (l.z + r.z) * 0.5f;
}

void FighterInstance::turnTowards(const Vector3& point, float weight) {
    Vector3 direction = point - location;
    Quaternion q;
    iQuaternionLookAt(&q, &direction, 0);
    iQuaternionInterpolate(&orientation, &orientation, &q, weight);
}

void FighterInstance::moveTowards(const Vector3& point) {
    const float step = 2.0f * iFrq(0);
    auto approach = [step](float& value, float target) {
        float gap = target - value;
        if (std::fabs(gap) >= step) value += gap > 0.0f ? step : -step;
        else value = target;
    };
    approach(location.x, point.x);
    approach(location.y, point.y);
    approach(location.z, point.z);
}

void FighterInstance::faceOpponent(FighterInstance* opp, float weight) {
    if (opp) turnTowards(opp->location, weight);
}

void FighterInstance::knockDown(const Vector3& force, int part) {
    // A fighter who is already down stays down: the strike still shoves the lying body, but
    // only the count or the get-up stands the fighter up again, never the knock-over's recovery.
    if (!isDown()) {
        stateTimer = 0.0f;
        previousMode = movementMode;
        movementMode = 1;
        startAction(ActionIdle, 0);
    }
    pushBodies(1.0f);
    if (part >= 0 && part < PartCount) iBodyForceApply(bodies[part], &force, 0);
}

void FighterInstance::scheduleKnockDown(const Vector3& force, int part) {
    knockDownPending = true;
    knockDownDelay = KnockDownDelay;
    knockDownForce = force;
    knockDownPart = part;
}

void FighterInstance::updatePendingKnockDown() {
    if (!knockDownPending) return;
    knockDownDelay -= iFrq(0);
    if (knockDownDelay > 0.0f) return;
    if (movementMode == 0) knockDown(knockDownForce, knockDownPart);
    knockDownPending = false;
}

void FighterInstance::pushBodies(float speed) {
    Vector3 push = rotated(Vector3(0, 0, speed), orientation);
    for (uint32_t body : bodies) {
        iVector3 v;
        iBodyVelocity(body, &v);
        Vector3 result = Vector3(v) - push;
        iBodyVelocitySet(body, &result);
    }
}

void FighterInstance::snapToHip() {
    iVector3 hip;
    iBodyLocation(bodies[FighterTables::HipPart], &hip);
    location = Vector3(hip.x, 0.65f, hip.z);
}
