// A typeface of the toolkit: the engine font that prints it, and a table of 256 character
// entries (advance width in cell widths, glyph sprite file) read from its width file (.wid).
// The font owns its engine font. A font that cannot be made has engine font 0: its text
// prints nothing and measures 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "math/Vector2.h"

struct GuiGlyph {
    float width = 0.8f;
    std::string path;  // the glyph sprite; empty when the font has none for the code
};

class GuiFont {
public:
    static constexpr float DefaultWidth = 0.8f;

    // path: the width file; owner: the camera the engine font is made for. With skipWidthFile
    // the file is not read and every entry is the default (the engine's font spaces the text).
    GuiFont(const char* path, int owner, bool skipWidthFile);
    virtual ~GuiFont();
    GuiFont(const GuiFont&) = delete;
    GuiFont& operator=(const GuiFont&) = delete;

    // The entry of a code taken as an unsigned byte; the default entry while not loaded.
    virtual const GuiGlyph& getGlyph(char code) const;
    virtual uint32_t getEngineFont() const { return engineFont; }
    virtual void setEngineFont(uint32_t font) { engineFont = font; }
    virtual bool isLoaded() const { return loaded; }
    // Exactly the width the engine prints the text at.
    virtual float textWidth(const std::string& text, const Vector2& cell, float spacing) const;

    // The widths a width file gives, line i for code i: the rule every reader of the game keeps.
    static std::array<float, 256> readWidths(const unsigned char* bytes, size_t size);
    // The glyph file of a code: the width file's path minus ".wid", "_", two hex digits, ".x".
    static std::string glyphName(const std::string& widthFile, int code);

private:
    void readWidthFile(const std::string& path);

    uint32_t engineFont = 0;
    std::array<GuiGlyph, 256> glyphs;
    bool loaded = false;
};
