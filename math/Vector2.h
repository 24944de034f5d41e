// Vector2: 2 floats in a row, handed to the engine by address.
#pragma once

#include "platform/vuzirovari/vuzirovari.h"

struct Vector2 : iVector2 {
    Vector2() : iVector2{0.0f, 0.0f} {}
    Vector2(float x_, float y_) : iVector2{x_, y_} {}
    Vector2(const iVector2& v) : iVector2(v) {}

    Vector2& operator+=(const Vector2& o) {
        x += o.x; y += o.y;
        return *this;
    }
    Vector2& operator-=(const Vector2& o) {
        x -= o.x; y -= o.y;
        return *this;
    }
    Vector2& operator*=(float f) {
        x *= f; y *= f;
        return *this;
    }
    // Multiplies by the reciprocal, as the game always has; may differ from a true division in the last bit.
    Vector2& operator/=(float f) {
        float r = 1.0f / f;
        x *= r; y *= r;
        return *this;
    }

    Vector2 operator+() const { return *this; }
    Vector2 operator-() const { return Vector2(-x, -y); }
    Vector2 operator+(const Vector2& o) const { return Vector2(*this) += o; }
    Vector2 operator-(const Vector2& o) const { return Vector2(*this) -= o; }
    Vector2 operator*(float f) const { return Vector2(*this) *= f; }
    Vector2 operator/(float f) const { return Vector2(*this) /= f; }

    bool operator==(const Vector2& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Vector2& o) const { return !(*this == o); }
};
