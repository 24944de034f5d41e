// Moving rigid bodies, body pairs and ball joints.
#include <algorithm>
#include <cmath>
#include <memory>

#include "engine_state.h"
#include "vec_math.h"

using namespace vuz;

namespace {

Body* rigid(uint32_t handle) {
    Body* b = engine().bodies.get(handle);
    return b && b->isRigid() ? b : nullptr;
}

void zero(iVector3* out) {
    if (out) *out = vec3(0, 0, 0);
}

BallJoint* joint(uint32_t handle) {
    BallJoint* j = engine().joints.get(handle);
    return j && !j->inert() ? j : nullptr;
}

void stops(uint32_t handle, int axis, float low, float high, float a, float b, const char* function) {
    BallJoint* j = joint(handle);
    if (j && usableNumbers({low, high, a, b}, function)) j->setStops(axis, low, high, a, b);
}

void motor(uint32_t handle, int axis, float speed, float torque, float factor, const char* function) {
    BallJoint* j = joint(handle);
    if (j && usableNumbers({speed, torque, factor}, function)) j->setMotor(axis, speed, torque, factor);
}

}  // namespace

extern "C" {

void iBodyEnable(uint32_t body) {
    if (Body* b = engine().bodies.get(body)) b->setEnabled(true);
}

void iBodyDisable(uint32_t body) {
    if (Body* b = engine().bodies.get(body)) b->setEnabled(false);
}

void iBodyLocation(uint32_t body, iVector3* out) {
    if (!out) return;
    Body* b = engine().bodies.get(body);
    *out = b ? b->location() : vec3(0, 0, 0);
}

void iBodyLocationCM(uint32_t body, iVector3* out) {
    if (!out) return;
    Body* b = engine().bodies.get(body);
    *out = b ? b->centreOfMass() : vec3(0, 0, 0);
}

void iBodyOrientation(uint32_t body, iQuaternion* out) {
    if (!out) return;
    Body* b = engine().bodies.get(body);
    *out = b ? b->orientation() : IdentityQuaternion;
}

void iBodyLocationSet(uint32_t body, const iVector3* location, int mode) {
    Body* b = rigid(body);
    if (!b || !usableVector(location, "iBodyLocationSet")) return;
    mode == 0 ? b->placeCentre(*location) : b->placeReference(*location);
}

void iBodyOrientationSet(uint32_t body, const iQuaternion* orientation, int mode) {
    Body* b = rigid(body);
    iQuaternion q;
    if (!b || !usableRotation(orientation, "iBodyOrientationSet", &q)) return;
    b->turn(q, mode != 0);
}

void iBodyPhysicsReset(uint32_t body) {
    if (Body* b = rigid(body)) b->resetMotion();
}

void iBodyVelocity(uint32_t body, iVector3* out) {
    Body* b = rigid(body);
    if (!b) return zero(out);
    if (out) *out = b->velocity();
}

void iBodyVelocitySet(uint32_t body, const iVector3* velocity) {
    Body* b = rigid(body);
    if (b && usableVector(velocity, "iBodyVelocitySet")) b->setVelocity(*velocity);
}

void iBodySpinSet(uint32_t body, const iVector3* spin) {
    Body* b = rigid(body);
    if (b && usableVector(spin, "iBodySpinSet")) b->setSpin(*spin * DegToRad);
}

void iBodyForceApply(uint32_t body, const iVector3* force, int mode) {
    Body* b = rigid(body);
    if (!b || !usableVector(force, "iBodyForceApply")) return;
    b->addForce(mode == 1 ? rotate(b->orientation(), *force) : *force);
}

void iBodyAccelerationApply(uint32_t body, const iVector3* acceleration) {
    Body* b = rigid(body);
    if (b && usableVector(acceleration, "iBodyAccelerationApply")) b->addAcceleration(*acceleration);
}

void iBodyDampingSet(uint32_t body, float linearThreshold, float linearKeep, float angularThreshold, float angularKeep) {
    Body* b = rigid(body);
    if (!b || !usableNumbers({linearThreshold, linearKeep, angularThreshold, angularKeep}, "iBodyDampingSet")) return;
    float values[4] = {linearThreshold, linearKeep, angularThreshold, angularKeep};
    for (int i = 0; i < 4; ++i) b->damping[i] = values[i];
}

void iBodyDamping2Set(uint32_t body, float linearLimit, float linearBrake, float angularLimit, float angularBrake) {
    Body* b = rigid(body);
    if (!b || !usableNumbers({linearLimit, linearBrake, angularLimit, angularBrake}, "iBodyDamping2Set")) return;
    float values[4] = {linearLimit, linearBrake, angularLimit, angularBrake};
    for (int i = 0; i < 4; ++i) b->damping2[i] = values[i];
}

uint32_t iBodyBodyCreate(uint32_t first, uint32_t second) {
    EngineState& e = engine();
    Body* a = e.bodies.get(first);
    Body* b = e.bodies.get(second);
    if (!a || !b || first == second || !a->isRigid()) return 0;
    auto pair = std::make_unique<ContactPair>();
    pair->first = first;
    pair->second = second;
    pair->friction = std::sqrt(a->friction() * b->friction());
    pair->restitution = std::max(a->bounce(), b->bounce());
    pair->serial = e.nextSerial++;
    return e.pairs.add(std::move(pair));
}

void iBodyBodyDestroy(uint32_t pair) { engine().pairs.remove(pair); }

void iBodyBodyEnable(uint32_t pair, int on) {
    ContactPair* p = engine().pairs.get(pair);
    if (!p) return;
    p->enabled = on != 0;
    if (!p->enabled) p->clearFeedback();
}

void iBodyBodyFeedbackEnable(uint32_t pair, int firstShape, int secondShape, int on) {
    ContactPair* p = engine().pairs.get(pair);
    if (!p) return;
    p->feedbackEnabled = on != 0;
    p->firstShape = firstShape < 0 ? -1 : firstShape;
    p->secondShape = secondShape < 0 ? -1 : secondShape;
    if (!p->feedbackEnabled) p->clearFeedback();
}

int iBodyBodyFeedback(uint32_t pair, int, int, iVector3* point, iVector3* direction, int, int, int, int) {
    EngineState& e = engine();
    ContactPair* p = e.pairs.get(pair);
    Body* a = p ? e.bodies.get(p->first) : nullptr;
    Body* b = p ? e.bodies.get(p->second) : nullptr;
    if (!p || !a || !b || !p->enabled || !p->feedbackEnabled || !a->enabled() || !b->enabled() || p->touched == 0) {
        zero(point);
        if (direction) *direction = vec3(0, 0, 0);
        return 0;
    }
    if (point) *point = p->point;
    if (direction) *direction = p->direction;
    return p->touched;
}

void iBodyBodyRestitutionSet(uint32_t pair, float restitution) {
    ContactPair* p = engine().pairs.get(pair);
    if (p && usableNumbers({restitution}, "iBodyBodyRestitutionSet")) p->restitution = std::max(0.0f, restitution);
}

void iBodyBodyFrictionSet(uint32_t pair, float friction) {
    ContactPair* p = engine().pairs.get(pair);
    if (p && usableNumbers({friction}, "iBodyBodyFrictionSet")) p->friction = std::max(0.0f, friction);
}

uint32_t iJointBallCreate(uint32_t parent, uint32_t child, const iVector3* anchor) {
    EngineState& e = engine();
    Body* a = rigid(parent);
    Body* b = rigid(child);
    if (!a || !b || parent == child || !usableVector(anchor, "iJointBallCreate")) return 0;
    return e.joints.add(std::make_unique<BallJoint>(e.physics.world(), parent, child, a->rigidBody(), b->rigidBody(), *anchor));
}

void iJointBallOrientationSet(uint32_t handle, const iQuaternion* frame) {
    BallJoint* j = joint(handle);
    iQuaternion q;
    if (j && usableRotation(frame, "iJointBallOrientationSet", &q)) j->setFrame(q);
}

void iJointBallXStopsSet(uint32_t j, float low, float high, float a, float b) { stops(j, 0, low, high, a, b, "iJointBallXStopsSet"); }
void iJointBallYStopsSet(uint32_t j, float low, float high, float a, float b) { stops(j, 1, low, high, a, b, "iJointBallYStopsSet"); }
void iJointBallZStopsSet(uint32_t j, float low, float high, float a, float b) { stops(j, 2, low, high, a, b, "iJointBallZStopsSet"); }
void iJointBallXAMotorSet(uint32_t j, float speed, float torque, float factor) { motor(j, 0, speed, torque, factor, "iJointBallXAMotorSet"); }
void iJointBallYAMotorSet(uint32_t j, float speed, float torque, float factor) { motor(j, 1, speed, torque, factor, "iJointBallYAMotorSet"); }
void iJointBallZAMotorSet(uint32_t j, float speed, float torque, float factor) { motor(j, 2, speed, torque, factor, "iJointBallZAMotorSet"); }

void iJointDestroy(uint32_t joint) { engine().joints.remove(joint); }

}  // extern "C"
