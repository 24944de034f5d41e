// The 2D layer of a frame: sprites, then text.
#include <algorithm>
#include <vector>

#include "engine_state.h"
#include "overlay_renderer.h"

namespace vuz {

namespace {

void drawSprites(OverlayRenderer& renderer) {
    for (uint32_t handle : spritesInDrawingOrder()) {
        const Sprite* s = engine().sprites.get(handle);
        if (!s->visible || !s->texture) continue;
        DrawStyle style{s->colour, s->blendSource, s->blendTarget, s->mipFilterMode, s->textureMode};
        renderer.draw(s->placedTriangles(), *s->texture, style);
    }
}

std::vector<QuadVertex> textTriangles(const PrintedText& line, const Font& font) {
    std::vector<QuadVertex> out;
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
