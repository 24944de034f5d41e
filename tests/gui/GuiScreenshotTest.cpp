// One menu panel drawn by the engine under SDL's off-screen driver: the menu backdrop, a framed
// panel with a "Quick Match" button, a checked "Rumble" box, a stepped lever showing 7 and a
// title at twice the caption size; then a message box over a screen, answered with the pointer.
// Pixels are read where the layout puts them, and the pictures are kept for people to look at.
#include <filesystem>

#include "GuiTestKit.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiMouse.h"
#include "gui/IRect.h"
#include "gui/MessageBoxListener.h"

namespace {

using guitest::pixel;

// The share of samples over [left, right] x [bottom, top] brighter than the threshold.
double brightShare(float left, float bottom, float right, float top, int threshold, int steps = 24) {
    int bright = 0;
    for (int i = 0; i < steps; ++i) {
        for (int j = 0; j < steps; ++j) {
            const float x = left + (static_cast<float>(i) + 0.5f) * (right - left) / static_cast<float>(steps);
            const float y = bottom + (static_cast<float>(j) + 0.5f) * (top - bottom) / static_cast<float>(steps);
            bright += pixel(x, y).brightness() > threshold ? 1 : 0;
        }
    }
    return static_cast<double>(bright) / static_cast<double>(steps * steps);
}

class GuiScreenshot : public guitest::ManagerFixture {
protected:
    void SetUp() override {
        outputFolder = std::filesystem::current_path().string();
        openEngine(true);
    }
    std::string outputFolder;
};

TEST_F(GuiScreenshot, AMenuPanelLooksLikeAGameMenu) {
    ASSERT_FALSE(HasFatalFailure());
    IRect* backdrop = factory->createRectPrimitive("Tavek_res\\gui\\general\\main-bg.x", false);
    backdrop->setLocation(Vector2(-16.0f, 0.0f));
    backdrop->setSize(Vector2(32.0f, 24.0f));
    backdrop->show();

    GuiPanel screen(skin.get(), -1, nullptr, 0, false);
    screen.setLocation(Vector2(-16.0f, 0.0f));
    screen.setSize(Vector2(32.0f, 24.0f));
    screen.hideBackground();
    auto* panel = new GuiPanel(skin.get(), 0, nullptr, 0, false);
    screen.addChild(panel);
    panel->setLocation(Vector2(8.0f, 0.0f));  // [-8, 8] x [-5, 5]
    panel->setSize(Vector2(16.0f, 10.0f));

    auto* title = new GuiComponent(skin.get(), -1, nullptr, 0, nullptr, false);
    panel->addChild(title);
    title->hideBackground();
    title->setLocation(Vector2(1.0f, 3.8f));
    title->setSize(Vector2(14.0f, 1.0f));
    title->setTextCharSize(Vector2(0.7f, 0.7f));
    title->setTextAlignment(1);
    title->setText("Options");

    auto* button = new GuiButton(skin.get(), 0, nullptr, nullptr, nullptr, 0);
    panel->addChild(button);
    button->setLocation(Vector2(2.0f, 2.0f));  // [-6, 0] x [1.5, 2.5]
    button->setSize(Vector2(6.0f, 1.0f));
    button->setText("Quick Match");

    auto* rumble = new GuiCheckBox(skin.get(), nullptr, 0, nullptr);
    panel->addChild(rumble);
    rumble->setLocation(Vector2(2.0f, 0.0f));  // box [-6, -5.2] x [-0.4, 0.4]
    rumble->setSize(Vector2(6.0f, 0.8f));
    rumble->setChecked(true);
    rumble->setText("Rumble");

    auto* volume = new GuiSuperLever(skin.get(), 1, nullptr, 0, nullptr);
    panel->addChild(volume);
    volume->setLocation(Vector2(2.0f, -2.5f));  // [-6, 6] x [-3, -2]
    volume->setSize(Vector2(12.0f, 1.0f));
    volume->setIntValue(7);
    ASSERT_EQ(volume->getText(), "7");

    for (int frame = 0; frame < 2; ++frame) {
        iVortaneMain();
        ticker->printAll();
        iVortaneRender();
    }
    const std::string shot = outputFolder + "/gui_menu_panel.png";
    ASSERT_EQ(vtScreenshot(shot.c_str()), 1);

    // Inside the panel away from its children: the opaque black background.
    EXPECT_LT(brightShare(4.0f, 0.5f, 7.5f, 1.5f, 60), 0.02);
    // Along the top edge: the frame's bright rim.
    EXPECT_GT(brightShare(-7.0f, 4.9f, 7.0f, 5.1f, 200, 24), 0.3);
    // The button differs from the black around it.
    EXPECT_GT(brightShare(-5.8f, 1.6f, -0.2f, 2.4f, 8), 0.9);
    // The check mark in the box.
    EXPECT_GT(brightShare(-5.9f, -0.35f, -5.3f, 0.35f, 150), 0.05);
    // The caption's band holds light text, and the band right of its measured end holds none.
    const float captionLeft = -6.0f + rumble->getTextOffset().x;
    const float captionRight = captionLeft + rumble->getTextWidth();
    EXPECT_GT(brightShare(captionLeft, -0.15f, captionRight, 0.15f, 300), 0.04);
    EXPECT_LT(brightShare(captionRight + 0.1f, -0.3f, captionRight + 3.0f, 0.3f, 300), 0.005);
    // The lever's number stands over the track.
    EXPECT_GT(brightShare(-0.4f, -2.65f, 0.4f, -2.35f, 300), 0.03);
    factory->destroyRect(backdrop);
}

struct BackdropScreen : GuiScreen {
    BackdropScreen(GuiManager* manager, GuiBlocks* skin, const std::string* picture)
        : GuiScreen(manager, skin, picture, 1) {
        setPartSize(0, Vector2(32.0f, 24.0f));
        hideBackground();
    }
    void onLeave() override {}
};

struct Answers : MessageBoxListener {
    void onMessageBoxResult(int result) override { results.push_back(result); }
    std::vector<int> results;
};

TEST_F(GuiScreenshot, AMessageBoxOpensOverTheScreenWithTheCursorOnTopAndAnswers) {
    ASSERT_FALSE(HasFatalFailure());
    const std::string backdrop = "Tavek_res\\gui\\general\\main-bg.x";
    BackdropScreen screen(&manager, skin.get(), &backdrop);
    auto* button = new GuiButton(skin.get(), 0, nullptr, nullptr, nullptr, 0);
    screen.addChild(button);
    button->setLocation(Vector2(2.0f, 9.0f));  // the plane's x -14 .. -8, y 8.5 .. 9.5
    button->setSize(Vector2(6.0f, 1.0f));
    button->setText("Game Options");
    GuiMouse mouse(&artist->mouseArtist);
    manager.setScreen(&screen);
    manager.showMessageBox(2, "Hidden", "", nullptr);  // no box yet: nothing happens
    frame();
    ASSERT_EQ(printed().size(), 1u);
    EXPECT_EQ(manager.getMessageBoxResult(), 0);

    GuiMessageBox box(&manager, skin.get(), nullptr, 0);
    EXPECT_EQ(box.getMode(), 0);
    EXPECT_EQ(box.getResult(), 0);
    manager.setMessageBox(&box);
    Answers answers;
    manager.showMessageBox(2, "Leave the match and lose your points?", "The fight counts as a loss.", &answers);
    EXPECT_EQ(manager.getMessageBoxResult(), -1);
    pointAt(-2.0f, -1.0f);  // over "Yes" (x -4 .. 0)
    for (int frames = 0; frames < 2; ++frames) {
        frame();
        mouse.update();
        iVortaneRender();
    }
    const std::string shot = outputFolder + "/gui_message_box.png";
    ASSERT_EQ(vtScreenshot(shot.c_str()), 1);

    EXPECT_LT(brightShare(3.0f, 0.6f, 9.5f, 2.6f, 60), 0.02);            // the box's black inside
    EXPECT_GT(brightShare(-7.0f, 2.9f, 9.0f, 3.1f, 200, 24), 0.3);       // its frame's top rim
    EXPECT_GT(brightShare(-3.5f, -1.15f, -0.5f, -0.85f, 300), 0.03);     // "Yes"
    EXPECT_GT(brightShare(3.5f, -1.15f, 4.5f, -0.85f, 300), 0.03);       // "No"
    EXPECT_GT(brightShare(-6.7f, 1.85f, -1.0f, 2.15f, 300), 0.04);       // the first line
    EXPECT_GT(brightShare(-5.7f, 0.85f, -1.0f, 1.15f, 300), 0.04);       // the second line
    EXPECT_LT(brightShare(-13.5f, 8.85f, -8.5f, 9.15f, 600), 0.01);      // the hidden caption
    EXPECT_GT(brightShare(-1.95f, -1.45f, -1.8f, -1.15f, 600), 0.1);     // the cursor's arrow
    std::vector<std::string> texts;
    for (const auto& t : printed()) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Yes", "No", "Leave the match and lose your points?",
                                               "The fight counts as a loss."}));

    // "No" answers 1 and closes the box; the screen's caption comes back.
    pointAt(4.0f, -1.0f);
    tapButton();
    EXPECT_EQ(answers.results, (std::vector<int>{1}));
    EXPECT_EQ(manager.getMessageBoxResult(), 1);
    EXPECT_FALSE(box.isActive());
    ASSERT_EQ(printed().size(), 1u);
    EXPECT_EQ(printed()[0].text, "Game Options");
    HighLevelEvent late;
    late.source = box.getButtonA();
    box.handleHighLevelEvent(late);  // a second answer without a question reaches nobody
    EXPECT_EQ(answers.results.size(), 1u);

    // Mode 0: only "OK", where "Yes" stood before nothing answers.
    manager.showMessageBox(0, "Saved.", "", &answers);
    pointAt(-2.0f, -1.0f);
    tapButton();
    EXPECT_EQ(answers.results.size(), 1u);
    pointAt(1.0f, -1.0f);
    tapButton();
    EXPECT_EQ(answers.results, (std::vector<int>{1, 0}));
    manager.setMessageBox(nullptr);
    manager.forgetPanels();
}

}  // namespace
