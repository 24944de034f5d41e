// The text printed for the current frame. It stays until the next frame starts, so every
// render in between shows it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vuzirovari.h"

namespace vuz {

struct PrintedText {
    std::string text;   // Latin-1, one character per byte
    iVector2 location;  // as given to the print call
    iVector2 cell;
    float spacing;      // added after every character
    uint32_t font;
    iVector4 colour;
    bool centred;
    float left;   // the first character cell's left edge
    float width;  // the printed width
};

class TextQueue {
public:
    static constexpr size_t MaxLines = 4096;

    void add(PrintedText text);
    void clear() { lines_.clear(); }
    const std::vector<PrintedText>& lines() const { return lines_; }

    void setColour(const iVector4& colour) { colour_ = colour; }
    const iVector4& colour() const { return colour_; }
    void reset();

private:
    std::vector<PrintedText> lines_;
    iVector4 colour_{1.0f, 1.0f, 1.0f, 1.0f};
    bool overflowReported_ = false;
};

}  // namespace vuz
