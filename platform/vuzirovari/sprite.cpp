#include "sprite.h"

#include <cmath>
#include <utility>

namespace vuz {

namespace {
constexpr float DegreesToRadians = 3.14159265358979f / 180.0f;
}

bool validBlendFactor(int factor) { return factor >= 1 && factor <= 11; }

Sprite::Sprite(QuadShape shapeIn, std::shared_ptr<Texture> textureIn, int textureIdIn, int ownerIn)
    : shape(std::move(shapeIn)), texture(textureIn), createdTexture(std::move(textureIn)), textureId(textureIdIn),
      owner(ownerIn) {}

std::vector<QuadVertex> Sprite::placedTriangles() const {
    std::vector<QuadVertex> out;
    placedTriangles(&out);
    return out;
}

void Sprite::placedTriangles(std::vector<QuadVertex>* out) const {
    float c = std::cos(angle * DegreesToRadians), s = std::sin(angle * DegreesToRadians);
    out->assign(shape.triangles.begin(), shape.triangles.end());
    for (QuadVertex& v : *out) {
        float x = v.x * scale.x, y = v.y * scale.y;
        v.x = location.x + c * x - s * y;
        v.y = location.y + s * x + c * y;
    }
}

bool Sprite::covers(float x, float y) const {
    float c = std::cos(angle * DegreesToRadians), s = std::sin(angle * DegreesToRadians);
    float dx = x - location.x, dy = y - location.y;
    float localX = c * dx + s * dy, localY = -s * dx + c * dy;  // turned back into the quad
    float left = std::fmin(0.0f, scale.x), right = std::fmax(0.0f, scale.x);
    float half = std::fabs(scale.y) * 0.5f;
    return localX >= left && localX <= right && localY >= -half && localY <= half;
}

}  // namespace vuz
