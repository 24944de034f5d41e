// Fonts from memory and from files, text widths and the print queue of a frame.
#include <cstdio>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "platform/vuzirovari/width_table.h"
#include "resource_files.h"

namespace {

using fixtures::HeapCopy;

// A font's files: a width table, glyph quads for some codes, its texture.
struct FontFiles {
    std::string wid;
    std::vector<std::string> glyphs = std::vector<std::string>(256);
    std::string texture = fixtures::dds(16, 16, {255, 255, 255, 255});
};

uint32_t makeFont(const FontFiles& files, int textureId, int owner = 3) {
    HeapCopy wid(files.wid), texture(files.texture);
    std::vector<std::unique_ptr<HeapCopy>> copies;
    const void* pointers[256] = {};
    uint32_t sizes[256] = {};
    for (int c = 0; c < 256; ++c) {
        if (files.glyphs[c].empty()) continue;
        copies.push_back(std::make_unique<HeapCopy>(files.glyphs[c]));
        pointers[c] = copies.back()->data();
        sizes[c] = copies.back()->size();
    }
    uint32_t font = iFontCreateFromMemory(wid.data(), wid.size(), pointers, sizes, texture.data(), texture.size(),
                                          textureId, owner);
    copies.clear();  // freed at once: the engine copied what it needs
    return font;
}

class EngineText : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        openHeadless();
        files.wid = fixtures::wid({{'A', 1.0f}, {'B', 0.5f}});
        files.glyphs['A'] = fixtures::quadX(0.0f, 0.0f, 0.5f, 1.0f);
        files.glyphs['B'] = fixtures::quadX(0.5f, 0.0f, 1.0f, 1.0f);
    }
    FontFiles files;
};

TEST_F(EngineText, FontKeepsWidthsAndGlyphsAndAPrintedWidthSumsTheAdvances) {
    uint32_t font = makeFont(files, 2);
    ASSERT_NE(font, 0u);
    int glyphs = 0, textureId = 0, owner = 0;
    ASSERT_EQ(vtFontGet(font, &glyphs, &textureId, &owner), 1);
    EXPECT_EQ(glyphs, 2);
    EXPECT_EQ(textureId, 2);
    EXPECT_EQ(owner, 3);
    EXPECT_FLOAT_EQ(vtFontWidth(font, 'A'), 1.0f);
    EXPECT_FLOAT_EQ(vtFontWidth(font, 'B'), 0.5f);
    EXPECT_FLOAT_EQ(vtFontWidth(font, 'C'), 0.8f);

    // A printed width is the sum of the advances.
    iVector2 cell{2.0f, 1.0f};
    EXPECT_FLOAT_EQ(iPrintWidth("AB", &cell, 0.0f, font), 3.0f);
    EXPECT_FLOAT_EQ(iPrintWidth("AB C", &cell, 0.25f, font), 2.0f + 1.0f + 1.6f + 1.6f + 4 * 0.25f);
    EXPECT_FLOAT_EQ(iPrintWidth("", &cell, 0.25f, font), 0.0f);
    const char high[] = {static_cast<char>(0xE9), 0};  // codes above 127 index their own entries
    EXPECT_FLOAT_EQ(iPrintWidth(high, &cell, 0.0f, font), 1.6f);
    EXPECT_FLOAT_EQ(iPrintWidth("AB", &cell, 0.0f, 0), 0.0f);
    EXPECT_FLOAT_EQ(iPrintWidth(nullptr, &cell, 0.0f, font), 0.0f);
    EXPECT_FLOAT_EQ(iPrintWidth("AB", nullptr, 0.0f, font), 0.0f);
}

TEST_F(EngineText, PrintsAreQueuedForTheFrameWithTheirLayout) {
    uint32_t font = makeFont(files, 0);
    iVector2 at{1.0f, -2.0f}, cell{2.0f, 1.0f};
    iPrintColorSet(1.0f, 0.0f, 0.0f, 0.5f);
    iPrint("AB", &at, &cell, 0.5f, font);
    iPrintColorSet(1.0f, 1.0f, 1.0f, 1.0f);
    iPrintCentered("AB", &at, &cell, 0.0f, font, 0.0f);
    ASSERT_EQ(vtTextCount(), 2);
    vtText t;
    ASSERT_EQ(vtTextGet(0, &t), 1);
    EXPECT_STREQ(t.text, "AB");
    EXPECT_EQ(t.font, font);
    EXPECT_FLOAT_EQ(t.cell.x, 2.0f);
    EXPECT_FLOAT_EQ(t.location.y, -2.0f);
    EXPECT_FLOAT_EQ(t.left, 0.0f);  // the location is the first cell's centre
    EXPECT_FLOAT_EQ(t.width, iPrintWidth("AB", &cell, 0.5f, font));
    EXPECT_FLOAT_EQ(t.colour.x, 1.0f);
    EXPECT_FLOAT_EQ(t.colour.y, 0.0f);
    EXPECT_FLOAT_EQ(t.colour.w, 0.5f);
    EXPECT_EQ(t.centred, 0);
    ASSERT_EQ(vtTextGet(1, &t), 1);
    EXPECT_EQ(t.centred, 1);
    EXPECT_FLOAT_EQ(t.left, 1.0f - 1.5f);
    EXPECT_FLOAT_EQ(t.colour.y, 1.0f);
    EXPECT_EQ(vtTextGet(2, &t), 0);

    // Unravelling spreads the characters: a spread of -0.5 adds half a cell after each.
    iPrintCentered("AB", &at, &cell, -0.5f, font, 0.0f);
    ASSERT_EQ(vtTextGet(2, &t), 1);
    EXPECT_FLOAT_EQ(t.width, 3.0f + 2.0f);
}

TEST_F(EngineText, TextLastsUntilTheNextFrameStarts) {
    uint32_t font = makeFont(files, 0);
    iVector2 at{0, 0}, cell{1, 1};
    iVortaneMain();
    iPrint("one", &at, &cell, 0.0f, font);
    iPrint("", &at, &cell, 0.0f, 0);  // font 0 and empty text are kept but draw nothing
    iRender();
    iVortaneRender();
    EXPECT_EQ(vtTextCount(), 2);
    iVortaneMain();
    EXPECT_EQ(vtTextCount(), 0);
    iPrint("two", &at, &cell, 0.0f, font);
    iVortaneRunBegin();
    EXPECT_EQ(vtTextCount(), 0);
    iPrint(nullptr, &at, &cell, 0.0f, font);
    iPrint("x", nullptr, &cell, 0.0f, font);
    EXPECT_EQ(vtTextCount(), 0);
}

TEST_F(EngineText, MissingOrBrokenGlyphsLeaveTheRestButAMissingTextureLeavesNoFont) {
    files.glyphs['C'] = "xof 0302txt 0032\nMesh {";  // broken: left out
    uint32_t font = makeFont(files, 0);
    ASSERT_NE(font, 0u);
    int glyphs = 0;
    vtFontGet(font, &glyphs, nullptr, nullptr);
    EXPECT_EQ(glyphs, 2);
    FontFiles none;
    none.wid = "";
    uint32_t bare = makeFont(none, 1);
    ASSERT_NE(bare, 0u);
    vtFontGet(bare, &glyphs, nullptr, nullptr);
    EXPECT_EQ(glyphs, 0);
    EXPECT_FLOAT_EQ(vtFontWidth(bare, 'A'), 0.8f);
    // No glyph arrays at all.
    HeapCopy texture(files.texture);
    const uint32_t noGlyphs = iFontCreateFromMemory(nullptr, 0, nullptr, nullptr, texture.data(), texture.size(), 1, 0);
    EXPECT_NE(noGlyphs, 0u);

    // Without a texture there is no font.
    for (uint32_t made : {font, bare, noGlyphs}) iFontDestroy(made);
    ASSERT_EQ(vtTextureCount(), 0);
    files.texture = "";
    EXPECT_EQ(makeFont(files, 0), 0u);
    files.texture = "DDS broken";
    EXPECT_EQ(makeFont(files, 1), 0u);
    EXPECT_EQ(vtTextureCount(), 0);
    iFontDestroy(0);
    iFontDestroy(77);
}

TEST_F(EngineText, FontFromFilesByPath) {
    std::string dir = scratchDir();
    fixtures::writeFile(dir + "/Blair TT.wid", files.wid);
    fixtures::writeFile(dir + "/Blair TT.dds", files.texture);
    fixtures::writeFile(dir + "/Blair TT_41.x", files.glyphs['A']);
    fixtures::writeFile(dir + "/Blair TT_42.x", files.glyphs['B']);
    uint32_t font = iFontCreate((dir + "/Blair TT.wid").c_str(), 9);
    ASSERT_NE(font, 0u);
    int glyphs = 0, owner = 0;
    ASSERT_EQ(vtFontGet(font, &glyphs, nullptr, &owner), 1);
    EXPECT_EQ(glyphs, 2);
    EXPECT_EQ(owner, 9);
    EXPECT_FLOAT_EQ(vtFontWidth(font, 'B'), 0.5f);
    iFontDestroy(font);
    EXPECT_EQ(vtFontGet(font, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(vtTextureCount(), 0);

    EXPECT_EQ(iFontCreate((dir + "/Other.wid").c_str(), 9), 0u);
    fixtures::writeFile(dir + "/Other.wid", files.wid);
    EXPECT_EQ(iFontCreate((dir + "/Other.wid").c_str(), 9), 0u);  // no texture beside it
    EXPECT_EQ(iFontCreate(nullptr, 9), 0u);
    EXPECT_EQ(iFontCreate("", 9), 0u);
}

// The width file rules the toolkit's fonts share.
TEST(EngineWidthTable, LinesNumbersAndComments) {
    std::string text = "1.25 // A\n0\nabc\n0.5/x\n\n2.0\r\n1.5abc\n-1\n0.9";  // the last line has no line feed
    std::array<float, 256> w = vuz::readWidthTable(text.data(), text.size());
    EXPECT_FLOAT_EQ(w[0], 1.25f);
    EXPECT_FLOAT_EQ(w[1], 0.8f);
    EXPECT_FLOAT_EQ(w[2], 0.8f);
    EXPECT_FLOAT_EQ(w[3], 0.5f);
    EXPECT_FLOAT_EQ(w[4], 0.8f);
    EXPECT_FLOAT_EQ(w[5], 2.0f);
    EXPECT_FLOAT_EQ(w[6], 0.8f);
    EXPECT_FLOAT_EQ(w[7], 0.8f);
    EXPECT_FLOAT_EQ(w[8], 0.8f);  // not read
    EXPECT_FLOAT_EQ(w[255], 0.8f);
    std::string many;
    for (int i = 0; i < 300; ++i) many += "0.5\n";
    w = vuz::readWidthTable(many.data(), many.size());
    EXPECT_FLOAT_EQ(w[255], 0.5f);
}

}  // namespace
