// A sprite: a textured quad in the 32 x 24 plane, placed by its left edge and vertical middle.
#pragma once

#include <memory>

#include "quad_shape.h"
#include "texture.h"
#include "vuzirovari.h"

namespace vuz {

// Blend factors by number: 1 zero, 2 one, 3 source colour, 4 one minus source colour,
// 5 source alpha, 6 one minus source alpha, 7 target alpha, 8 one minus target alpha,
// 9 target colour, 10 one minus target colour, 11 saturated source alpha.
constexpr int BlendSourceAlpha = 5;
constexpr int BlendInverseSourceAlpha = 6;
bool validBlendFactor(int factor);

class Sprite {
public:
    Sprite(QuadShape shape, std::shared_ptr<Texture> texture, int textureId, int owner);

    // The quad's vertices in plane units.
    std::vector<QuadVertex> placedTriangles() const;
    void placedTriangles(std::vector<QuadVertex>* out) const;  // into a list that keeps its room
    // Whether a point of the plane lies on the quad (edges included).
    bool covers(float x, float y) const;

    QuadShape shape;
    std::shared_ptr<Texture> texture;          // drawn with
    std::shared_ptr<Texture> createdTexture;   // made with, for a reset
    int textureId;
    int owner;
    bool visible = false;
    iVector2 location{0.0f, 0.0f};
    iVector2 scale{1.0f, 1.0f};
    float angle = 0.0f;  // degrees, counter-clockwise about the location
    iVector4 colour{1.0f, 1.0f, 1.0f, 1.0f};
    int priority = 0;
    int blendSource = BlendSourceAlpha;
    int blendTarget = BlendInverseSourceAlpha;
    int mipFilterMode = 0;  // 0 none, 1 nearest level, 2 between levels
    int textureMode = 3;    // 1 wrap, 2 mirror, 3 clamp, 4 transparent border
};

}  // namespace vuz
