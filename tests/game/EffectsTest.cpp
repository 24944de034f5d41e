// Sprites with timed effects and lines of text with effects, drawn by the real engine at a fixed
// frame time of 1/60 s and read back from it: what a match banner and a fading caption show.
#include <cmath>
#include <vector>

#include "GuiTestKit.h"
#include "TestMasters.h"
#include "game/BlinkEffect.h"
#include "game/FadeInEffect.h"
#include "game/FadeOutEffect.h"
#include "game/ScaleEffect.h"
#include "game/ShakeEffect.h"
#include "game/ShakeNoise.h"
#include "game/SpriteFX.h"
#include "game/TextEffectFade.h"
#include "game/TextEffectUnravel.h"
#include "resources/FileArchive.h"

namespace {

using guitest::spriteOf;

const char* const Banner = "Tavek_res\\gui\\matchScreen\\blue_bar.x";

class Effects : public guitest::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        game.manager = nullptr;
        menu.game = &game;
    }
    // One frame: the engine's, then the sprite's render; what the engine then holds.
    vtSprite frame(Tavek::SpriteFX& fx) {
        iVortaneMain();
        fx.render();
        return spriteOf(fx.getSprite());
    }
    gametest::TestGameMaster game;
    gametest::TestMenuMaster menu;
};

TEST_F(Effects, ASpriteShowsOnlyWhenToldAndCentresOnlyAcross) {
    Tavek::SpriteFX fx(Banner, &menu);
    ASSERT_NE(fx.getSprite(), 0u);
    EXPECT_FALSE(spriteOf(fx.getSprite()).visible);
    EXPECT_EQ(spriteOf(fx.getSprite()).owner, 7);
    EXPECT_FALSE(frame(fx).visible);

    fx.show();
    vtSprite drawn = frame(fx);
    EXPECT_TRUE(drawn.visible);
    EXPECT_TRUE(guitest::at(drawn.scale, 1.0f, 1.0f));
    EXPECT_TRUE(guitest::at(drawn.location, -0.5f, 0.0f));
    EXPECT_FLOAT_EQ(drawn.colour.w, 1.0f);

    fx.setPosition(Vector2(3.0f, 2.0f));
    fx.setScale(Vector2(4.0f, 1.0f));
    EXPECT_TRUE(guitest::at(frame(fx).location, 1.0f, 2.0f));
    fx.setCentred(false);
    EXPECT_TRUE(guitest::at(frame(fx).location, 3.0f, 2.0f));
    fx.hide();
    EXPECT_FALSE(frame(fx).visible);
}

TEST_F(Effects, AFadeOutHidesTheSpriteUntilItIsShownAgain) {
    Tavek::SpriteFX fx(Banner, &menu);
    fx.show();
    fx.addEffect(std::make_unique<Tavek::FadeOutEffect>(0.0f, 0.5f));
    float lastAlpha = 1.0f;
    int hiddenAt = 0;
    for (int n = 1; n <= 40 && hiddenAt == 0; ++n) {
        const vtSprite drawn = frame(fx);
        if (!fx.isVisible()) hiddenAt = n;
        EXPECT_LE(drawn.colour.w, lastAlpha) << "frame " << n;
        lastAlpha = drawn.colour.w;
    }
    // 30 steps of 1/30: float rounding decides whether the level reaches 0 on frame 30 or 31.
    EXPECT_TRUE(hiddenAt == 30 || hiddenAt == 31) << hiddenAt;
    EXPECT_NEAR(lastAlpha, 0.0f, 1e-5);
    for (int n = 0; n < 5; ++n) EXPECT_FALSE(frame(fx).visible);
    fx.show();
    const vtSprite back = frame(fx);
    EXPECT_TRUE(back.visible);
    EXPECT_FLOAT_EQ(back.colour.w, 1.0f);

    // A fade-in multiplies the base alpha by a rising level and leaves the base as it was.
    fx.setAlpha(0.5f);
    fx.addEffect(std::make_unique<Tavek::FadeInEffect>(0.0f, 0.25f));
    EXPECT_NEAR(frame(fx).colour.w, 0.5f / 15.0f, 1e-5);
    for (int n = 0; n < 20; ++n) frame(fx);
    EXPECT_FLOAT_EQ(frame(fx).colour.w, 0.5f);
    // A fade of no length ends on its first frame.
    fx.addEffect(std::make_unique<Tavek::FadeOutEffect>(0.0f, 0.0f));
    frame(fx);
    EXPECT_FALSE(fx.isVisible());
}

TEST_F(Effects, ScalesChainAndLeaveTheirTargetAsTheBase) {
    Tavek::SpriteFX fx(Banner, &menu);
    fx.show();
    fx.setScale(Vector2(2.0f, 2.0f));
    fx.addEffect(std::make_unique<Tavek::ScaleEffect>(0.0f, Vector2(4.0f, 4.0f), 1.2f));
    int frames = 0;
    while (frames < 400 && spriteOf(fx.getSprite()).scale.y < 4.0f) {
        frame(fx);
        ++frames;
    }
    // 2 units at 1.2 units a second, 0.02 a frame: 100 frames (float rounding may add one).
    EXPECT_TRUE(frames == 100 || frames == 101) << frames;
    for (int n = 0; n < 3; ++n) frame(fx);
    EXPECT_TRUE(guitest::at(frame(fx).scale, 4.0f, 4.0f));  // the target is the base now

    // Two in one list: the second starts from the first one's frame scale, not from the base.
    fx.setScale(Vector2(2.0f, 2.0f));
    fx.addEffect(std::make_unique<Tavek::ScaleEffect>(0.0f, Vector2(4.0f, 4.0f), 1.2f));
    fx.addEffect(std::make_unique<Tavek::ScaleEffect>(0.0f, Vector2(1.0f, 1.0f), 0.3f));
    const vtSprite first = frame(fx);
    EXPECT_NEAR(first.scale.x, 2.02f - 0.005f, 1e-5);
    EXPECT_NEAR(first.scale.y, 2.02f - 0.005f, 1e-5);
    for (int n = 0; n < 250; ++n) frame(fx);
    EXPECT_TRUE(guitest::at(frame(fx).scale, 1.0f, 1.0f));  // the later one ends last

    // From nothing, both sides grow at the full step instead of turning into NaN.
    fx.setScale(Vector2(0.0f, 0.0f));
    fx.addEffect(std::make_unique<Tavek::ScaleEffect>(0.0f, Vector2(1.0f, 0.5f), 6.0f));
    const vtSprite grown = frame(fx);
    EXPECT_FALSE(std::isnan(grown.scale.x) || std::isnan(grown.scale.y));
    EXPECT_NEAR(grown.scale.x, 0.1f, 1e-5);
    EXPECT_NEAR(grown.scale.y, 0.1f, 1e-5);
    for (int n = 0; n < 20; ++n) frame(fx);
    EXPECT_TRUE(guitest::at(frame(fx).scale, 1.0f, 0.5f));
}

TEST_F(Effects, ADelayedEffectWaitsItsTimeAndABlinkTogglesEveryHalfPeriod) {
    Tavek::SpriteFX fx(Banner, &menu);
    fx.show();
    fx.addEffect(std::make_unique<Tavek::FadeOutEffect>(2.9f, 0.0f));
    for (int n = 1; n <= 173; ++n) {
        const vtSprite drawn = frame(fx);
        ASSERT_TRUE(drawn.visible) << "frame " << n;
        ASSERT_FLOAT_EQ(drawn.colour.w, 1.0f) << "frame " << n;
    }
    for (int n = 0; n < 3; ++n) frame(fx);
    EXPECT_FALSE(fx.isVisible());

    fx.show();
    fx.addEffect(std::make_unique<Tavek::BlinkEffect>(0.0f, 0.5f, 1.0f));
    std::string seen;
    for (int n = 1; n <= 62; ++n) seen += frame(fx).visible ? '+' : '-';
    // Shown for the first quarter second, then hidden a quarter, ... ; the base stays shown.
    EXPECT_EQ(seen.substr(0, 14), "++++++++++++++");
    EXPECT_EQ(seen[16], '-');
    EXPECT_EQ(seen[40], '+');
    EXPECT_EQ(seen.substr(59), "+++");
    EXPECT_TRUE(fx.isVisible());
}

TEST_F(Effects, AShakeFollowsTheNoiseAndEndsWhereTheSpriteStood) {
    // Reference values of the noise, computed from its formula in wrapping 32-bit arithmetic.
    const struct {
        float x, value;
    } samples[] = {{0.0f, -0.5284346f},    {0.5f, -0.1721569f},     {1.25f, 0.2760860f},
                   {3.7f, 0.3430212f},     {10000.0f, 0.5324696f},  {10019.5f, -0.4334997f}};
    ShakeNoise noise;
    for (const auto& s : samples) EXPECT_NEAR(noise.sample(s.x), s.value, 1e-5) << "x " << s.x;

    Tavek::SpriteFX fx(Banner, &menu);
    fx.show();
    fx.setCentred(false);
    fx.setPosition(Vector2(2.0f, -3.0f));
    fx.addEffect(std::make_unique<Tavek::ShakeEffect>(0.0f, 1.0f, -0.75f, 20.0f, 1.0f));
    const vtSprite first = frame(fx);
    EXPECT_NEAR(first.location.x - 2.0f, 0.5166f, 1e-3);
    EXPECT_NEAR(first.location.y + 3.0f, -0.6275f, 1e-3);
    int frames = 1;
    while (frames < 100) {
        const vtSprite drawn = frame(fx);
        ++frames;
        if (drawn.location.x == 2.0f && drawn.location.y == -3.0f) break;
    }
    EXPECT_TRUE(frames == 60 || frames == 61) << frames;
    EXPECT_TRUE(guitest::at(frame(fx).location, 2.0f, -3.0f));
}

TEST_F(Effects, ASpriteGivesItsFilesBackToTheArchive) {
    FileArchive& archive = FileArchive::instance();
    const size_t before = archive.files().size();
    std::vector<std::string> held;
    {
        Tavek::SpriteFX fx(Banner, nullptr);  // no master: the sprite still comes, without a camera
        ASSERT_NE(fx.getSprite(), 0u);
        held = archive.heldFiles(ResourceKind::Sprite, fx.getSprite());
        ASSERT_FALSE(held.empty());
        for (const std::string& name : held) EXPECT_GE(archive.files().references(name), 1u) << name;
        fx.addEffect(std::make_unique<Tavek::ShakeEffect>(1.0f, 1.0f, 0.0f, 1.0f, 5.0f));
    }
    EXPECT_EQ(archive.files().size(), before);
    for (const std::string& name : held) EXPECT_EQ(archive.files().references(name), 0u) << name;
}

class TextEffects : public guitest::GuiFixture {
protected:
    // The line a tick printed, and a plain print after it, as the engine recorded them.
    std::pair<vtText, vtText> tickAndPrint(TextEffect& effect) {
        iVortaneMain();
        effect.tick();
        const iVector2 at{0.0f, -5.0f}, cell{0.5f, 0.5f};
        iPrint("after", &at, &cell, 0.0f, font->getEngineFont());
        vtText line{}, after{};
        const int count = vtTextCount();
        if (count >= 2) vtTextGet(count - 2, &line);
        if (count >= 1) vtTextGet(count - 1, &after);
        return {line, after};
    }
};

TEST_F(TextEffects, AlphaIsClampedPrintsSpreadAndThePrintColourComesBackWhite) {
    TextEffectUnravel unravel(font->getEngineFont());
    unravel.setText("ROUND 1");
    unravel.setLocation(Vector2(0.0f, 3.0f));
    unravel.setColour(1.0f, 0.5f, 0.0f);
    unravel.setAlpha(1.5f);
    EXPECT_EQ(unravel.getAlpha(), 1.0f);
    unravel.setAlpha(std::nanf(""));
    EXPECT_EQ(unravel.getAlpha(), 0.0f);
    unravel.setAlpha(-0.2f);
    EXPECT_EQ(unravel.getAlpha(), 0.0f);
    iVortaneMain();
    unravel.tick();
    EXPECT_EQ(vtTextCount(), 0);  // nothing at alpha 0

    const float cellWidth = unravel.getSize().x;
    for (const auto& [alpha, spread] : {std::pair{0.9f, -0.5f}, std::pair{0.8f, 0.0f}, std::pair{0.5f, 0.0f}}) {
        unravel.setAlpha(alpha);
        const auto [line, after] = tickAndPrint(unravel);
        EXPECT_STREQ(line.text, "ROUND 1") << alpha;
        EXPECT_NEAR(line.spacing, -spread * cellWidth, 1e-5) << alpha;
        EXPECT_TRUE(line.centred) << alpha;
        EXPECT_FLOAT_EQ(line.colour.y, 0.5f) << alpha;
        EXPECT_FLOAT_EQ(line.colour.w, 1.0f) << alpha;  // the plain effect ignores alpha
        EXPECT_TRUE(after.colour.x == 1.0f && after.colour.y == 1.0f && after.colour.z == 1.0f &&
                    after.colour.w == 1.0f) << alpha;
    }

    TextEffectFade fade(font->getEngineFont());
    fade.setText("FIGHT");
    fade.setColour(0.0f, 0.0f, 1.0f);
    fade.setAlpha(0.25f);
    const auto [line, after] = tickAndPrint(fade);
    EXPECT_STREQ(line.text, "FIGHT");
    EXPECT_FLOAT_EQ(line.colour.w, 0.25f);
    EXPECT_FLOAT_EQ(line.colour.z, 1.0f);
    EXPECT_FLOAT_EQ(after.colour.w, 1.0f);
    EXPECT_FLOAT_EQ(after.colour.x, 1.0f);

    fade.reset();
    EXPECT_EQ(fade.getText(), "");
    EXPECT_EQ(fade.getFont(), font->getEngineFont());
    iVortaneMain();
    fade.tick();
    EXPECT_EQ(vtTextCount(), 0);
}

}  // namespace
