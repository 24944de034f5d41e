// The 2D layer of a frame: sprites, then text.
#include <algorithm>
#include <tuple>
#include <vector>

#include "engine_state.h"
#include "overlay_renderer.h"

namespace vuz {

namespace {

// Lists a frame reuses from the last one, so drawing allocates nothing once they have grown.
struct Scratch {
    std::vector<std::tuple<int, uint32_t, const Sprite*>> order;  // priority, handle
    std::vector<QuadVertex> triangles;
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

void drawSprites(OverlayRenderer& renderer) {
    Scratch& scratchLists = scratch();
    auto& order = scratchLists.order;
    order.clear();
    // Higher priorities on top; equal priorities in creation order, which is handle order.
    engine().sprites.forEach([&](uint32_t handle, Sprite& s) {
        if (s.visible && s.texture) order.emplace_back(s.priority, handle, &s);
    });
    std::sort(order.begin(), order.end());
    for (const auto& [priority, handle, s] : order) {
        DrawStyle style{s->colour, s->blendSource, s->blendTarget, s->mipFilterMode, s->textureMode};
        s->placedTriangles(&scratchLists.triangles);
        renderer.draw(scratchLists.triangles, *s->texture, style);
    }
}

const std::vector<QuadVertex>& textTriangles(const PrintedText& line, const Font& font) {
    std::vector<QuadVertex>& out = scratch().triangles;
    out.clear();
    float x = line.left;
    for (char ch : line.text) {
        auto code = static_cast<unsigned char>(ch);
        if (const QuadShape* glyph = font.glyph(code)) {
            for (QuadVertex v : glyph->triangles) {
                v.x = x + v.x * line.cell.x;
                v.y = line.location.y + v.y * line.cell.y;
                out.push_back(v);
            }
        }
        x += font.width(code) * line.cell.x + line.spacing;
    }
    return out;
}

void drawTexts(OverlayRenderer& renderer) {
    for (const PrintedText& line : engine().texts.lines()) {
        const Font* font = engine().fonts.get(line.font);
        if (!font || !font->texture()) continue;
        DrawStyle style{line.colour, 5, 6, 2, 3};
        renderer.draw(textTriangles(line, *font), *font->texture(), style);
    }
}

}  // namespace

void drawOverlay() {
    EngineState& e = engine();
    if (!e.overlay.begin(e.window.contextSerial())) return;
    drawSprites(e.overlay);
    drawTexts(e.overlay);
    e.overlay.end();
}

}  // namespace vuz
