// The .wid width table of a font: the advance of each character code in cell widths.
#pragma once

#include <array>
#include <cstddef>

namespace vuz {

constexpr float DefaultCharWidth = 0.8f;

// One line per code from 0; a line is read when its line feed is reached (a carriage return
// before it is ignored), lines after the 256th are ignored. A line begins with a decimal
// number, ended by a blank or "/" (the rest is a comment). A missing line, an empty one, one
// without a number, a width of 0, a negative one or one followed by other characters gives 0.8.
std::array<float, 256> readWidthTable(const void* bytes, size_t size);

}  // namespace vuz
