// What a sprite with effects draws in one frame: its place, size, turn, opacity and whether it
// shows. A plain record, copied every frame so effects change only the copy.
#pragma once

#include "math/Vector2.h"

struct SpriteState {
    Vector2 position{0.0f, 0.0f};
    Vector2 scale{1.0f, 1.0f};  // width and height in screen units
    float rotation = 0.0f;      // degrees, counter-clockwise
    float alpha = 1.0f;
    bool visible = false;
    bool centred = true;  // drawn with x moved left by half the width; y never moves
};
