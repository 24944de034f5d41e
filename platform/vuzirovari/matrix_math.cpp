#include "matrix_math.h"

#include <cmath>

#include "vec_math.h"

namespace vuz {

Matrix4 identityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out[r * 4 + c] = a[r * 4] * b[c] + a[r * 4 + 1] * b[4 + c] + a[r * 4 + 2] * b[8 + c] + a[r * 4 + 3] * b[12 + c];
    return out;
}

Matrix4 composeMatrix(iVector3 t, const iQuaternion& rotation, iVector3 s) {
    iQuaternion q = normalized(rotation);
    float x = q.x, y = q.y, z = q.z, w = q.w;
    float r[9] = {1 - 2 * (y * y + z * z), 2 * (x * y - z * w),     2 * (x * z + y * w),
                  2 * (x * y + z * w),     1 - 2 * (x * x + z * z), 2 * (y * z - x * w),
                  2 * (x * z - y * w),     2 * (y * z + x * w),     1 - 2 * (x * x + y * y)};
    return {r[0] * s.x, r[1] * s.y, r[2] * s.z, t.x, r[3] * s.x, r[4] * s.y, r[5] * s.z, t.y,
            r[6] * s.x, r[7] * s.y, r[8] * s.z, t.z, 0, 0, 0, 1};
}

iQuaternion rotationFromMatrix(const float m[9]) {
    float trace = m[0] + m[4] + m[8];
    iQuaternion q;
    if (trace > 0.0f) {
        float s = std::sqrt(trace + 1.0f) * 2.0f;
        q = {(m[7] - m[5]) / s, (m[2] - m[6]) / s, (m[3] - m[1]) / s, 0.25f * s};
    } else if (m[0] > m[4] && m[0] > m[8]) {
        float s = std::sqrt(1.0f + m[0] - m[4] - m[8]) * 2.0f;
        q = {0.25f * s, (m[1] + m[3]) / s, (m[2] + m[6]) / s, (m[7] - m[5]) / s};
    } else if (m[4] > m[8]) {
        float s = std::sqrt(1.0f + m[4] - m[0] - m[8]) * 2.0f;
        q = {(m[1] + m[3]) / s, 0.25f * s, (m[5] + m[7]) / s, (m[2] - m[6]) / s};
    } else {
        float s = std::sqrt(1.0f + m[8] - m[0] - m[4]) * 2.0f;
        q = {(m[2] + m[6]) / s, (m[5] + m[7]) / s, 0.25f * s, (m[3] - m[1]) / s};
    }
    return normalized(q);
}

void decomposeMatrix(const Matrix4& m, iVector3* t, iQuaternion* rotation, iVector3* scale) {
    *t = vec3(m[3], m[7], m[11]);
    iVector3 s = vec3(length(vec3(m[0], m[4], m[8])), length(vec3(m[1], m[5], m[9])), length(vec3(m[2], m[6], m[10])));
    for (float* v : {&s.x, &s.y, &s.z})
        if (!(*v > 1e-12f)) *v = 1.0f;
    float r[9] = {m[0] / s.x, m[1] / s.y, m[2] / s.z, m[4] / s.x, m[5] / s.y, m[6] / s.z, m[8] / s.x, m[9] / s.y, m[10] / s.z};
    // A mirroring matrix keeps its mirror in the scale.
    float det = r[0] * (r[4] * r[8] - r[5] * r[7]) - r[1] * (r[3] * r[8] - r[5] * r[6]) + r[2] * (r[3] * r[7] - r[4] * r[6]);
    if (det < 0.0f) {
        s.x = -s.x;
        r[0] = -r[0], r[3] = -r[3], r[6] = -r[6];
    }
    *rotation = rotationFromMatrix(r);
    *scale = s;
}

iVector3 transformPoint(const Matrix4& m, iVector3 p) {
    return vec3(m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3], m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
                m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]);
}

iVector3 transformDirection(const Matrix4& m, iVector3 d) {
    return vec3(m[0] * d.x + m[1] * d.y + m[2] * d.z, m[4] * d.x + m[5] * d.y + m[6] * d.z,
                m[8] * d.x + m[9] * d.y + m[10] * d.z);
}

iQuaternion conjugate(const iQuaternion& q) { return {-q.x, -q.y, -q.z, q.w}; }

}  // namespace vuz
