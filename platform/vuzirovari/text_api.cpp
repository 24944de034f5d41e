// Fonts and text: a font is a width table, glyph quads and their texture; text is queued for
// the current frame and drawn over the sprites.
#include <cstdio>
#include <functional>
#include <memory>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "width_table.h"

using namespace vuz;

namespace {

// glyph(code, &bytes, &size) gives a glyph's file or false when the font has none.
using GlyphSource = std::function<bool(int, const void**, size_t*)>;

uint32_t makeFont(const std::string& what, const void* wid, size_t widSize, const GlyphSource& glyphs,
                  std::shared_ptr<Texture> texture, int textureId, int owner) {
    auto font = std::make_unique<Font>(readWidthTable(wid, widSize), std::move(texture), textureId, owner);
    for (int code = 0; code < 256; ++code) {
        const void* bytes = nullptr;
        size_t size = 0;
        if (!glyphs(code, &bytes, &size)) continue;
        QuadShape shape;
        std::string error;
        if (readQuadShape(bytes, size, &shape, &error)) font->setGlyph(static_cast<unsigned char>(code), std::move(shape));
        else win32::log("engine: " + what + ": glyph " + std::to_string(code) + " left out: " + error);
    }
    return engine().fonts.add(std::move(font));
}

// The left edge of the first character cell and the width of a printed line.
PrintedText layout(const char* text, const iVector2& location, const iVector2& cell, float spacing, uint32_t font,
                   bool centred) {
    PrintedText line{text, location, cell, spacing, font, engine().texts.colour(), centred, 0.0f, 0.0f};
    const Font* f = engine().fonts.get(font);
    line.width = f ? f->textWidth(line.text, cell.x, spacing) : 0.0f;
    line.left = centred ? location.x - line.width * 0.5f : location.x - cell.x * 0.5f;
    return line;
}

std::string hexGlyphName(const std::string& prefix, int code) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02x.x", code);
    return prefix + digits;
}

}  // namespace

extern "C" {

uint32_t iFontCreateFromMemory(const void* wid, uint32_t widSize, const void* const* glyphs,
                               const uint32_t* glyphSizes, const void* texture, uint32_t textureSize, int textureId,
                               int owner) {
    std::string error;
    std::shared_ptr<Texture> picture =
        engine().textures.byId(textureId, texture, textureSize, "texture " + std::to_string(textureId),
                               session().mipLevels, &error);
    if (!picture) {
        win32::log("engine: font not made: its texture: " + error);
        return 0;
    }
    GlyphSource source = [&](int code, const void** bytes, size_t* size) {
        if (!glyphs || !glyphSizes || !glyphs[code] || glyphSizes[code] == 0) return false;
        *bytes = glyphs[code];
        *size = glyphSizes[code];
        return true;
    };
    return makeFont("font " + std::to_string(textureId), wid, widSize, source, std::move(picture), textureId, owner);
}

uint32_t iFontCreate(const char* widPath, uint32_t camera) {
    std::string path = widPath ? widPath : "";
    std::string wid;
    if (path.size() < 4 || !readGameFile(path, &wid)) {
        win32::log("engine: font not made: cannot read \"" + path + "\"");
        return 0;
    }
    std::string error;
    std::string texturePath = path.substr(0, path.size() - 3) + "dds";
    std::shared_ptr<Texture> picture = engine().textures.fromFile(texturePath, session().mipLevels, &error);
    if (!picture) {
        win32::log("engine: font \"" + path + "\" not made: " + error);
        return 0;
    }
    std::string prefix = path.substr(0, path.size() - 4) + "_";
    std::string glyph;
    GlyphSource source = [&](int code, const void** bytes, size_t* size) {
        if (!readGameFile(hexGlyphName(prefix, code), &glyph) || glyph.empty()) return false;
        *bytes = glyph.data();
        *size = glyph.size();
        return true;
    };
    return makeFont("font \"" + path + "\"", wid.data(), wid.size(), source, std::move(picture), -1,
                    static_cast<int>(camera));
}

void iFontDestroy(uint32_t font) { engine().fonts.remove(font); }

void iPrint(const char* text, const iVector2* location, const iVector2* cell, float spacing, uint32_t font) {
    if (!text || !location || !cell) return;
    engine().texts.add(layout(text, *location, *cell, spacing, font, false));
}

void iPrintCentered(const char* text, const iVector2* location, const iVector2* cell, float spread, uint32_t font,
                    float /*reserved*/) {
    if (!text || !location || !cell) return;
    float spacing = spread < 0.0f ? -spread * cell->x : 0.0f;
    engine().texts.add(layout(text, *location, *cell, spacing, font, true));
}

float iPrintWidth(const char* text, const iVector2* cell, float spacing, uint32_t font) {
    const Font* f = engine().fonts.get(font);
    if (!text || !cell || !f) return 0.0f;
    return f->textWidth(text, cell->x, spacing);
}

void iPrintColorSet(float r, float g, float b, float a) { engine().texts.setColour({r, g, b, a}); }

}  // extern "C"
