#include "font.h"

namespace vuz {

int Font::glyphCount() const {
    int n = 0;
    for (const auto& g : glyphs_) n += g ? 1 : 0;
    return n;
}

float Font::textWidth(const std::string& text, float cellWidth, float spacing) const {
    float width = 0.0f;
    for (char c : text) width += widths_[static_cast<unsigned char>(c)] * cellWidth + spacing;
    return width;
}

}  // namespace vuz
