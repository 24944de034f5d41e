#include "gui/GuiFont.h"

#include <cmath>
#include <cstdio>

#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"
#include "gui/GuiResources.h"

namespace {

const GuiGlyph DefaultGlyph{GuiFont::DefaultWidth, ""};

// One line of a width file: a number ended by a blank, a tab, '/' or a carriage return.
float lineWidth(const std::string& line) {
    const size_t end = line.find_first_of(" /\t\r");
    const std::string number = line.substr(0, end);
    float value = 0.0f;
    if (number.empty() || crt::scanFloat(number.c_str(), &value) != number.size()) return GuiFont::DefaultWidth;
    if (!std::isfinite(value) || value <= 0.0f) return GuiFont::DefaultWidth;
    return value;
}

}  // namespace

GuiFont::GuiFont(const char* path, int owner, bool skipWidthFile) {
    const std::string widthFile = path ? path : "";
    iTextureMipLevelsSet(2);
    engineFont = guiCreateFont(widthFile, owner);
    iTextureMipLevelsSet(0);
    if (engineFont == 0) return;
    glyphs.fill(DefaultGlyph);
    if (skipWidthFile) return;
    readWidthFile(widthFile);
}

GuiFont::~GuiFont() { guiDestroyFont(engineFont); }

const GuiGlyph& GuiFont::getGlyph(char code) const {
    if (!loaded) return DefaultGlyph;
    return glyphs[static_cast<unsigned char>(code)];
}

float GuiFont::textWidth(const std::string& text, const Vector2& cell, float spacing) const {
    return iPrintWidth(text.c_str(), &cell, spacing, engineFont);
}

std::array<float, 256> GuiFont::readWidths(const unsigned char* bytes, size_t size) {
    std::array<float, 256> widths;
    widths.fill(DefaultWidth);
    if (!bytes) return widths;
    const char* text = reinterpret_cast<const char*>(bytes);
    size_t code = 0, start = 0;
    for (size_t i = 0; i < size && code < widths.size(); ++i) {
        if (text[i] != '\n') continue;
        widths[code++] = lineWidth(std::string(text + start, i - start));
        start = i + 1;
    }
    return widths;
}

std::string GuiFont::glyphName(const std::string& widthFile, int code) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%02x.x", code & 0xff);
    const std::string stem = widthFile.size() > 4 ? widthFile.substr(0, widthFile.size() - 4) : std::string();
    return stem + "_" + suffix;
}

void GuiFont::readWidthFile(const std::string& path) {
    std::string bytes;
    if (guiReadFile(path, &bytes)) {
        const std::array<float, 256> widths =
            readWidths(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        for (size_t code = 0; code < glyphs.size(); ++code) glyphs[code].width = widths[code];
    }
    for (int code = 0; code < 256; ++code) {
        const std::string candidate = glyphName(path, code);
        glyphs[code].path = guiFileExists(candidate) ? candidate : std::string();
    }
    loaded = true;
}
