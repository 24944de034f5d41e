// Frames drawn from the skin's pictures, the width-file reader against the engine's, the pack
// fonts, and text blocks printed through the print list.
#include <fstream>
#include <iterator>

#include "GuiTestKit.h"
#include "gui/GuiBorder.h"
#include "gui/GuiFonts.h"
#include "gui/GuiSuperBorder.h"
#include "gui/ILine.h"
#include "gui/IRect.h"

namespace {

using guitest::GuiFixture;
using guitest::PrintedText;
using guitest::spriteOf;

class BordersFontsText : public GuiFixture {};

TEST_F(BordersFontsText, FramesFollowTheRectangleTheyAreGiven) {
    GuiSuperBorder super(&artist->firstBorderArtist);
    super.setSize(Vector2(4.0f, 2.0f));
    super.setLocation(Vector2(0.0f, 0.0f));
    vtSprite top = spriteOf(super.getPiece(0)), bottomLeft = spriteOf(super.getPiece(5));
    EXPECT_TRUE(guitest::at(top.scale, 3.75f, 0.25f));
    EXPECT_TRUE(guitest::at(top.location, 0.125f, 1.0f));
    EXPECT_TRUE(guitest::at(bottomLeft.location, -0.125f, -1.0f));
    EXPECT_TRUE(top.visible);
    super.setSize(Vector2(1.0f, 5.0f));
    EXPECT_EQ(super.getSize(), Vector2(2.0f, 5.0f));

    // Style -1 and a missing artist make a border without sprites.
    const int sprites = vtSpriteCount();
    auto none = borders->createBorder(artist.get(), -1);
    auto orphan = borders->createBorder(nullptr, 0);
    none->setSize(Vector2(3.0f, 3.0f));
    orphan->refresh();
    EXPECT_EQ(vtSpriteCount(), sprites);
    EXPECT_EQ(none->getArtist(), nullptr);
    EXPECT_NE(dynamic_cast<GuiSuperBorder*>(borders->createBorder(artist.get(), 0).get()), nullptr);
    EXPECT_EQ(borders->createBorder(artist.get(), 7)->getArtist(), &artist->secondBorderArtist);

    // Four lines along the edges of [1, 5] x [0, 2]: top rightwards, right upwards, bottom
    // leftwards, left downwards, each centred on its edge.
    guitest::Counted<GuiBorder> lines(&artist->secondBorderArtist);
    lines.setLocation(Vector2(1.0f, 1.0f));
    lines.setSize(Vector2(4.0f, 2.0f));
    const struct {
        float x, y, angle, length;
    } expected[4] = {{0.95f, 2.0f, 0.0f, 4.1f}, {5.0f, 0.0f, 90.0f, 2.0f}, {5.05f, 0.0f, 180.0f, 4.1f},
                     {1.0f, 2.0f, 270.0f, 2.0f}};
    for (int i = 0; i < 4; ++i) {
        const vtSprite line = spriteOf(lines.getLine(i));
        EXPECT_FLOAT_EQ(line.location.x, expected[i].x) << i;
        EXPECT_FLOAT_EQ(line.location.y, expected[i].y) << i;
        EXPECT_FLOAT_EQ(line.angle, expected[i].angle) << i;
        EXPECT_FLOAT_EQ(line.scale.x, expected[i].length) << i;
        EXPECT_FLOAT_EQ(line.scale.y, 0.1f) << i;
    }
    lines.hide();
    EXPECT_FALSE(spriteOf(lines.getLine(2)).visible);
    const int redraws = lines.refreshes;
    lines.hide();
    lines.setSize(Vector2(4.0f, 2.0f));
    EXPECT_EQ(lines.refreshes, redraws);
}

std::string packFile(const std::string& gameName) {
    std::ifstream in(pack::hostFile(gameName), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The engine's widths for a width file, through a font made from its bytes.
std::vector<float> engineWidths(const std::string& wid) {
    static const std::string atlas = packFile("default_res\\fontblairwhite\\BlairMdITC TT.dds");
    static int textureId = 90000;
    std::vector<const void*> glyphs(256, nullptr);
    std::vector<uint32_t> sizes(256, 0);
    const uint32_t font = iFontCreateFromMemory(wid.data(), static_cast<uint32_t>(wid.size()), glyphs.data(),
                                                sizes.data(), atlas.data(), static_cast<uint32_t>(atlas.size()),
                                                ++textureId, 1);
    EXPECT_NE(font, 0u);
    std::vector<float> widths;
    for (int code = 0; code < 256; ++code) widths.push_back(vtFontWidth(font, code));
    iFontDestroy(font);
    return widths;
}

std::vector<float> toolkitWidths(const std::string& wid) {
    const auto widths = GuiFont::readWidths(reinterpret_cast<const unsigned char*>(wid.data()), wid.size());
    return std::vector<float>(widths.begin(), widths.end());
}

TEST_F(BordersFontsText, WidthFilesReadAsTheEngineReadsThem) {
    const std::string mixed =
        "1.25 // comment\n0.5/comment\n0.59380 //A\n0.5\r\n0\n0.0\n\n   \nabc\n/ 1.0\n1.25abc\n-0.5\n0.75\t// tab\n0.6";
    const std::vector<float> read = toolkitWidths(mixed);
    const float expected[14] = {1.25f, 0.5f, 0.5938f, 0.5f, 0.8f, 0.8f, 0.8f, 0.8f, 0.8f, 0.8f, 0.8f, 0.8f, 0.75f, 0.8f};
    for (int code = 0; code < 14; ++code) EXPECT_FLOAT_EQ(read[code], expected[code]) << "line " << code;

    std::string tenLines, longFile;
    for (int i = 0; i < 10; ++i) tenLines += "0.7\n";
    for (int i = 0; i < 300; ++i) longFile += (i < 256 ? "0.5\n" : "2.0\n");
    EXPECT_FLOAT_EQ(toolkitWidths(tenLines)[9], 0.7f);
    EXPECT_FLOAT_EQ(toolkitWidths(tenLines)[10], 0.8f);
    EXPECT_FLOAT_EQ(toolkitWidths(longFile)[255], 0.5f);
    for (const std::string& sample : {mixed, tenLines, longFile, std::string("9\r\n-1\n1e2x\n")}) {
        EXPECT_EQ(toolkitWidths(sample), engineWidths(sample)) << sample.substr(0, 20);
    }

    EXPECT_EQ(GuiFont::glyphName("default_res\\f\\Font.wid", 255), "default_res\\f\\Font_ff.x");
    EXPECT_EQ(GuiFont::glyphName("default_res\\f\\Font.wid", 10), "default_res\\f\\Font_0a.x");
    EXPECT_EQ(GuiFont::glyphName(std::string(600, 'x') + ".wid", 65), std::string(600, 'x') + "_41.x");
}

TEST_F(BordersFontsText, PackFontsLoadAndMeasureWhatThePrintDraws) {
    // Read in full, the table comes from the file with the glyphs the pack has.
    GuiFont read(guitest::WhiteFont, guitest::Camera, false);
    ASSERT_TRUE(read.isLoaded());
    EXPECT_FLOAT_EQ(read.getGlyph('A').width, vtFontWidth(read.getEngineFont(), 'A'));
    EXPECT_EQ(read.getGlyph('A').path, "default_res\\fontblairwhite\\BlairMdITC TT_41.x");
    EXPECT_EQ(read.getGlyph(static_cast<char>(0xe9)).path, "default_res\\fontblairwhite\\BlairMdITC TT_e9.x");

    // Skipped, every entry is the default and the engine spaces the text.
    EXPECT_FALSE(font->isLoaded());
    for (int code = 0; code < 256; ++code) {
        EXPECT_FLOAT_EQ(font->getGlyph(static_cast<char>(code)).width, 0.8f);
        EXPECT_TRUE(font->getGlyph(static_cast<char>(code)).path.empty());
    }

    const char* folders[] = {"fontblairblack", "fontblairblack30", "fontblairwhite30", "fontblairblue30", "fontblairwhite"};
    for (const char* folder : folders) {
        GuiFont packFont((std::string("default_res\\") + folder + "\\BlairMdITC TT.wid").c_str(), 1, true);
        EXPECT_NE(packFont.getEngineFont(), 0u) << folder;
    }
    GuiTextBlock line(artist.get(), font.get(), ticker.get(), true);
    line.setText("Quick Match 7");
    line.setCharSize(Vector2(0.35f, 0.35f));
    line.setSpacing(0.02f);
    const std::vector<PrintedText> texts = printFrame();
    ASSERT_EQ(texts.size(), 1u);
    vtText printedLine{};
    ASSERT_TRUE(vtTextGet(0, &printedLine));
    EXPECT_FLOAT_EQ(line.measure("Quick Match 7"), printedLine.width);
    EXPECT_GT(printedLine.width, 2.0f);

    // A font that cannot be made prints nothing and measures 0.
    GuiFont missing("default_res\\nowhere\\Missing.wid", 1, false);
    EXPECT_EQ(missing.getEngineFont(), 0u);
    EXPECT_FALSE(missing.isLoaded());
    EXPECT_FLOAT_EQ(missing.textWidth("abc", Vector2(1, 1), 0.0f), 0.0f);
    GuiTextBlock silent(artist.get(), &missing, ticker.get(), true);
    silent.setText("never shown");
    EXPECT_EQ(printFrame().size(), 1u);
}

TEST_F(BordersFontsText, TextBlocksPrintTheirLinesDownwardsEveryFrame) {
    GuiTextBlock block(artist.get(), font.get(), ticker.get(), true);
    block.setText("a\nb");
    block.setLocation(Vector2(2.0f, 3.0f));
    block.setCharSize(Vector2(0.4f, 0.6f));
    block.setSpacing(0.1f);
    std::vector<PrintedText> texts = printFrame();
    EXPECT_EQ(vtTextCount(), 3);  // and one empty text after the last line
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "a");
    EXPECT_TRUE(guitest::at(texts[0].location, 2.2f, 3.0f));
    EXPECT_EQ(texts[1].text, "b");
    EXPECT_TRUE(guitest::at(texts[1].location, 2.2f, 2.4f));
    EXPECT_FLOAT_EQ(texts[1].cell.y, 0.6f);
    EXPECT_FLOAT_EQ(texts[1].spacing, 0.1f);
    EXPECT_EQ(texts[1].font, font->getEngineFont());

    block.setText("a\n");
    EXPECT_EQ(block.lineCount(), 2u);
    block.setText("");
    EXPECT_EQ(block.lineCount(), 1u);
    block.setText("zero\none\ntwo\nthree");
    block.setLastLine(2);
    block.setFirstLine(5);
    EXPECT_EQ(block.getFirstLine(), 2u);
    texts = printFrame();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "two");

    // Hidden: nothing; deleted: gone from the list; two blocks print in the order made.
    block.hide();
    EXPECT_TRUE(printFrame().empty());
    auto first = std::make_unique<GuiTextBlock>(artist.get(), font.get(), ticker.get(), true);
    GuiTextBlock second(artist.get(), font.get(), ticker.get(), true);
    first->setText("A");
    second.setText("B");
    texts = printFrame();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text + texts[1].text, "AB");
    first.reset();
    texts = printFrame();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "B");

    GuiTextBlock clamped(artist.get(), font.get(), nullptr, true);
    clamped.setFirstLine(3);
    clamped.setLastLine(0);
    EXPECT_EQ(clamped.getLastLine(), 3u);
}

TEST_F(BordersFontsText, SpriteModeLaysCharactersOutLikeThePrint) {
    const int sprites = vtSpriteCount();
    GuiTextBlock block(artist.get(), font.get(), ticker.get(), false);
    block.setCharSize(Vector2(0.5f, 0.5f));
    block.setSpacing(0.1f);
    block.setLocation(Vector2(-4.0f, 2.0f));
    block.setText("a b\nc");
    EXPECT_TRUE(printFrame().empty());  // nothing through the engine's print
    ASSERT_EQ(vtSpriteCount(), sprites + 5);
    std::vector<vtSprite> shown;
    for (int i = 0; i < vtSpriteCount(); ++i) {
        const vtSprite s = spriteOf(vtSpriteAt(i));
        if (s.visible) shown.push_back(s);
    }
    ASSERT_EQ(shown.size(), 3u);  // the blank and the line feed stay hidden
    const float advance = 0.8f * 0.5f + 0.1f;
    EXPECT_FLOAT_EQ(shown[0].location.x, -4.0f);
    EXPECT_TRUE(guitest::at(shown[1].location, -4.0f + 2.0f * advance, 2.0f));
    EXPECT_TRUE(guitest::at(shown[2].location, -4.0f, 1.5f));
    block.hide();
    for (int i = 0; i < vtSpriteCount(); ++i) EXPECT_FALSE(spriteOf(vtSpriteAt(i)).visible);
}

}  // namespace
