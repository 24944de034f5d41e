// The 2D layer on screen under SDL's off-screen driver: sprites and text land where the
// 32 x 24 plane says, in the promised order, and a click lands on what is drawn under it.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine_fixture.h"
#include "resource_files.h"

namespace {

using fixtures::HeapCopy;

struct Colour {
    int r, g, b;
};

class EngineOverlayScreen : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(openDrawn(&main_));
    }

    uint32_t sprite(int textureId, fixtures::Rgba colour, float x, float y, float w, float h) {
        HeapCopy quad(fixtures::quadX()), picture(fixtures::png(4, 4, colour));
        uint32_t s = iSpriteCreateFromMemory(quad.data(), quad.size(), picture.data(), picture.size(), textureId, 1);
        quad.release();
        picture.release();
        iVector2 at{x, y}, size{w, h};
        iSpriteSet(s, &at, 0.0f, &size);
        iSpriteShow(s);
        return s;
    }

    // A white font with glyphs for A and B only; A is 1 cell wide, B half a cell.
    uint32_t font() {
        std::string wid = fixtures::wid({{'A', 1.0f}, {'B', 0.5f}});
        HeapCopy texture(fixtures::dds(8, 8, {255, 255, 255, 255}));
        HeapCopy a(fixtures::quadX()), b(fixtures::quadX());
        const void* glyphs[256] = {};
        uint32_t sizes[256] = {};
        glyphs['A'] = a.data();
        sizes['A'] = a.size();
        glyphs['B'] = b.data();
        sizes['B'] = b.size();
        return iFontCreateFromMemory(wid.data(), static_cast<uint32_t>(wid.size()), glyphs, sizes, texture.data(),
                                     texture.size(), 50, 1);
    }

    // The pixel under a point of the plane.
    Colour at(float x, float y) {
        uint8_t rgba[4] = {0, 0, 0, 0};
        EXPECT_EQ(vtReadPixel((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f, rgba), 1);
        return {rgba[0], rgba[1], rgba[2]};
    }
    HWND main_ = nullptr;
    static bool is(Colour c, int r, int g, int b) {
        return std::abs(c.r - r) <= 3 && std::abs(c.g - g) <= 3 && std::abs(c.b - b) <= 3;
    }
};

#define EXPECT_COLOUR(pixel, red, green, blue) \
    EXPECT_TRUE(is((pixel), (red), (green), (blue))) << (pixel).r << "," << (pixel).g << "," << (pixel).b

TEST_F(EngineOverlayScreen, SpritesAndTextLandWhereThePlaneSays) {
    // Made in this order; the green one has the higher priority, the blue one comes later.
    uint32_t green = sprite(1, {0, 255, 0, 255}, -7.0f, 6.0f, 6.0f, 2.0f);
    sprite(2, {255, 0, 0, 255}, -12.0f, 6.0f, 8.0f, 4.0f);
    sprite(3, {0, 0, 255, 255}, -13.0f, 8.0f, 3.0f, 1.0f);
    iSpritePrioritySet(green, 1);
    // A line turned a quarter counter-clockwise about its left end.
    uint32_t line = sprite(2, {255, 0, 0, 255}, 4.0f, -6.0f, 8.0f, 0.5f);
    iSpriteOrientationSet(line, 90.0f);
    // White at half strength, half transparent, over black.
    uint32_t grey = sprite(4, {255, 255, 255, 255}, 8.0f, 6.0f, 4.0f, 4.0f);
    iSpriteColorSet(grey, 1.0f, 1.0f, 0.0f, 0.5f);
    // Text over the red sprite, in cyan: A at 1.5..2.5, B at 2.5..3.5, a blank of 0.8, A at 3.8..4.8.
    uint32_t f = font();
    ASSERT_NE(f, 0u);
    sprite(2, {255, 0, 0, 255}, 0.0f, -8.0f, 8.0f, 1.0f);  // under the text
    iVortaneMain();
    iPrintColorSet(0.0f, 1.0f, 1.0f, 1.0f);
    iVector2 where{2.0f, -8.0f}, cell{1.0f, 2.0f};
    iPrint("AB A", &where, &cell, 0.0f, f);
    iPrintColorSet(1.0f, 1.0f, 1.0f, 1.0f);
    iVortaneRender();

    EXPECT_COLOUR(at(-11.5f, 5.0f), 255, 0, 0);  // red alone
    EXPECT_COLOUR(at(-5.0f, 6.0f), 0, 255, 0);   // green, priority 1, over red
    EXPECT_COLOUR(at(-11.0f, 7.8f), 0, 0, 255);  // blue, made after red, over it
    EXPECT_COLOUR(at(-12.5f, 5.0f), 0, 0, 0);    // left of red's left edge
    EXPECT_COLOUR(at(-8.0f, 8.3f), 0, 0, 0);     // above red's top
    EXPECT_COLOUR(at(4.0f, -2.0f), 255, 0, 0);   // the turned line runs up
    EXPECT_COLOUR(at(7.0f, -6.0f), 0, 0, 0);     // not along x
    EXPECT_COLOUR(at(10.0f, 6.0f), 127, 127, 0);
    EXPECT_COLOUR(at(2.0f, -8.0f), 0, 255, 255);   // the first A
    EXPECT_COLOUR(at(3.2f, -8.0f), 0, 255, 255);   // B
    EXPECT_COLOUR(at(3.65f, -7.8f), 255, 0, 0);    // the blank: the sprite below shows
    EXPECT_COLOUR(at(4.3f, -8.0f), 0, 255, 255);   // the second A
    EXPECT_COLOUR(at(5.3f, -8.0f), 255, 0, 0);     // past the text
    EXPECT_COLOUR(at(2.0f, -9.2f), 0, 0, 0);       // below the cells, beside the sprite
    vtText t;
    ASSERT_EQ(vtTextGet(0, &t), 1);
    EXPECT_FLOAT_EQ(t.width, 3.3f);
    EXPECT_FLOAT_EQ(iPrintWidth("AB A", &cell, 0.0f, f), 3.3f);

    const char* keep = std::getenv("VUZ_KEEP_SCREENSHOT");
    std::string png = keep && *keep ? keep : (std::filesystem::path(scratchDir()) / "overlay.png").string();
    EXPECT_EQ(vtScreenshot(png.c_str()), 1);

    // A second render of the same frame shows the text again; the next frame does not.
    iRender();
    EXPECT_COLOUR(at(2.0f, -8.0f), 0, 255, 255);
    iVortaneMain();
    iVortaneRender();
    EXPECT_COLOUR(at(2.0f, -8.0f), 255, 0, 0);
}

TEST_F(EngineOverlayScreen, HiddenAndDestroyedSpritesAreNotDrawnAndSpritesOutliveTheWindow) {
    uint32_t a = sprite(1, {255, 0, 0, 255}, -4.0f, 0.0f, 8.0f, 4.0f);
    iVortaneMain();
    iVortaneRender();
    EXPECT_COLOUR(at(0.0f, 0.0f), 255, 0, 0);
    iSpriteHide(a);
    iVortaneRender();
    EXPECT_COLOUR(at(0.0f, 0.0f), 0, 0, 0);
    iSpriteShow(a);
    iSpriteDestroy(a);
    iVortaneRender();
    EXPECT_COLOUR(at(0.0f, 0.0f), 0, 0, 0);

    // Sprites outlive the window.
    a = sprite(2, {0, 0, 255, 255}, -4.0f, 0.0f, 8.0f, 4.0f);
    iVortaneMain();
    iVortaneRender();
    EXPECT_COLOUR(at(0.0f, 0.0f), 0, 0, 255);
    // The window and its GL context go first; the sprite and its texture later.
    DestroyWindow(main_);
    EXPECT_EQ(vtWindowOpen(), 0);
    iVortaneMain();
    iVortaneRender();
    iSpriteDestroy(a);
    EXPECT_EQ(vtTextureCount(), 0);
}

// A click at the drawn centre of a rectangle picks it, a click just outside its drawn top or
// bottom edge does not: by the toolkit's pick box on iMouseY and by iSpritePicked.
TEST_F(EngineOverlayScreen, AClickLandsOnWhatIsDrawnUnderIt) {
    const float x = -2.0f, y = 3.0f, w = 4.0f, h = 3.0f;
    uint32_t s = sprite(1, {255, 255, 255, 255}, x, y, w, h);
    iVortaneMain();
    iVortaneRender();
    // Find the drawn rectangle's rows in the middle column.
    const int height = 479;
    float u = (x + w / 2 + 16.0f) / 32.0f;
    int top = -1, bottom = -1;
    for (int row = 0; row < height; ++row) {
        uint8_t rgba[4];
        ASSERT_EQ(vtReadPixel(u, (row + 0.5f) / height, rgba), 1);
        if (rgba[0] > 128) {
            if (top < 0) top = row;
            bottom = row;
        }
    }
    ASSERT_GT(top, 0);
    ASSERT_GT(bottom, top);
    // The pointer's position as the window reports it: the pixel row over the height.
    auto clickRow = [&](int row) {
        vtMouseSet(u, static_cast<float>(row) / height);
        iVortaneMain();
        float my = 12.0f - 24.0f * iMouseY();
        bool boxPicked = my >= y - 0.5f - h / 2 && my <= y - 0.5f + h / 2;  // the toolkit's rectangle test
        return std::pair{boxPicked, iSpritePicked(s) != 0};
    };
    EXPECT_EQ(clickRow((top + bottom) / 2), std::pair(true, true));
    EXPECT_EQ(clickRow(top + 1), std::pair(true, true));
    EXPECT_EQ(clickRow(bottom), std::pair(true, true));
    EXPECT_EQ(clickRow(top - 1), std::pair(false, false));
    EXPECT_EQ(clickRow(bottom + 2), std::pair(false, false));
}

}  // namespace
