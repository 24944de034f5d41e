#include "vec_math.h"

#include <cctype>
#include <cmath>
#include <cstring>

namespace vuz {

namespace {
constexpr float TinyLength = 1e-12f;
}

float length(iVector3 v) { return std::sqrt(dot(v, v)); }

iQuaternion multiply(const iQuaternion& a, const iQuaternion& b) {
    return iQuaternion{
        a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
        a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
        a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
        a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z,
    };
}

iQuaternion normalized(const iQuaternion& q) {
    float n = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
    if (!(n > TinyLength)) return IdentityQuaternion;
    return iQuaternion{q.x / n, q.y / n, q.z / n, q.w / n};
}

iQuaternion axisAngle(iVector3 axis, float degrees) {
    float n = length(axis);
    if (!(n > TinyLength)) return IdentityQuaternion;
    float half = 0.5f * degrees * DegToRad;
    float s = std::sin(half) / n;
    return iQuaternion{axis.x * s, axis.y * s, axis.z * s, std::cos(half)};
}

iVector3 rotate(const iQuaternion& q, iVector3 v) {
    iQuaternion n = normalized(q);
    iVector3 u = vec3(n.x, n.y, n.z);
    // v' = v + 2w(u x v) + 2u x (u x v)
    iVector3 t = cross(u, v) * 2.0f;
    return v + t * n.w + cross(u, t);
}

iQuaternion slerp(const iQuaternion& a, const iQuaternion& b, float w) {
    if (!(w > 0.0f)) return a;
    if (w >= 1.0f) return b;
    iQuaternion to = b;
    float cosine = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    if (cosine < 0.0f) {
        cosine = -cosine;
        to = iQuaternion{-b.x, -b.y, -b.z, -b.w};
    }
    float wa = 1.0f - w;
    float wb = w;
    if (cosine < 0.9995f) {
        float angle = std::acos(cosine);
        float s = std::sin(angle);
        wa = std::sin((1.0f - w) * angle) / s;
        wb = std::sin(w * angle) / s;
    }
    return normalized(iQuaternion{a.x * wa + to.x * wb, a.y * wa + to.y * wb, a.z * wa + to.z * wb,
                                  a.w * wa + to.w * wb});
}

iQuaternion eulerAngles(float x, float y, float z, const char* order) {
    const char* axes = "xyz";
    if (order && std::strlen(order) == 3) {
        bool seen[3] = {false, false, false};
        bool valid = true;
        for (int i = 0; i < 3; ++i) {
            int c = std::tolower(static_cast<unsigned char>(order[i]));
            if (c < 'x' || c > 'z' || seen[c - 'x']) valid = false;
            else seen[c - 'x'] = true;
        }
        if (valid) axes = order;
    }
    iQuaternion q = IdentityQuaternion;
    for (int i = 0; i < 3; ++i) {
        int c = std::tolower(static_cast<unsigned char>(axes[i]));
        iQuaternion step = c == 'x'   ? axisAngle(vec3(1, 0, 0), x)
                           : c == 'y' ? axisAngle(vec3(0, 1, 0), y)
                                      : axisAngle(vec3(0, 0, 1), z);
        q = multiply(step, q);  // each later axis applies after the ones before
    }
    return q;
}

float yawOf(iVector3 forward) { return std::atan2(forward.x, forward.z) * RadToDeg; }

bool rayMeetsTriangle(iVector3 o, iVector3 d, iVector3 a, iVector3 b, iVector3 c, float* along) {
    iVector3 e1 = b - a, e2 = c - a, p = cross(d, e2);
    float det = dot(e1, p);
    if (std::fabs(det) < 1e-12f) return false;
    float inv = 1.0f / det;
    iVector3 t = o - a;
    float u = dot(t, p) * inv;
    if (u < 0.0f || u > 1.0f) return false;
    iVector3 q = cross(t, e1);
    float v = dot(d, q) * inv;
    if (v < 0.0f || u + v > 1.0f) return false;
    const float distance = dot(e2, q) * inv;
    if (along) *along = distance;
    return distance >= 0.0f;
}

iQuaternion lookRotation(iVector3 direction, float fallbackYawDegrees) {
    float horizontal = std::sqrt(direction.x * direction.x + direction.z * direction.z);
    if (!(horizontal > TinyLength) && !(std::fabs(direction.y) > TinyLength)) return IdentityQuaternion;
    float yaw = horizontal > TinyLength ? yawOf(direction) : fallbackYawDegrees;
    // A positive turn about +x tips +z downwards, so looking up is a negative pitch.
    float pitch = -std::atan2(direction.y, horizontal) * RadToDeg;
    return multiply(axisAngle(vec3(0, 1, 0), yaw), axisAngle(vec3(1, 0, 0), pitch));
}

}  // namespace vuz
