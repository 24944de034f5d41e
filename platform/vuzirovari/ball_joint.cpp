#include "ball_joint.h"

#include <algorithm>
#include <cmath>

#include "vec_math.h"

namespace vuz {

namespace {

// The motor's own axis number for the frame's X, Y and Z.
constexpr int MotorAxis[3] = {1, 0, 2};
constexpr int LoStop[3] = {dParamLoStop, dParamLoStop2, dParamLoStop3};
constexpr int HiStop[3] = {dParamHiStop, dParamHiStop2, dParamHiStop3};
constexpr int StopErp[3] = {dParamStopERP, dParamStopERP2, dParamStopERP3};
constexpr int StopCfm[3] = {dParamStopCFM, dParamStopCFM2, dParamStopCFM3};
constexpr int Vel[3] = {dParamVel, dParamVel2, dParamVel3};
constexpr int FMax[3] = {dParamFMax, dParamFMax2, dParamFMax3};

}  // namespace

BallJoint::BallJoint(dWorldID world, uint32_t parent, uint32_t child, dBodyID parentBody, dBodyID childBody,
                     const iVector3& anchor)
    : parent_(parent), child_(child), anchor_(anchor) {
    ball_ = dJointCreateBall(world, nullptr);
    dJointAttach(ball_, parentBody, childBody);
    dJointSetBallAnchor(ball_, anchor.x, anchor.y, anchor.z);
    motor_ = dJointCreateAMotor(world, nullptr);
    dJointAttach(motor_, parentBody, childBody);
    dJointSetAMotorMode(motor_, dAMotorEuler);
    setFrame(IdentityQuaternion);
}

BallJoint::~BallJoint() {
    dJointDestroy(motor_);
    dJointDestroy(ball_);
}

void BallJoint::makeInert() {
    if (inert_) return;
    inert_ = true;
    dJointDisable(ball_);
    dJointDisable(motor_);
}

iVector3 BallJoint::anchor() const {
    if (inert_) return anchor_;
    dVector3 a;
    dJointGetBallAnchor(ball_, a);
    return vec3(static_cast<float>(a[0]), static_cast<float>(a[1]), static_cast<float>(a[2]));
}

void BallJoint::setFrame(const iQuaternion& q) {
    frame_ = q;
    if (inert_) return;
    iVector3 y = rotate(q, vec3(0, 1, 0)), z = rotate(q, vec3(0, 0, 1));
    dJointSetAMotorAxis(motor_, 0, 1, y.x, y.y, y.z);
    dJointSetAMotorAxis(motor_, 2, 2, z.x, z.y, z.z);
    for (int axis = 0; axis < 3; ++axis) applyStops(axis);
}

void BallJoint::setStops(int axis, float low, float high, float stiffness, float damping) {
    float* s = stops[axis];
    s[0] = std::min(low, high);
    s[1] = std::max(low, high);
    s[2] = stiffness;
    s[3] = damping;
    applyStops(axis);
}

void BallJoint::setMotor(int axis, float speed, float maxTorque, float factor) {
    motors[axis][0] = speed;
    motors[axis][1] = maxTorque;
    motors[axis][2] = factor;
    if (inert_) return;
    int k = MotorAxis[axis];
    dJointSetAMotorParam(motor_, Vel[k], speed * DegToRad);
    dJointSetAMotorParam(motor_, FMax[k], std::max(0.0f, maxTorque));
}

void BallJoint::applyStops(int axis) {
    if (inert_) return;
    int k = MotorAxis[axis];
    // The middle axis of the measure cannot reach 90 degrees.
    float limit = k == 1 ? 88.0f : 180.0f;
    float low = std::clamp(stops[axis][0], -limit, limit) * DegToRad;
    float high = std::clamp(stops[axis][1], -limit, limit) * DegToRad;
    dJointSetAMotorParam(motor_, LoStop[k], -dInfinity);
    dJointSetAMotorParam(motor_, HiStop[k], dInfinity);
    dJointSetAMotorParam(motor_, LoStop[k], low);
    dJointSetAMotorParam(motor_, HiStop[k], high);
    float h = stepLength_ > 0.0f ? stepLength_ : 1.0f / 60.0f;
    float a = std::max(0.0f, stops[axis][2]), b = std::max(0.0f, stops[axis][3]);
    // A spring of stiffness a and damper b, as error reduction and softness for a step of h.
    if (h * a + b > 0.0f) {
        dJointSetAMotorParam(motor_, StopErp[k], h * a / (h * a + b));
        dJointSetAMotorParam(motor_, StopCfm[k], 1.0f / (h * a + b));
    }
}

float BallJoint::angle(int axis) const {
    if (inert_) return 0.0f;
    return static_cast<float>(dJointGetAMotorAngle(motor_, MotorAxis[axis])) * RadToDeg;
}

void BallJoint::prepareStep(float h) {
    if (h == stepLength_) return;
    stepLength_ = h;
    for (int axis = 0; axis < 3; ++axis) applyStops(axis);
}

}  // namespace vuz
