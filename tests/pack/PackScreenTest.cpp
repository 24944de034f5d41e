// The pack on screen, drawn by the engine under SDL's off-screen driver: fontwhite's glyph atlas
// laid out cell by cell through its glyph sprites, the title band, the main-menu logo, two menu
// entries with their buttons and captions, the "Fight" and "Knockdown" banners and a line of text
// in a pack font. Everything is read through the game's resource layer from the game folder, as
// the game reads it. The screenshot is kept for people to look at.
#include <cstdio>
#include <string>
#include <vector>

#include "PackTestSupport.h"

namespace {

using pack::Rgb;

const char* const GeneralFolder = "Tavek_res\\gui\\general\\";
const char* const MenuFolder = "Tavek_res\\gui\\mainMenu\\";
const char* const BannerFolder = "Tavek_res\\gui\\matchScreen\\";
const char* const SpriteFolder = "default_res\\sprites\\";
const char* const GlyphFolder = "default_res\\fontwhite\\";
const char* const CaptionFont = "default_res\\fontblairwhite30\\BlairMdITC TT.wid";

// A rectangle of the 32 x 24 plane: left, bottom, right, top.
struct Area {
    float left, bottom, right, top;
};

// What should change on screen once the pack's pictures and text are drawn over the backdrop:
// the share of an area's samples that clearly change must lie within least..most.
struct Probe {
    std::string what;
    Area area;
    double least, most;
};

// The glyph atlas: 16 x 16 cells, code c at column c % 16, row c / 16 from the top.
constexpr float AtlasLeft = -15.5f;
constexpr float AtlasTop = 9.0f;
constexpr float AtlasCell = 0.75f;

Area atlasCell(int code) {
    const float left = AtlasLeft + static_cast<float>(code % 16) * AtlasCell;
    const float top = AtlasTop - static_cast<float>(code / 16) * AtlasCell;
    return {left, top - AtlasCell, left + AtlasCell, top};
}

// The upper or lower part of an area, as a share of its height from the top.
Area band(Area area, float fromTop, float toTop) {
    const float height = area.top - area.bottom;
    return {area.left, area.top - toTop * height, area.right, area.top - fromTop * height};
}

class PackScreen : public pack::DrawingTest {
protected:
    void TearDown() override {
        if (files) {
            for (uint32_t sprite : sprites) files->destroySprite(sprite);
            files->destroyFont(font);
        }
        DrawingTest::TearDown();
    }

    // A pack sprite shown over the area.
    uint32_t show(const std::string& name, Area at, int priority, bool glyph = false) {
        const uint32_t sprite = files->createSprite(name, 1, glyph);
        EXPECT_NE(sprite, 0u) << name;
        iVector2 location{at.left, (at.bottom + at.top) / 2.0f};
        iVector2 scale{at.right - at.left, at.top - at.bottom};
        iSpriteSet(sprite, &location, 0.0f, &scale);
        iSpritePrioritySet(sprite, priority);
        iSpriteShow(sprite);
        sprites.push_back(sprite);
        return sprite;
    }

    // The presented pixels at the centres of a columns x rows grid over the area.
    static std::vector<Rgb> sample(Area area, int columns = 16, int rows = 16) {
        std::vector<Rgb> pixels;
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                const float x = area.left + (column + 0.5f) * (area.right - area.left) / columns;
                const float y = area.top - (row + 0.5f) * (area.top - area.bottom) / rows;
                pixels.push_back(pack::presentedAt(x, y));
            }
        }
        return pixels;
    }

    // The share of samples that clearly differ between two readings of one area.
    static double changed(const std::vector<Rgb>& before, const std::vector<Rgb>& after) {
        if (before.empty() || before.size() != after.size()) return -1.0;
        size_t different = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            const int distance = std::abs(before[i].r - after[i].r) + std::abs(before[i].g - after[i].g) +
                                 std::abs(before[i].b - after[i].b);
            if (distance > 60) ++different;
        }
        return static_cast<double>(different) / static_cast<double>(before.size());
    }

    std::vector<uint32_t> sprites;
    uint32_t font = 0;
};

TEST_F(PackScreen, GlyphAtlasPicturesBannersAndTextAreLegible) {
    const std::string general = GeneralFolder, menu = MenuFolder, banners = BannerFolder, toolkit = SpriteFolder;
    const Area logo{3.5f, 2.0f, 14.0f, 9.0f};
    const Area quickMatch{-15.5f, -5.75f, -8.5f, -4.25f};
    const Area options{-15.5f, -7.75f, -8.5f, -6.25f};
    const Area fight{-2.0f, -8.4f, 5.4f, -3.4f};
    const Area knockdown{6.4f, -7.6f, 15.5f, -3.6f};

    font = files->createFont(CaptionFont, 1);
    ASSERT_NE(font, 0u) << CaptionFont;
    const char* const scoreLine = "Round 2 of 3   Blue 2 : 1 Red   0:42";
    const iVector2 caption{0.8f, 0.8f}, cell{0.9f, 0.9f}, lineAt{-15.0f, -10.3f};
    const float lineLeft = lineAt.x - cell.x / 2.0f, lineRight = lineLeft + iPrintWidth(scoreLine, &cell, 0.0f, font);
    ASSERT_GT(lineRight, lineLeft + 10.0f);

    std::vector<Probe> probes = {
        {"the logo", logo, 0.12, 1.0},
        {"the highlighted menu entry", quickMatch, 0.2, 1.0},
        {"the menu entry", options, 0.2, 1.0},
        {"the Fight banner", fight, 0.2, 1.0},
        {"the Knockdown banner", knockdown, 0.2, 1.0},
        {"right of the Knockdown banner", {knockdown.right + 0.05f, knockdown.bottom, 16.0f, knockdown.top}, 0.0, 0.0},
        {"above the logo", {logo.left, logo.top + 0.05f, logo.right, 9.7f}, 0.0, 0.0},
        {"the line of text", {lineLeft, lineAt.y - 0.3f, lineRight, lineAt.y + 0.3f}, 0.05, 1.0},
        {"right of the line of text", {lineRight + 0.1f, lineAt.y - 0.45f, lineRight + 4.0f, lineAt.y + 0.45f}, 0.0, 0.0},
    };
    for (int code : {int{'A'}, int{'g'}, int{'W'}, int{'#'}, int{'0'}, int{'&'}, 0xe9}) {
        probes.push_back({"glyph " + std::to_string(code), atlasCell(code), 0.08, 1.0});
    }
    // Cells without a glyph draw nothing (0x00 is every widget's invisible pick area).
    for (int code : {0x00, 0x01, 0x10, 0x1f, 0x80}) {
        probes.push_back({"empty cell " + std::to_string(code), atlasCell(code), 0.0, 0.0});
    }
    // The right way up: "_" inks the bottom of its cell, the macron the top of its own.
    probes.push_back({"above the underscore", band(atlasCell('_'), 0.0f, 0.55f), 0.0, 0.02});
    probes.push_back({"the underscore", band(atlasCell('_'), 0.7f, 1.0f), 0.05, 1.0});
    probes.push_back({"the macron", band(atlasCell(0xaf), 0.0f, 0.45f), 0.05, 1.0});
    probes.push_back({"below the macron", band(atlasCell(0xaf), 0.55f, 1.0f), 0.0, 0.02});

    // The backdrop: the menu background, the title band and a dark panel behind the atlas.
    show(general + "main-bg.x", {-16.0f, -12.0f, 16.0f, 12.0f}, 0);
    show("Tavek_res\\gui\\global\\title_bkgd.x", {-15.0f, 9.75f, 15.0f, 11.25f}, 1);
    const uint32_t panel = show(general + "black.x", {-15.8f, -3.3f, -3.2f, 9.3f}, 1);
    iSpriteColorSet(panel, 1.0f, 1.0f, 1.0f, 0.6f);
    iVortaneMain();
    iVortaneRender();
    std::vector<std::vector<Rgb>> before;
    for (const Probe& probe : probes) before.push_back(sample(probe.area));

    // fontwhite's atlas through its 256 glyph sprites, each over its own cell.
    char glyphName[64];
    for (int code = 0; code < 256; ++code) {
        std::snprintf(glyphName, sizeof glyphName, "%sfont_%02x.x", GlyphFolder, code);
        show(glyphName, atlasCell(code), 2, true);
    }
    show(general + "main-logo.x", logo, 2);
    show(menu + "main-dot-quickmatch-2.x", quickMatch, 2);
    show(toolkit + "buttonOn.x", {quickMatch.left, quickMatch.bottom, quickMatch.left + 1.5f, quickMatch.top}, 3);
    show(menu + "main-dot-options-1.x", options, 2);
    show(toolkit + "buttonOff.x", {options.left, options.bottom, options.left + 1.5f, options.top}, 3);
    show(banners + "Fight.x", fight, 4);
    show(banners + "Knockdown.x", knockdown, 4);
    show(toolkit + "cursor.x", {-9.6f, -5.6f, -8.6f, -4.6f}, 9);  // the pointer on "Quick Match"
    iVortaneMain();
    const iVector2 quickAt{quickMatch.left + 2.4f, -5.0f}, optionsAt{options.left + 2.4f, -7.0f};
    iPrint("Quick Match", &quickAt, &caption, 0.0f, font);
    iPrint("Game Options", &optionsAt, &caption, 0.0f, font);
    iPrint(scoreLine, &lineAt, &cell, 0.0f, font);
    iVortaneRender();
    ASSERT_EQ(vtTextCount(), 3);

    keepScreenshot("pack_screen.png", "VUZ_KEEP_SCREENSHOT");

    for (size_t i = 0; i < probes.size(); ++i) {
        const double share = changed(before[i], sample(probes[i].area));
        EXPECT_GE(share, probes[i].least) << probes[i].what;
        EXPECT_LE(share, probes[i].most) << probes[i].what;
    }
}

}  // namespace
