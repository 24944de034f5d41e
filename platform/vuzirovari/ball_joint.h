// A ball joint between two rigid bodies with an angular motor that limits and brakes the turn
// about the joint frame's three axes. The motor measures Euler angles with the frame's Y fixed
// to the parent, Z to the child and X between them (the game locks X, so it never nears the
// measure's blind spot at 90 degrees).
#pragma once

#include <ode/ode.h>

#include <cstdint>

#include "vuzirovari.h"

namespace vuz {

class BallJoint {
public:
    BallJoint(dWorldID world, uint32_t parent, uint32_t child, dBodyID parentBody, dBodyID childBody,
              const iVector3& anchor);
    ~BallJoint();
    BallJoint(const BallJoint&) = delete;
    BallJoint& operator=(const BallJoint&) = delete;

    uint32_t parent() const { return parent_; }
    uint32_t child() const { return child_; }
    bool inert() const { return inert_; }
    void makeInert();  // a body is gone: the joint holds nothing any more
    iVector3 anchor() const;
    const iQuaternion& frame() const { return frame_; }
    void setFrame(const iQuaternion& q);
    void setStops(int axis, float low, float high, float stiffness, float damping);  // axis 0 X, 1 Y, 2 Z
    void setMotor(int axis, float speed, float maxTorque, float factor);
    float angle(int axis) const;  // degrees
    // Stop softness depends on the step length.
    void prepareStep(float h);

    float stops[3][4] = {{-180, 180, 0, 0}, {-180, 180, 0, 0}, {-180, 180, 0, 0}};
    float motors[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};

private:
    void applyStops(int axis);

    uint32_t parent_, child_;
    dJointID ball_ = nullptr;
    dJointID motor_ = nullptr;
    iQuaternion frame_{0.0f, 0.0f, 0.0f, 1.0f};
    iVector3 anchor_;
    bool inert_ = false;
    float stepLength_ = 0.0f;
};

}  // namespace vuz
