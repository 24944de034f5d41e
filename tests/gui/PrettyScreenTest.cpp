// The fighter editor's decorated screen base: its seven pictures drawn where the editor's layout
// puts them on the plane, behind a child the subclass adds.
#include <filesystem>

#include "GuiTestKit.h"
#include "gui/PrettyScreen.h"

namespace {

using guitest::pixel;

struct EditorScreen : PrettyScreen {
    EditorScreen(GuiManager* manager, GuiBlocks* skin) : PrettyScreen(manager, skin) {}
    void onLeave() override { ++leaves; }
    int leaves = 0;
};

struct PlaneRect {
    const char* picture;
    float left, bottom, right, top;
};

class PrettyScreenTest : public guitest::ManagerFixture {
protected:
    void SetUp() override {
        outputFolder = std::filesystem::current_path().string();
        openEngine(true);
    }
    std::string outputFolder;
};

TEST_F(PrettyScreenTest, ASubclassShowsTheSevenPicturesAtTheirPlaces) {
    ASSERT_FALSE(HasFatalFailure());
    EditorScreen screen(&manager, skin.get());
    auto* button = new GuiButton(skin.get(), 0, nullptr, nullptr, nullptr, 0);
    screen.addChild(button);
    button->setLocation(Vector2(12.0f, 0.0f));  // the plane's x -4 .. 4, y -0.5 .. 0.5
    button->setSize(Vector2(8.0f, 1.0f));
    button->setText("Next");
    manager.setScreen(&screen);
    for (int frames = 0; frames < 2; ++frames) {
        frame();
        iVortaneRender();
    }
    const std::string shot = outputFolder + "/gui_pretty_screen.png";
    ASSERT_EQ(vtScreenshot(shot.c_str()), 1);
    EXPECT_FALSE(screen.isBackgroundShown());

    // Hand-placed from the editor's layout: the screen's left edge is x -16, its width 32.
    const PlaneRect expected[] = {
        {"VAV_007_2X2_Black", -16.0f, 8.0f, 16.0f, 12.0f},
        {"DovraLogo128", -6.0f, 8.0f, -2.0f, 12.0f},
        {"VAV_CreateFighter", -2.0f, 8.0f, 14.0f, 12.0f},
        {"grayBand", -16.0f, 6.9f, 16.0f, 8.1f},
        {"fillBar", -16.0f, 7.0f, 16.0f, 8.0f},
        {"grayBand", -16.0f, -12.1f, 16.0f, -7.9f},
        {"blueBand", -16.0f, -12.0f, 16.0f, -8.0f},
    };
    std::vector<vtSprite> drawn;  // in drawing order
    for (int i = 0; i < vtSpriteCount(); ++i) {
        vtSprite sprite{};
        if (!vtSpriteGet(vtSpriteAt(i), &sprite) || !sprite.visible || !sprite.textureName) continue;
        for (const PlaneRect& want : expected) {
            if (std::string(sprite.textureName).find(want.picture) != std::string::npos) {
                drawn.push_back(sprite);
                break;
            }
        }
    }
    ASSERT_EQ(drawn.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        const PlaneRect& want = expected[i];
        const vtSprite& got = drawn[i];
        EXPECT_NE(std::string(got.textureName).find(want.picture), std::string::npos) << "picture " << i;
        EXPECT_NEAR(got.location.x, want.left, 1e-4) << "picture " << i;
        EXPECT_NEAR(got.location.y, 0.5f * (want.bottom + want.top), 1e-4) << "picture " << i;
        EXPECT_NEAR(got.scale.x, want.right - want.left, 1e-4) << "picture " << i;
        EXPECT_NEAR(got.scale.y, want.top - want.bottom, 1e-4) << "picture " << i;
    }
    // Drawn: the header is dark, the button stands out in the middle, the footer band is blue.
    EXPECT_LT(pixel(-12.0f, 11.0f).brightness(), 200);
    const guitest::Rgb footer = pixel(-12.0f, -10.0f);
    EXPECT_GT(footer.b, footer.r);
    manager.setScreen(nullptr);
}

}  // namespace
