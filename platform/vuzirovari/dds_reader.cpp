// .dds pictures: the header, uncompressed colour with channel masks, and DXT1/3/5 blocks.
#include <cstring>

#include "image.h"

namespace vuz {

namespace {

constexpr size_t HeaderSize = 4 + 124;  // magic, then the header
constexpr uint32_t FlagAlphaPixels = 0x1;
constexpr uint32_t FlagAlpha = 0x2;
constexpr uint32_t FlagFourCc = 0x4;
constexpr uint32_t FlagRgb = 0x40;
constexpr uint32_t FlagLuminance = 0x20000;

uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint32_t fourCc(const char* s) { return le32(reinterpret_cast<const uint8_t*>(s)); }

// One channel through its mask, scaled to 0..255; a missing mask gives the fallback.
uint8_t channel(uint32_t pixel, uint32_t mask, uint8_t fallback) {
    if (mask == 0) return fallback;
    int shift = 0;
    while (!((mask >> shift) & 1u)) ++shift;
    uint64_t max = mask >> shift;
    uint64_t value = (pixel & mask) >> shift;
    return static_cast<uint8_t>((value * 255u + max / 2) / max);
}

struct Masks {
    uint32_t r, g, b, a;
};

bool decodeMasked(const uint8_t* data, size_t available, int w, int h, int bits, Masks m, Image* out,
                  std::string* error) {
    size_t bytesPerPixel = static_cast<size_t>(bits) / 8;
    size_t pitch = bytesPerPixel * w;
    if (available < pitch * h) {
        *error = "the DDS picture is truncated";
        return false;
    }
    out->rgba.resize(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = data + y * pitch + x * bytesPerPixel;
            uint32_t pixel = 0;
            for (size_t k = 0; k < bytesPerPixel; ++k) pixel |= uint32_t(p[k]) << (8 * k);
            uint8_t* o = &out->rgba[(static_cast<size_t>(y) * w + x) * 4];
            o[0] = channel(pixel, m.r, 0);
            o[1] = channel(pixel, m.g, 0);
            o[2] = channel(pixel, m.b, 0);
            o[3] = channel(pixel, m.a, 255);
        }
    }
    return true;
}

void colour565(uint16_t c, uint8_t out[4]) {
    out[0] = static_cast<uint8_t>(((c >> 11) & 31) * 255 / 31);
    out[1] = static_cast<uint8_t>(((c >> 5) & 63) * 255 / 63);
    out[2] = static_cast<uint8_t>((c & 31) * 255 / 31);
    out[3] = 255;
}

// The colour half of a block: 8 bytes, two 565 end points and 2-bit indices.
void colourBlock(const uint8_t* b, bool fourColours, uint8_t pixels[16][4]) {
    uint16_t c0 = static_cast<uint16_t>(b[0] | b[1] << 8), c1 = static_cast<uint16_t>(b[2] | b[3] << 8);
    uint8_t palette[4][4];
    colour565(c0, palette[0]);
    colour565(c1, palette[1]);
    for (int k = 0; k < 3; ++k) {
        if (fourColours || c0 > c1) {
            palette[2][k] = static_cast<uint8_t>((2 * palette[0][k] + palette[1][k]) / 3);
            palette[3][k] = static_cast<uint8_t>((palette[0][k] + 2 * palette[1][k]) / 3);
        } else {
            palette[2][k] = static_cast<uint8_t>((palette[0][k] + palette[1][k]) / 2);
            palette[3][k] = 0;
        }
    }
    palette[2][3] = 255;
    palette[3][3] = (fourColours || c0 > c1) ? 255 : 0;
    uint32_t indices = le32(b + 4);
    for (int i = 0; i < 16; ++i) std::memcpy(pixels[i], palette[(indices >> (2 * i)) & 3], 4);
}

void explicitAlpha(const uint8_t* b, uint8_t pixels[16][4]) {
    for (int i = 0; i < 16; ++i) pixels[i][3] = static_cast<uint8_t>(((b[i / 2] >> (4 * (i & 1))) & 15) * 17);
}

void interpolatedAlpha(const uint8_t* b, uint8_t pixels[16][4]) {
    uint8_t a[8] = {b[0], b[1]};
    for (int k = 1; k < 7; ++k) {
        if (b[0] > b[1]) a[k + 1] = static_cast<uint8_t>(((7 - k) * b[0] + k * b[1]) / 7);
        else if (k < 5) a[k + 1] = static_cast<uint8_t>(((5 - k) * b[0] + k * b[1]) / 5);
    }
    if (b[0] <= b[1]) {
        a[6] = 0;
        a[7] = 255;
    }
    uint64_t bits = 0;
    for (int k = 0; k < 6; ++k) bits |= uint64_t(b[2 + k]) << (8 * k);
    for (int i = 0; i < 16; ++i) pixels[i][3] = a[(bits >> (3 * i)) & 7];
}

bool decodeBlocks(const uint8_t* data, size_t available, int w, int h, int kind, Image* out, std::string* error) {
    size_t blockBytes = kind == 1 ? 8 : 16;
    size_t bw = (static_cast<size_t>(w) + 3) / 4, bh = (static_cast<size_t>(h) + 3) / 4;
    if (available < bw * bh * blockBytes) {
        *error = "the DDS picture is truncated";
        return false;
    }
    out->rgba.resize(static_cast<size_t>(w) * h * 4);
    for (size_t by = 0; by < bh; ++by) {
        for (size_t bx = 0; bx < bw; ++bx) {
            const uint8_t* block = data + (by * bw + bx) * blockBytes;
            uint8_t pixels[16][4];
            if (kind == 1) {
                colourBlock(block, false, pixels);
            } else {
                colourBlock(block + 8, true, pixels);
                if (kind == 3) explicitAlpha(block, pixels);
                else interpolatedAlpha(block, pixels);
            }
            for (int i = 0; i < 16; ++i) {
                size_t x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x < static_cast<size_t>(w) && y < static_cast<size_t>(h))
                    std::memcpy(&out->rgba[(y * w + x) * 4], pixels[i], 4);
            }
        }
    }
    return true;
}

}  // namespace

bool decodeDds(const uint8_t* b, size_t size, Image* out, std::string* error) {
    *out = Image();
    if (size < HeaderSize || std::memcmp(b, "DDS ", 4) != 0 || le32(b + 4) != 124) {
        *error = "broken DDS header";
        return false;
    }
    uint32_t height = le32(b + 12), width = le32(b + 16);
    uint32_t flags = le32(b + 80), code = le32(b + 84), bits = le32(b + 88);
    Masks masks{le32(b + 92), le32(b + 96), le32(b + 100), le32(b + 104)};
    if (width == 0 || height == 0 || width > MaxImageSide || height > MaxImageSide) {
        *error = "DDS size " + std::to_string(width) + "x" + std::to_string(height) + " is out of range";
        return false;
    }
    int w = static_cast<int>(width), h = static_cast<int>(height);
    const uint8_t* data = b + HeaderSize;
    size_t available = size - HeaderSize;
    bool ok = false;
    if (flags & FlagFourCc) {
        int kind = code == fourCc("DXT1") ? 1 : code == fourCc("DXT3") ? 3 : code == fourCc("DXT5") ? 5 : 0;
        if (kind == 0) {
            *error = "unsupported DDS compression";
            return false;
        }
        ok = decodeBlocks(data, available, w, h, kind, out, error);
    } else if (flags & (FlagRgb | FlagLuminance | FlagAlpha)) {
        if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
            *error = "unsupported DDS pixel size of " + std::to_string(bits) + " bits";
            return false;
        }
        if (!(flags & (FlagAlphaPixels | FlagAlpha))) masks.a = 0;
        if (flags & FlagLuminance) masks.g = masks.b = masks.r;
        if ((flags & FlagAlpha) && !(flags & (FlagRgb | FlagLuminance))) masks.r = masks.g = masks.b = 0;
        ok = decodeMasked(data, available, w, h, static_cast<int>(bits), masks, out, error);
        if (ok && (flags & FlagAlpha) && !(flags & (FlagRgb | FlagLuminance)))
            for (size_t i = 0; i < out->rgba.size(); i += 4) out->rgba[i] = out->rgba[i + 1] = out->rgba[i + 2] = 255;
    } else {
        *error = "unsupported DDS pixel format";
        return false;
    }
    if (!ok) {
        out->rgba.clear();
        return false;
    }
    out->width = w;
    out->height = h;
    return true;
}

}  // namespace vuz
