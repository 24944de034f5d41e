// Vector3: 3 floats in a row, handed to the engine by address.
#pragma once

#include "platform/vuzirovari/vuzirovari.h"

struct Vector3 : iVector3 {
    Vector3() : iVector3{0.0f, 0.0f, 0.0f} {}
    Vector3(float x_, float y_, float z_) : iVector3{x_, y_, z_} {}
    Vector3(const iVector3& v) : iVector3(v) {}

    Vector3& operator+=(const Vector3& o) {
        x += o.x; y += o.y; z += o.z;
        return *this;
    }
    Vector3& operator-=(const Vector3& o) {
        x -= o.x; y -= o.y; z -= o.z;
        return *this;
    }
    Vector3& operator*=(float f) {
        x *= f; y *= f; z *= f;
        return *this;
    }
    // Multiplies by the reciprocal, as the game always has; may differ from a true division in the last bit.
    Vector3& operator/=(float f) {
        float r = 1.0f / f;
        x *= r; y *= r; z *= r;
        return *this;
    }

    Vector3 operator+() const { return *this; }
    Vector3 operator-() const { return Vector3(-x, -y, -z); }
    Vector3 operator+(const Vector3& o) const { return Vector3(*this) += o; }
    Vector3 operator-(const Vector3& o) const { return Vector3(*this) -= o; }
    Vector3 operator*(float f) const { return Vector3(*this) *= f; }
    Vector3 operator/(float f) const { return Vector3(*this) /= f; }

    bool operator==(const Vector3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Vector3& o) const { return !(*this == o); }
};
