// A rotation as four floats (x, y, z, w); a new one is the identity. Rotations are combined
// only through the engine's quaternion functions.
#pragma once

#include "platform/vuzirovari/vuzirovari.h"

struct Quaternion : iQuaternion {
    Quaternion() : iQuaternion{0.0f, 0.0f, 0.0f, 1.0f} {}
    Quaternion(float x_, float y_, float z_, float w_) : iQuaternion{x_, y_, z_, w_} {}
    Quaternion(const iQuaternion& q) : iQuaternion(q) {}
};
