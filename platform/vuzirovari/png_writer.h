// PNG files from raw pixels (rows top-down).
#pragma once

#include <cstdint>
#include <string>

namespace vuz {

bool writePng(const std::string& hostFile, int width, int height, int components, const uint8_t* pixels);

}  // namespace vuz
