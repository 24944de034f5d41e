// A skin over the real engine in the generated game folder, and the player's hand: the pointer
// put on a plane point, buttons pressed and released frame by frame in the order the GUI
// manager delivers them, and what the engine then holds (sprites, printed texts, sounds). It
// brings in the widgets most tests play with.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PackFolder.h"
#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiBorderFactory.h"
#include "gui/GuiButton.h"
#include "gui/GuiCheckBox.h"
#include "gui/GuiFont.h"
#include "gui/GuiListBox.h"
#include "gui/GuiManager.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/GuiSound.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiTextBlock.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/PrimitiveFactory2D.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

class GuiComponent;
class IPrimitive;

namespace guitest {

constexpr const char* WhiteFont = "default_res\\fontblairwhite\\BlairMdITC TT.wid";
constexpr int Camera = 7;

struct PrintedText {
    std::string text;
    iVector2 location, cell;
    float spacing;
    uint32_t font;
};

class GuiFixture : public ::testing::Test {
protected:
    // drawing: open a real (off-screen) window; otherwise nothing is drawn.
    void openEngine(bool drawing);
    void SetUp() override { openEngine(false); }
    void TearDown() override;

    // Puts the pointer on a plane point and runs a frame so the engine samples it.
    void pointAt(float x, float y);
    // One frame of the left (or another) button going down over target, then up, as the GUI
    // manager would deliver it: pressed + held, then released + up.
    void press(GuiComponent& target, int button = 0);
    void release(GuiComponent& target, int button = 0);
    void click(GuiComponent& target, float x, float y, int button = 0);

    // Texts printed this frame (after printAll), empty ones left out.
    std::vector<PrintedText> printed();
    // A frame, then the print list.
    std::vector<PrintedText> printFrame();

    std::unique_ptr<pack::WorkingFolder> inside;
    std::unique_ptr<PrimitiveFactory2D> factory;
    std::unique_ptr<GuiArtist> artist;
    std::unique_ptr<GuiBorderFactory> borders;
    std::unique_ptr<GuiFont> font;
    std::unique_ptr<GuiSound> sound;
    std::unique_ptr<GuiTextBlockTicker> ticker;
    std::unique_ptr<GuiBlocks> skin;
};

// A GUI manager over the fixture's engine, played one game frame at a time.
class ManagerFixture : public GuiFixture {
protected:
    void TearDown() override;
    // One frame as the game runs it: the engine samples input, the manager polls, texts print.
    void frame();
    // A key (or the left button) going down for a frame, then up for a frame.
    void tapKey(int key);
    void tapButton();

    GuiManager manager;
};

// The outermost panel, keeping what reaches it as a screen does.
struct ListeningPanel : GuiPanel {
    explicit ListeningPanel(GuiBlocks* skin) : GuiPanel(skin, -1, nullptr, 0, false) {}
    void handleHighLevelEvent(HighLevelEvent& event) override { heard.push_back(event); }
    std::vector<HighLevelEvent> heard;
};

// Counts redraws, to prove a setter that changes nothing redraws nothing.
template <typename Widget>
struct Counted : Widget {
    using Widget::Widget;
    void refresh() override {
        ++refreshes;
        Widget::refresh();
    }
    int refreshes = 0;
};

struct Rgb {
    int r, g, b;
    int brightness() const { return r + g + b; }
};
// The drawn window's colour at a plane point.
Rgb pixel(float x, float y);

bool soundPlaying(uint32_t sound);
int visibleSprites();

// An engine vector's two coordinates, each compared as EXPECT_FLOAT_EQ compares.
::testing::AssertionResult at(const iVector2& v, float x, float y);

// The engine's record of a primitive's sprite.
vtSprite spriteOf(IPrimitive* primitive);
vtSprite spriteOf(uint32_t sprite);
// Every live sprite whose texture name contains the text.
std::vector<vtSprite> spritesNamed(const std::string& part);

}  // namespace guitest
