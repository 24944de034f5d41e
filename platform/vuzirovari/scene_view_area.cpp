// The part of the view a render draws into: items wholly outside it are skipped, and the
// shadows and the mirror's reflection are scissored to the screen rectangle they cover.
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>

#include "scene_renderer.h"

namespace vuz {

// All eight corners of the item's bounds lie beyond one side of the view.
bool SceneRenderer::outOfView(const DrawItem& item) const {
    if (!item.bounded) return false;
    const float* m = cullMatrix_;
    int outside[6] = {0, 0, 0, 0, 0, 0};
    for (int k = 0; k < 8; ++k) {
        float p[3] = {k & 1 ? item.high[0] : item.low[0], k & 2 ? item.high[1] : item.low[1], k & 4 ? item.high[2] : item.low[2]};
        float c[4];
        for (int r = 0; r < 4; ++r) c[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
        outside[0] += c[0] < cullWindow_[0] * c[3];
        outside[1] += c[0] > cullWindow_[1] * c[3];
        outside[2] += c[1] < cullWindow_[2] * c[3];
        outside[3] += c[1] > cullWindow_[3] * c[3];
        outside[4] += c[2] < -c[3];
        outside[5] += c[2] > c[3];
    }
    for (int side : outside)
        if (side == 8) return true;
    return false;
}

// The pixels of the viewport a world box can cover under the current view projection, with a
// pixel to spare on each side; the whole viewport when a corner lies at or behind the eye.
// False when the box lies wholly beside the view.
bool SceneRenderer::coverOf(const float* low, const float* high, const PixelRect& port, PixelRect* out) const {
    const float* m = cullMatrix_;
    float x0 = 1e30f, x1 = -1e30f, y0 = 1e30f, y1 = -1e30f;
    for (int k = 0; k < 8; ++k) {
        float p[3] = {k & 1 ? high[0] : low[0], k & 2 ? high[1] : low[1], k & 4 ? high[2] : low[2]};
        float c[4];
        for (int r = 0; r < 4; ++r) c[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
        if (!(c[3] > 1e-5f)) {
            *out = port;
            return true;
        }
        float x = c[0] / c[3], y = c[1] / c[3];
        x0 = std::fmin(x0, x), x1 = std::fmax(x1, x), y0 = std::fmin(y0, y), y1 = std::fmax(y1, y);
    }
    if (x1 < -1.0f || x0 > 1.0f || y1 < -1.0f || y0 > 1.0f) return false;
    auto pixel = [](int start, int size, float ndc) { return start + (std::fmax(-1.0f, std::fmin(1.0f, ndc)) + 1.0f) * 0.5f * size; };
    int left = std::max(port.x, static_cast<int>(std::floor(pixel(port.x, port.w, x0))) - 1);
    int right = std::min(port.x + port.w, static_cast<int>(std::ceil(pixel(port.x, port.w, x1))) + 1);
    int bottom = std::max(port.y, static_cast<int>(std::floor(pixel(port.y, port.h, y0))) - 1);
    int top = std::min(port.y + port.h, static_cast<int>(std::ceil(pixel(port.y, port.h, y1))) + 1);
    *out = PixelRect{left, bottom, right - left, top - bottom};
    return out->w > 0 && out->h > 0;
}

// Draws only into a part of the viewport: the rest is scissored away before the rasteriser
// sees it, and items wholly outside it are skipped.
void SceneRenderer::narrowTo(const PixelRect& rect, const PixelRect& port) {
    glScissor(rect.x, rect.y, rect.w, rect.h);
    cullWindow_[0] = 2.0f * static_cast<float>(rect.x - port.x) / static_cast<float>(port.w) - 1.0f;
    cullWindow_[1] = 2.0f * static_cast<float>(rect.x + rect.w - port.x) / static_cast<float>(port.w) - 1.0f;
    cullWindow_[2] = 2.0f * static_cast<float>(rect.y - port.y) / static_cast<float>(port.h) - 1.0f;
    cullWindow_[3] = 2.0f * static_cast<float>(rect.y + rect.h - port.y) / static_cast<float>(port.h) - 1.0f;
}

void SceneRenderer::widen(const PixelRect& port) {
    glScissor(port.x, port.y, port.w, port.h);
    cullWindow_[0] = cullWindow_[2] = -1.0f;
    cullWindow_[1] = cullWindow_[3] = 1.0f;
}

}  // namespace vuz
