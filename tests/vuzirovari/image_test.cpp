// Decoding the engine's pictures: .png and the .dds kinds.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/vuzirovari/image.h"
#include "resource_files.h"

namespace {

vuz::Image decoded(const std::string& bytes) {
    vuz::Image image;
    std::string error;
    EXPECT_TRUE(vuz::decodeImage(bytes.data(), bytes.size(), &image, &error)) << error;
    return image;
}

bool fails(const std::string& bytes) {
    vuz::Image image;
    std::string error;
    bool ok = vuz::decodeImage(bytes.data(), bytes.size(), &image, &error);
    return !ok && !error.empty() && image.empty();
}

// A .dds header with the given pixel format words, followed by data.
std::string ddsWith(int w, int h, uint32_t flags, uint32_t fourCc, uint32_t bits, uint32_t r, uint32_t g, uint32_t b,
                    uint32_t a, const std::string& data) {
    std::string out = "DDS ";
    auto put = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    put(124);
    put(0x100F);
    put(static_cast<uint32_t>(h));
    put(static_cast<uint32_t>(w));
    put(0);
    put(0);
    put(1);
    for (int i = 0; i < 11; ++i) put(0);
    for (uint32_t v : {32u, flags, fourCc, bits, r, g, b, a}) put(v);
    for (int i = 0; i < 5; ++i) put(0);
    return out + data;
}

TEST(EngineImages, PngAndThirtyTwoBitDdsTopRowFirst) {
    vuz::Image p = decoded(fixtures::png(3, 2, {10, 20, 30, 40}));
    EXPECT_EQ(p.width, 3);
    EXPECT_EQ(p.height, 2);
    EXPECT_EQ(p.rgba[4], 10);
    EXPECT_EQ(p.rgba[7], 40);
    vuz::Image d = decoded(fixtures::dds(2, 5, {10, 20, 30, 40}));
    EXPECT_EQ(d.width, 2);
    EXPECT_EQ(d.height, 5);
    EXPECT_EQ(d.rgba[0], 10);
    EXPECT_EQ(d.rgba[1], 20);
    EXPECT_EQ(d.rgba[2], 30);
    EXPECT_EQ(d.rgba[3], 40);

    // .dds rows run top down: two rows, red on top, blue below, as the file stores them.
    std::string data = std::string("\x00\x00\xFF\xFF", 4) + std::string("\xFF\x00\x00\xFF", 4);
    vuz::Image rows = decoded(ddsWith(1, 2, 0x41, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, data));
    EXPECT_EQ(rows.rgba[0], 255);
    EXPECT_EQ(rows.rgba[2], 0);
    EXPECT_EQ(rows.rgba[4], 0);
    EXPECT_EQ(rows.rgba[6], 255);
}

TEST(EngineImages, OtherUncompressedDdsLayouts) {
    // 24-bit colour without alpha comes out opaque.
    vuz::Image rgb = decoded(ddsWith(1, 1, 0x40, 0, 24, 0xFF0000, 0xFF00, 0xFF, 0, std::string("\x01\x02\x03", 3)));
    EXPECT_EQ(rgb.rgba[0], 3);
    EXPECT_EQ(rgb.rgba[2], 1);
    EXPECT_EQ(rgb.rgba[3], 255);
    // 32-bit with red first and an alpha mask the flags do not announce: alpha ignored.
    vuz::Image x = decoded(ddsWith(1, 1, 0x40, 0, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, std::string("\x09\x08\x07\x00", 4)));
    EXPECT_EQ(x.rgba[0], 9);
    EXPECT_EQ(x.rgba[3], 255);
    // 8-bit luminance.
    vuz::Image l = decoded(ddsWith(1, 1, 0x20000, 0, 8, 0xFF, 0, 0, 0, std::string("\x80", 1)));
    EXPECT_EQ(l.rgba[1], 128);
    EXPECT_EQ(l.rgba[3], 255);
    // 16-bit 565: pure green.
    vuz::Image g = decoded(ddsWith(1, 1, 0x40, 0, 16, 0xF800, 0x07E0, 0x001F, 0, std::string("\xE0\x07", 2)));
    EXPECT_EQ(g.rgba[0], 0);
    EXPECT_EQ(g.rgba[1], 255);
}

TEST(EngineImages, CompressedDds) {
    // One DXT1 block: colour 0 pure red, colour 1 pure blue, every index 1 (blue).
    std::string block = std::string("\x00\xF8\x1F\x00", 4) + std::string("\x55\x55\x55\x55", 4);
    vuz::Image d = decoded(ddsWith(3, 3, 0x4, 0x31545844 /* DXT1 */, 0, 0, 0, 0, 0, block));
    EXPECT_EQ(d.width, 3);
    EXPECT_EQ(d.rgba[0], 0);
    EXPECT_EQ(d.rgba[2], 255);
    EXPECT_EQ(d.rgba[3], 255);
    // DXT5: alpha end points 255 and 0, every alpha index 1 (0), colour as above.
    std::string alpha = std::string("\xFF\x00", 2) + std::string("\x49\x92\x24\x49\x92\x24", 6);
    vuz::Image five = decoded(ddsWith(4, 4, 0x4, 0x35545844 /* DXT5 */, 0, 0, 0, 0, 0, alpha + block));
    EXPECT_EQ(five.rgba[3], 0);
    EXPECT_EQ(five.rgba[2], 255);
}

TEST(EngineImages, BrokenPicturesFailWithAReason) {
    EXPECT_TRUE(fails(""));
    EXPECT_TRUE(fails("GIF89a"));
    std::string png = fixtures::png(8, 8, {1, 2, 3, 4});
    EXPECT_TRUE(fails(png.substr(0, 30)));
    EXPECT_TRUE(fails(fixtures::dds(4, 4, {1, 2, 3, 4}).substr(0, 128 + 20)));
    EXPECT_TRUE(fails(fixtures::dds(4, 4, {1, 2, 3, 4}).substr(0, 100)));
    EXPECT_TRUE(fails(ddsWith(0, 4, 0x41, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, "")));
    EXPECT_TRUE(fails(ddsWith(100000, 4, 0x41, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, "")));
    EXPECT_TRUE(fails(ddsWith(1, 1, 0x4, 0x30315844 /* DX10 */, 0, 0, 0, 0, 0, std::string(64, '\0'))));
    EXPECT_TRUE(fails(ddsWith(1, 1, 0x40, 0, 12, 0xF00, 0xF0, 0xF, 0, std::string(4, '\0'))));
    EXPECT_TRUE(fails(ddsWith(8, 8, 0x4, 0x31545844, 0, 0, 0, 0, 0, std::string(8, '\0'))));
}

}  // namespace
