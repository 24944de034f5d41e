// Pictures as the engine keeps them: 8-bit RGBA, top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuz {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width x height x 4 bytes

    bool empty() const { return width <= 0 || height <= 0; }
};

// Largest side the engine accepts for a texture.
constexpr int MaxImageSide = 8192;

// Decodes a .png or a .dds picture (told apart by their first bytes). On failure returns false
// and gives the reason in *error.
bool decodeImage(const void* bytes, size_t size, Image* out, std::string* error);

// .dds only: uncompressed 32-, 24- and 16-bit colour with any channel masks, 8-bit luminance
// (with or without alpha), and block-compressed DXT1, DXT3 and DXT5. Only the top mip level
// is read.
bool decodeDds(const uint8_t* bytes, size_t size, Image* out, std::string* error);

}  // namespace vuz
