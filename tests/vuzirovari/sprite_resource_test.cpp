// Sprites made from memory: what the engine keeps, shared textures, destroy tolerance and
// the pointer rule, without drawing.
#include <cmath>
#include <string>

#include "engine_fixture.h"
#include "resource_files.h"

namespace {

using fixtures::HeapCopy;

class EngineSprites : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        openHeadless();
    }
    uint32_t makeSprite(int textureId, const std::string& x = fixtures::quadX(),
                        const std::string& picture = fixtures::png(4, 2, {255, 0, 0, 255})) {
        HeapCopy xBytes(x), pictureBytes(picture);
        uint32_t s = iSpriteCreateFromMemory(xBytes.data(), xBytes.size(), pictureBytes.data(), pictureBytes.size(),
                                             textureId, 7);
        // The engine keeps nothing of the caller's buffers.
        xBytes.release();
        pictureBytes.release();
        return s;
    }
};

TEST_F(EngineSprites, CreatedHiddenAtTheOriginWithItsTextureBlendingByAlpha) {
    uint32_t s = makeSprite(3, fixtures::quadX(0, 0, 1, 1, "cursor.png"));
    ASSERT_NE(s, 0u);
    vtSprite v;
    ASSERT_EQ(vtSpriteGet(s, &v), 1);
    EXPECT_EQ(v.visible, 0);
    EXPECT_FLOAT_EQ(v.location.x, 0.0f);
    EXPECT_FLOAT_EQ(v.scale.x, 1.0f);
    EXPECT_FLOAT_EQ(v.scale.y, 1.0f);
    EXPECT_FLOAT_EQ(v.colour.w, 1.0f);
    EXPECT_EQ(v.priority, 0);
    EXPECT_EQ(v.blendSource, 5);
    EXPECT_EQ(v.blendTarget, 6);
    EXPECT_EQ(v.textureId, 3);
    EXPECT_STREQ(v.textureName, "cursor.png");
    EXPECT_EQ(v.textureWidth, 4);
    EXPECT_EQ(v.textureHeight, 2);
    EXPECT_EQ(v.owner, 7);

    // Blend factors the engine does not know fall back to alpha blending.
    iSpriteRenderModeSet(s, 2, 2);
    ASSERT_EQ(vtSpriteGet(s, &v), 1);
    EXPECT_EQ(v.blendSource, 2);
    iSpriteRenderModeSet(s, 0, 99);
    ASSERT_EQ(vtSpriteGet(s, &v), 1);
    EXPECT_EQ(v.blendSource, 5);
    EXPECT_EQ(v.blendTarget, 6);
}

TEST_F(EngineSprites, TheSameTextureIdSharesOneTexture) {
    uint32_t a = makeSprite(4, fixtures::quadX(), fixtures::png(8, 8, {0, 255, 0, 255}));
    // The second one's bytes are not even read: the id names the texture.
    uint32_t b = makeSprite(4, fixtures::quadX(), "not a picture");
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_EQ(vtTextureCount(), 1);
    uint32_t c = makeSprite(5, fixtures::quadX(), fixtures::png(2, 2, {0, 0, 255, 255}));
    ASSERT_NE(c, 0u);
    EXPECT_EQ(vtTextureCount(), 2);
    iSpriteDestroy(a);
    EXPECT_EQ(vtTextureCount(), 2);
    iSpriteDestroy(b);
    EXPECT_EQ(vtTextureCount(), 1);  // the last user of id 4 is gone
    vtSprite v;
    EXPECT_EQ(vtSpriteGet(b, &v), 0);
}

TEST_F(EngineSprites, BrokenFilesGiveZeroAndLeaveNothing) {
    EXPECT_EQ(makeSprite(0, "xof 0302txt 0032\nMesh {", fixtures::png(2, 2, {1, 2, 3, 255})), 0u);
    EXPECT_EQ(makeSprite(0, "", fixtures::png(2, 2, {1, 2, 3, 255})), 0u);
    EXPECT_EQ(makeSprite(1, fixtures::quadX(), ""), 0u);
    std::string truncated = fixtures::png(16, 16, {1, 2, 3, 255});
    EXPECT_EQ(makeSprite(2, fixtures::quadX(), truncated.substr(0, truncated.size() / 2)), 0u);
    EXPECT_EQ(makeSprite(3, fixtures::quadX(), fixtures::dds(4, 4, {1, 2, 3, 4}).substr(0, 140)), 0u);
    // A line-shaped "quad" with no area.
    std::string flat = "xof 0302txt 0032\nMesh L { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 2.0;0.0;0.0;; 1; 3;0,1,2;; }\n";
    EXPECT_EQ(makeSprite(4, flat, fixtures::png(2, 2, {1, 2, 3, 255})), 0u);
    EXPECT_EQ(iSpriteCreateFromMemory(nullptr, 0, nullptr, 0, 0, 0), 0u);
    EXPECT_EQ(vtSpriteCount(), 0);
    EXPECT_EQ(vtTextureCount(), 0);
}

TEST_F(EngineSprites, DestroyIsHarmlessForAnyHandleAndResetDropsEverything) {
    uint32_t s = makeSprite(0);
    iSpriteDestroy(s);
    iSpriteDestroy(s);
    iSpriteDestroy(0);
    iSpriteDestroy(12345);
    iSpriteShow(s);
    iVector2 v{1, 1};
    iSpriteSet(s, &v, 0.0f, &v);
    iSpriteSet(0, nullptr, 0.0f, nullptr);
    EXPECT_EQ(iSpritePicked(s), 0);
    EXPECT_EQ(vtSpriteCount(), 0);
    uint32_t next = makeSprite(0);
    EXPECT_GT(next, s);  // handles are never reused

    makeSprite(1);
    vtReset();
    EXPECT_EQ(vtSpriteCount(), 0);
    EXPECT_EQ(vtTextureCount(), 0);
}

TEST_F(EngineSprites, DrawingOrderIsPriorityThenCreation) {
    uint32_t a = makeSprite(0), b = makeSprite(0), c = makeSprite(0);
    iSpritePrioritySet(a, 1);
    iSpritePrioritySet(c, -1);
    EXPECT_EQ(vtSpriteAt(0), c);
    EXPECT_EQ(vtSpriteAt(1), b);
    EXPECT_EQ(vtSpriteAt(2), a);
    EXPECT_EQ(vtSpriteAt(3), 0u);
}

TEST_F(EngineSprites, TexturesChangeByIdByFileAndBack) {
    uint32_t a = makeSprite(0, fixtures::quadX(), fixtures::png(4, 4, {255, 0, 0, 255}));
    uint32_t b = makeSprite(1, fixtures::quadX(), fixtures::png(2, 2, {0, 255, 0, 255}));
    vtSprite v;
    iSpriteTextureSet(a, 1);
    ASSERT_EQ(vtSpriteGet(a, &v), 1);
    EXPECT_EQ(v.textureWidth, 2);
    iSpriteTextureSet(a, 99);  // no such texture: unchanged
    ASSERT_EQ(vtSpriteGet(a, &v), 1);
    EXPECT_EQ(v.textureWidth, 2);
    iSpriteTextureReset(a);
    ASSERT_EQ(vtSpriteGet(a, &v), 1);
    EXPECT_EQ(v.textureWidth, 4);
    iSpriteTextureSwap(a, b);
    ASSERT_EQ(vtSpriteGet(b, &v), 1);
    EXPECT_EQ(v.textureWidth, 4);

    std::string file = scratchDir() + "/Banner.PNG";
    fixtures::writeFile(file, fixtures::png(16, 8, {9, 9, 9, 255}));
    iSpriteTextureChange(a, file.c_str());
    ASSERT_EQ(vtSpriteGet(a, &v), 1);
    EXPECT_EQ(v.textureWidth, 16);
    EXPECT_EQ(std::string(v.textureName), file);
    iSpriteTextureChange(a, (scratchDir() + "/missing.png").c_str());
    iSpriteAlphaTextureChange(a, (scratchDir() + "/missing.png").c_str());
    ASSERT_EQ(vtSpriteGet(a, &v), 1);
    EXPECT_EQ(v.textureWidth, 16);
    iSpriteAlphaTextureChange(a, file.c_str());
    ASSERT_EQ(vtSpriteGet(a, &v), 1);
    EXPECT_EQ(v.textureWidth, 16);
}

// The pointer rule: iMouseY reads half a unit below the pointer's pixel, so the toolkit's
// pick box [y - 0.5 - h/2, y - 0.5 + h/2] is the drawn rectangle [y - h/2, y + h/2].
TEST_F(EngineSprites, PickingFollowsTheDrawnQuad) {
    uint32_t s = makeSprite(0);
    iVector2 at{-2.0f, 3.0f}, size{4.0f, 3.0f};
    iSpriteSet(s, &at, 0.0f, &size);
    iSpriteShow(s);
    auto pointAt = [](float x, float y) {
        vtMouseSet((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f);
        iVortaneMain();
    };
    pointAt(0.0f, 3.0f);
    EXPECT_EQ(iSpritePicked(s), 1);
    EXPECT_NEAR(12.0f - 24.0f * iMouseY(), 2.5f, 1e-4f);  // the toolkit's my, half a unit down
    pointAt(0.0f, 4.45f);
    EXPECT_EQ(iSpritePicked(s), 1);
    pointAt(0.0f, 4.55f);
    EXPECT_EQ(iSpritePicked(s), 0);
    pointAt(0.0f, 1.55f);
    EXPECT_EQ(iSpritePicked(s), 1);
    pointAt(0.0f, 1.45f);
    EXPECT_EQ(iSpritePicked(s), 0);
    pointAt(-2.1f, 3.0f);
    EXPECT_EQ(iSpritePicked(s), 0);
    // Turned a quarter counter-clockwise about its location: now it reaches up from there.
    iSpriteOrientationSet(s, 90.0f);
    pointAt(-2.0f, 6.5f);
    EXPECT_EQ(iSpritePicked(s), 1);
    pointAt(0.0f, 3.0f);
    EXPECT_EQ(iSpritePicked(s), 0);
    iSpriteHide(s);
    pointAt(-2.0f, 6.5f);
    EXPECT_EQ(iSpritePicked(s), 0);
}

}  // namespace
