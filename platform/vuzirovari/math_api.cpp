// The exported quaternion, vector and float helpers.
#include <algorithm>
#include <cmath>

#include "vec_math.h"
#include "vuzirovari.h"

using namespace vuz;

extern "C" {

void iQuaternionFromEulerAngles(iQuaternion* out, float x, float y, float z, const char* order) {
    if (out) *out = eulerAngles(x, y, z, order);
}

void iQuaternionFromAxisAngle(iQuaternion* out, const iVector3* axis, float degrees) {
    if (out) *out = axis ? axisAngle(*axis, degrees) : IdentityQuaternion;
}

void iQuaternionToAxisAngle(const iQuaternion* q, iVector3* axisOut, float* degreesOut) {
    iQuaternion n = q ? normalized(*q) : IdentityQuaternion;
    // The sine of the half angle from the vector part itself, not sqrt(1 - w^2): that keeps
    // small turns (and turns just short of a full one) accurate in single precision.
    float s = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    float degrees = 2.0f * std::atan2(s, n.w) * RadToDeg;
    iVector3 axis = vec3(0, 1, 0);
    if (s > 0.0f && degrees < 360.0f) axis = vec3(n.x / s, n.y / s, n.z / s);
    else degrees = 0.0f;  // no turn at all, or a full one
    if (axisOut) *axisOut = axis;
    if (degreesOut) *degreesOut = degrees;
}

void iQuaternionMultiply(iQuaternion* out, const iQuaternion* a, const iQuaternion* b) {
    if (!out) return;
    *out = multiply(a ? *a : IdentityQuaternion, b ? *b : IdentityQuaternion);
}

void iQuaternionInterpolate(iQuaternion* out, const iQuaternion* a, const iQuaternion* b, float w) {
    if (!out) return;
    *out = slerp(a ? *a : IdentityQuaternion, b ? *b : IdentityQuaternion, w);
}

void iQuaternionLookAt(iQuaternion* out, const iVector3* direction, int /*reserved*/) {
    if (!out) return;
    if (!direction) {
        *out = IdentityQuaternion;
        return;
    }
    *out = lookRotation(vec3(direction->x, 0.0f, direction->z));
}

float iVectorLength(const iVector3* v) { return v ? length(*v) : 0.0f; }

float iVectorLengthSq(const iVector3* v) { return v ? dot(*v, *v) : 0.0f; }

void iVectorLengthSet(iVector3* out, const iVector3* in, float newLength) {
    if (!out) return;
    iVector3 v = in ? *in : vec3(0, 0, 0);
    float current = length(v);
    *out = current > 0.0f ? v * (newLength / current) : vec3(0, 0, 0);
}

void iVectorRotate(iVector3* out, const iVector3* v, const iQuaternion* q) {
    if (!out) return;
    iVector3 in = v ? *v : vec3(0, 0, 0);
    *out = q ? rotate(*q, in) : in;
}

float iFloatInterpolate(float outMax, float outMin, float inMax, float inMin, float x) {
    if (inMax == inMin) return x < inMin ? outMin : outMax;
    float t = std::clamp((x - inMin) / (inMax - inMin), 0.0f, 1.0f);
    return outMin + t * (outMax - outMin);
}

void iFloatTendTo(float* value, float rate, float target) {
    if (!value) return;
    float step = std::max(rate, 0.0f) * iFrq(0);
    float gap = target - *value;
    if (std::fabs(gap) <= step) *value = target;
    else *value += gap > 0.0f ? step : -step;
}

}  // extern "C"
