#include "width_table.h"

#include <cmath>
#include <string>

#include "../win32/crt.h"

namespace vuz {

namespace {

float lineWidth(const std::string& line) {
    size_t end = line.find_first_of(" /\t\r");
    std::string number = line.substr(0, end);
    float value = 0.0f;
    if (number.empty() || crt::scanFloat(number.c_str(), &value) != number.size()) return DefaultCharWidth;
    if (!std::isfinite(value) || value <= 0.0f) return DefaultCharWidth;
    return value;
}

}  // namespace

std::array<float, 256> readWidthTable(const void* bytes, size_t size) {
    std::array<float, 256> widths;
    widths.fill(DefaultCharWidth);
    const char* text = static_cast<const char*>(bytes);
    if (!text) return widths;
    size_t code = 0, start = 0;
    for (size_t i = 0; i < size && code < widths.size(); ++i) {
        if (text[i] != '\n') continue;
        widths[code++] = lineWidth(std::string(text + start, i - start));
        start = i + 1;
    }
    return widths;
}

}  // namespace vuz
