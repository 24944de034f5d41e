// Vector and quaternion arithmetic the engine uses inside (y up, +z forward, degrees at the
// edges only). The exported i... helpers are thin wrappers over these.
#pragma once

#include "vuzirovari.h"

namespace vuz {

constexpr float Pi = 3.14159265358979323846f;
constexpr float DegToRad = Pi / 180.0f;
constexpr float RadToDeg = 180.0f / Pi;

inline iVector3 vec3(float x, float y, float z) { return iVector3{x, y, z}; }
inline iVector3 operator+(iVector3 a, iVector3 b) { return vec3(a.x + b.x, a.y + b.y, a.z + b.z); }
inline iVector3 operator-(iVector3 a, iVector3 b) { return vec3(a.x - b.x, a.y - b.y, a.z - b.z); }
inline iVector3 operator*(iVector3 a, float s) { return vec3(a.x * s, a.y * s, a.z * s); }
inline float dot(iVector3 a, iVector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline iVector3 cross(iVector3 a, iVector3 b) {
    return vec3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
float length(iVector3 v);

constexpr iQuaternion IdentityQuaternion{0.0f, 0.0f, 0.0f, 1.0f};

// Hamilton product: the rotation b first, then a.
iQuaternion multiply(const iQuaternion& a, const iQuaternion& b);
iQuaternion normalized(const iQuaternion& q);  // identity for a zero quaternion
iQuaternion axisAngle(iVector3 axis, float degrees);  // identity for a zero axis
iVector3 rotate(const iQuaternion& q, iVector3 v);
// Spherical interpolation along the shorter arc; w <= 0 gives a, w >= 1 gives b exactly.
iQuaternion slerp(const iQuaternion& a, const iQuaternion& b, float w);
// Euler angles in degrees; order names the axes in the order they are applied ("xyz": X, then
// Y, then Z). Anything but a permutation of x, y and z counts as "xyz".
iQuaternion eulerAngles(float x, float y, float z, const char* order);
// The orientation whose forward (+z) points along direction, +y up and no roll. A zero
// direction gives the identity; a vertical one keeps fallbackYawDegrees as its heading.
iQuaternion lookRotation(iVector3 direction, float fallbackYawDegrees = 0.0f);
// The heading (rotation about +y, degrees) that turns +z towards the horizontal part of forward.
float yawOf(iVector3 forward);
// Whether the ray from o along d meets the triangle a b c at or ahead of o; `along` (optional)
// gets the distance in lengths of d.
bool rayMeetsTriangle(iVector3 o, iVector3 d, iVector3 a, iVector3 b, iVector3 c, float* along = nullptr);

}  // namespace vuz
