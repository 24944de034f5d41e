// Vector4: 4 floats in a row, handed to the engine by address.
#pragma once

#include "platform/vuzirovari/vuzirovari.h"

struct Vector4 : iVector4 {
    Vector4() : iVector4{0.0f, 0.0f, 0.0f, 0.0f} {}
    Vector4(float x_, float y_, float z_, float w_) : iVector4{x_, y_, z_, w_} {}
    Vector4(const iVector4& v) : iVector4(v) {}

    Vector4& operator+=(const Vector4& o) {
        x += o.x; y += o.y; z += o.z; w += o.w;
        return *this;
    }
    Vector4& operator-=(const Vector4& o) {
        x -= o.x; y -= o.y; z -= o.z; w -= o.w;
        return *this;
    }
    Vector4& operator*=(float f) {
        x *= f; y *= f; z *= f; w *= f;
        return *this;
    }
    // Multiplies by the reciprocal, as the game always has; may differ from a true division in the last bit.
    Vector4& operator/=(float f) {
        float r = 1.0f / f;
        x *= r; y *= r; z *= r; w *= r;
        return *this;
    }

    Vector4 operator+() const { return *this; }
    Vector4 operator-() const { return Vector4(-x, -y, -z, -w); }
    Vector4 operator+(const Vector4& o) const { return Vector4(*this) += o; }
    Vector4 operator-(const Vector4& o) const { return Vector4(*this) -= o; }
    Vector4 operator*(float f) const { return Vector4(*this) *= f; }
    Vector4 operator/(float f) const { return Vector4(*this) /= f; }

    bool operator==(const Vector4& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
    bool operator!=(const Vector4& o) const { return !(*this == o); }
};
