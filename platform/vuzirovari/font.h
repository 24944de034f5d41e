// A font for the engine's text: the width table, one glyph quad per character code (over the
// font's texture) and the texture.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "quad_shape.h"
#include "texture.h"
#include "vuzirovari.h"

namespace vuz {

class Font {
public:
    Font(const std::array<float, 256>& widths, std::shared_ptr<Texture> texture, int textureId, int owner)
        : widths_(widths), texture_(std::move(texture)), textureId_(textureId), owner_(owner) {}

    void setGlyph(unsigned char code, QuadShape shape) { glyphs_[code] = std::move(shape); }
    // Null when the font has no glyph for the code: the character then draws nothing but still
    // advances.
    const QuadShape* glyph(unsigned char code) const { return glyphs_[code] ? &*glyphs_[code] : nullptr; }
    int glyphCount() const;

    float width(unsigned char code) const { return widths_[code]; }
    // A line's printed width in plane units: the sum of its characters' advances, each
    // width x cell width + spacing.
    float textWidth(const std::string& text, float cellWidth, float spacing) const;

    Texture* texture() const { return texture_.get(); }
    int textureId() const { return textureId_; }
    int owner() const { return owner_; }

private:
    std::array<float, 256> widths_;
    std::array<std::optional<QuadShape>, 256> glyphs_;
    std::shared_ptr<Texture> texture_;
    int textureId_;
    int owner_;
};

}  // namespace vuz
