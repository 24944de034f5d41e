#include "png_writer.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace vuz {

bool writePng(const std::string& hostFile, int width, int height, int components, const uint8_t* pixels) {
    if (width <= 0 || height <= 0 || !pixels) return false;
    return stbi_write_png(hostFile.c_str(), width, height, components, pixels, width * components) != 0;
}

}  // namespace vuz
