// Where the engine's pointer reading lands on the 32 x 24 plane: x = 32 iMouseX - 16,
// y = 12 - 24 iMouseY. By the engine's pointer rule this y lies half a unit below the pointer.
#pragma once

#include "math/Vector2.h"
#include "platform/vuzirovari/vuzirovari.h"

inline Vector2 pointerPlane() { return Vector2(32.0f * iMouseX() - 16.0f, 12.0f - 24.0f * iMouseY()); }

// The rectangle pick box: a rectangle drawn at location (left edge, vertical middle) with this
// size, tested against pointerPlane(); inclusive, and a NaN anywhere picks nothing.
inline bool rectanglePicked(const Vector2& location, const Vector2& size, const Vector2& mouse) {
    const float bottom = location.y - (1.0f + (size.y - 1.0f) * 0.5f);
    return location.x <= mouse.x && mouse.x <= location.x + size.x && bottom <= mouse.y && mouse.y <= bottom + size.y;
}

// The line pick box: [x, x + length] by [y, y + width] against the pointer one unit higher
// (my + 1); the angle is ignored. Inclusive, and a NaN anywhere picks nothing.
inline bool linePicked(const Vector2& location, float length, float width, const Vector2& mouse) {
    const float my = mouse.y + 1.0f;
    return location.x <= mouse.x && mouse.x <= location.x + length && location.y <= my && my <= location.y + width;
}
