#include "image.h"

#include <cstring>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 8192
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace vuz {

namespace {

const uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool decodePng(const uint8_t* bytes, size_t size, Image* out, std::string* error) {
    if (size > 0x7FFFFFFF) {
        *error = "the picture is too large";
        return false;
    }
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes, static_cast<int>(size), &w, &h, &channels, 4);
    if (!pixels) {
        *error = std::string("broken PNG (") + stbi_failure_reason() + ")";
        return false;
    }
    out->width = w;
    out->height = h;
    out->rgba.assign(pixels, pixels + static_cast<size_t>(w) * h * 4);
    stbi_image_free(pixels);
    return true;
}

}  // namespace

bool decodeImage(const void* bytes, size_t size, Image* out, std::string* error) {
    std::string ignored;
    if (!error) error = &ignored;
    *out = Image();
    const auto* b = static_cast<const uint8_t*>(bytes);
    if (!b || size == 0) {
        *error = "no picture data";
        return false;
    }
    if (size >= 8 && std::memcmp(b, PngSignature, 8) == 0) return decodePng(b, size, out, error);
    if (size >= 4 && std::memcmp(b, "DDS ", 4) == 0) return decodeDds(b, size, out, error);
    *error = "neither a PNG nor a DDS picture";
    return false;
}

}  // namespace vuz
