// Draws the 2D layer over the frame: textured triangles in the 32 x 24 plane with OpenGL 3.3.
#pragma once

#include <vector>

#include "quad_shape.h"
#include "texture.h"
#include "vuzirovari.h"

namespace vuz {

struct DrawStyle {
    iVector4 colour{1.0f, 1.0f, 1.0f, 1.0f};  // multiplies the texture
    int blendSource = 5;                       // factor numbers as for sprites
    int blendTarget = 6;
    int mipFilterMode = 0;  // 0 none, 1 nearest level, 2 between levels
    int textureMode = 3;    // 1 wrap, 2 mirror, 3 clamp, 4 transparent border
};

class OverlayRenderer {
public:
    OverlayRenderer() = default;
    OverlayRenderer(const OverlayRenderer&) = delete;
    OverlayRenderer& operator=(const OverlayRenderer&) = delete;

    // Readies the GL objects of the current context; false when nothing can be drawn.
    bool begin(unsigned contextSerial);
    // Triangles in plane units (x -16..16, y -12..12).
    void draw(const std::vector<QuadVertex>& triangles, Texture& texture, const DrawStyle& style);
    void end();

private:
    bool build();

    unsigned serial_ = 0;
    unsigned program_ = 0, vertexArray_ = 0, buffer_ = 0;
    int colourUniform_ = -1;
    bool broken_ = false;  // the shaders failed in this context
};

// Draws every visible sprite, lower priority first and in creation order within a priority,
// then the text printed this frame. Part of renderFrame.
void drawOverlay();

}  // namespace vuz
