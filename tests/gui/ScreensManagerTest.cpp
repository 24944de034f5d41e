// The GUI manager turning the engine's buttons and keys into input on the panel in front,
// screen and dialog changes with the sliding transition, and the quick prints.
#include <algorithm>
#include <functional>
#include <limits>

#include "GuiTestKit.h"
#include "gui/GuiDLG.h"
#include "gui/GuiFonts.h"
#include "gui/GuiMessageBox.h"
#include "gui/SlideTransition.h"

namespace {

using guitest::spritesNamed;

// A screen that writes down the input it receives.
struct RecordingScreen : GuiScreen {
    RecordingScreen(GuiManager* manager, GuiBlocks* skin) : GuiScreen(manager, skin, nullptr, 0) {}
    void onMouseHeld(int b) override { log("held", b); }
    void onMousePressed(int b) override { log("pressed", b); }
    void onMouseUp(int b) override { log("up", b); }
    void onMouseReleased(int b) override { log("released", b); }
    void onKeyHeld(int k) override { log("keyheld", k); }
    void onKeyPressed(int k) override { log("keypressed", k); }
    void onKeyUp(int k) override { log("keyup", k); }
    void onKeyReleased(int k) override { log("keyreleased", k); }
    void focusPrevious() override { calls.push_back("focusPrevious"); }
    void focusNext() override { calls.push_back("focusNext"); }
    void onLeave() override { ++leaves; }
    void log(const char* what, int n) { calls.push_back(std::string(what) + " " + std::to_string(n)); }
    // The calls of one kind (ending in " n") since the last clear.
    std::vector<std::string> about(int n) const {
        std::vector<std::string> found;
        const std::string tail = " " + std::to_string(n);
        for (const std::string& c : calls) {
            if (c.size() > tail.size() && c.compare(c.size() - tail.size(), tail.size(), tail) == 0 &&
                c.rfind("key", 0) != 0)
                found.push_back(c);
        }
        return found;
    }
    int count(const std::string& what) const {
        int n = 0;
        for (const std::string& c : calls) n += c.rfind(what + " ", 0) == 0 ? 1 : 0;
        return n;
    }
    std::vector<std::string> calls;
    int leaves = 0;
};

struct RecordingDialog : GuiDLG {
    RecordingDialog(GuiManager* manager, GuiBlocks* skin) : GuiDLG(manager, skin, nullptr, 0) {}
    void onMousePressed(int b) override { calls.push_back("pressed " + std::to_string(b)); }
    void onKeyPressed(int k) override { calls.push_back("keypressed " + std::to_string(k)); }
    std::vector<std::string> calls;
};

// A screen that opens and closes with the slide, reporting to the manager when each run ends,
// with ten children of which the first is a button.
struct SlidingScreen : GuiScreen {
    SlidingScreen(GuiManager* manager, GuiBlocks* skin, const std::string& picture)
        : GuiScreen(manager, skin, &picture, 1) {
        for (int i = 0; i < 10; ++i) {
            GuiComponent* child = i == 0 ? new GuiButton(skin, -1, nullptr, nullptr, nullptr, 0)
                                         : new GuiComponent(skin, -1, nullptr, 0, nullptr, false);
            addChild(child);
            child->setLocation(Vector2(2.0f + static_cast<float>(i), 2.0f));
        }
        button = static_cast<GuiButton*>(getChildren()[0]);
        button->setText("Go");
        setTransition(&slide);
    }
    ~SlidingScreen() override { setTransition(nullptr); }
    void activate() override {
        GuiComponent::activate();
        opening = true;
        slide.startIn();
    }
    void deactivate() override {
        closing = true;
        slide.startOut();
    }
    void tick() override {
        ++ticks;
        GuiScreen::tick();
        if (slide.isRunning()) return;
        if (opening) {
            opening = false;
            GuiScreen::activate();
        } else if (closing) {
            closing = false;
            GuiScreen::deactivate();
        }
    }
    void onLeave() override { ++leaves; }
    void handleHighLevelEvent(HighLevelEvent& event) override {
        if (event.actionPerformed) ++clicks;
    }
    Vector2 childAt(int i) const { return getChildren()[static_cast<size_t>(i)]->getLocation(); }

    SlideTransition slide;
    GuiButton* button = nullptr;
    bool opening = false, closing = false;
    int ticks = 0, leaves = 0, clicks = 0;
};

struct CountingTransition : SlideTransition {
    void setTarget(const std::vector<GuiComponent*>* children) override {
        if (!children) ++cleared;
        SlideTransition::setTarget(children);
    }
    int cleared = 0;
};

class ScreensManager : public guitest::ManagerFixture {
protected:
    void TearDown() override {
        fontWhite = nullptr;
        ManagerFixture::TearDown();
    }
    bool sweepPlaying() { return guitest::soundPlaying(GuiArtist::sweepSound); }
    void stopSweep() { iSoundStop(GuiArtist::sweepSound, 0); }
};

TEST_F(ScreensManager, InputReachesThePanelInFrontEdgeByEdge) {
    RecordingScreen screen(&manager, skin.get());
    manager.setScreen(&screen);
    ASSERT_TRUE(screen.acceptsInput());
    screen.calls.clear();
    vtMouseButtonSet(0, 1);
    for (int i = 0; i < 3; ++i) frame();
    vtMouseButtonSet(0, 0);
    frame();
    frame();
    EXPECT_EQ(screen.about(0), (std::vector<std::string>{"pressed 0", "held 0", "held 0", "held 0", "released 0",
                                                         "up 0", "up 0"}));
    EXPECT_EQ(screen.count("keyup"), 5 * 256);

    // Shift+Tab: the focus moves back, then the key is delivered.
    screen.calls.clear();
    vtKeySet(42, 1);
    vtKeySet(15, 1);
    frame();
    const auto focus = std::find(screen.calls.begin(), screen.calls.end(), "focusPrevious");
    const auto tab = std::find(screen.calls.begin(), screen.calls.end(), "keypressed 15");
    ASSERT_NE(focus, screen.calls.end());
    EXPECT_LT(focus, tab);
    vtKeySet(42, 0);
    vtKeySet(15, 0);
    frame();

    // A deaf dialog: keys go nowhere, the mouse to the screen. With the box open the mouse
    // goes to the box, keys still to the dialog.
    RecordingDialog dialog(&manager, skin.get());
    manager.setDialog(&dialog);
    dialog.setAcceptsInput(false);
    screen.calls.clear();
    vtKeySet(30, 1);
    vtMouseButtonSet(0, 1);
    frame();
    EXPECT_EQ(screen.count("keypressed"), 0);
    EXPECT_TRUE(dialog.calls.empty());
    EXPECT_EQ(screen.count("pressed"), 1);
    vtKeySet(30, 0);
    vtMouseButtonSet(0, 0);
    frame();
    GuiMessageBox box(&manager, skin.get(), nullptr, 0);
    manager.setMessageBox(&box);
    manager.showMessageBox(0, "Sure?", "", nullptr);
    dialog.setAcceptsInput(true);
    screen.calls.clear();
    vtKeySet(30, 1);
    vtMouseButtonSet(0, 1);
    frame();
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"keypressed 30"}));
    EXPECT_EQ(screen.count("pressed"), 0);
    EXPECT_EQ(screen.count("keypressed"), 0);
    manager.setDialog(nullptr);
    manager.forgetPanels();
}

TEST_F(ScreensManager, ScreensSlideInAndOutAndTakeInputOnlyWhenOpen) {
    SlidingScreen first(&manager, skin.get(), "Tavek_res\\gui\\general\\red.x");
    SlidingScreen second(&manager, skin.get(), "Tavek_res\\gui\\general\\blue.x");
    manager.setScreen(&first);
    for (int i = 0; i < 31; ++i) frame();
    ASSERT_TRUE(first.acceptsInput());

    manager.setScreen(&second);
    EXPECT_FALSE(first.acceptsInput());
    stopSweep();
    frame();  // the out-run's first tick: the last child sounds
    EXPECT_TRUE(sweepPlaying());
    EXPECT_EQ(first.childAt(9), Vector2(11.0f, 2.0f));
    frame();
    EXPECT_EQ(first.childAt(9), Vector2(11.0f, 0.0f));  // 2 units lower on the second
    for (int i = 2; i < 31; ++i) frame();
    EXPECT_EQ(second.ticks, 0);  // not ticked while the first closes
    EXPECT_EQ(manager.getPreviousScreen(), nullptr);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(first.childAt(i), Vector2(2.0f + static_cast<float>(i), 2.0f));

    // The in-run: child 0 starts 60 right and lands last, child 7 on the third tick, 8 and 9 stay.
    // A click during it is not delivered.
    pointAt(-13.5f, 2.0f);  // the button's place at rest
    vtMouseButtonSet(0, 1);
    frame();
    EXPECT_EQ(second.childAt(0), Vector2(62.0f, 2.0f));
    EXPECT_EQ(second.childAt(7), Vector2(13.0f, 2.0f));
    EXPECT_EQ(second.childAt(8), Vector2(10.0f, 2.0f));
    vtMouseButtonSet(0, 0);
    frame();
    stopSweep();
    frame();
    EXPECT_EQ(second.childAt(7), Vector2(9.0f, 2.0f));
    EXPECT_TRUE(sweepPlaying());
    for (int tick = 4; tick <= 30; ++tick) frame();
    EXPECT_FALSE(second.acceptsInput());
    stopSweep();
    frame();  // tick 31
    EXPECT_EQ(second.childAt(0), Vector2(2.0f, 2.0f));
    EXPECT_TRUE(sweepPlaying());
    EXPECT_EQ(second.clicks, 0);
    EXPECT_EQ(second.leaves, 0);

    // Open: Esc leaves once; a click counts.
    frame();
    EXPECT_TRUE(second.acceptsInput());
    tapKey(1);
    EXPECT_EQ(second.leaves, 1);
    tapButton();
    EXPECT_EQ(second.clicks, 1);

    // Esc during a run is ignored and not remembered.
    second.slide.startIn();
    tapKey(1);
    for (int i = 0; i < 34; ++i) frame();
    EXPECT_EQ(second.leaves, 1);

    // Replacing the transition clears the old one's target; setting it again does not.
    CountingTransition counted;
    second.setTransition(&counted);
    second.setTransition(&counted);
    EXPECT_EQ(counted.cleared, 0);
    second.setTransition(&second.slide);
    EXPECT_EQ(counted.cleared, 1);
    // Without a target a run still counts its 31 ticks.
    counted.startOut();
    for (int i = 0; i < 31; ++i) {
        EXPECT_TRUE(counted.isRunning());
        counted.tick();
    }
    EXPECT_FALSE(counted.isRunning());
    manager.forgetPanels();
}

TEST_F(ScreensManager, AScreenDroppedWhileClosingIsPutAwayWhole) {
    SlidingScreen first(&manager, skin.get(), "Tavek_res\\gui\\general\\red.x");
    SlidingScreen second(&manager, skin.get(), "Tavek_res\\gui\\general\\blue.x");
    SlidingScreen third(&manager, skin.get(), "Tavek_res\\gui\\general\\white.x");
    manager.setScreen(&first);
    for (int i = 0; i < 31; ++i) frame();
    manager.setScreen(&second);
    for (int i = 0; i < 10; ++i) frame();
    manager.setScreen(&third);  // the first is still closing
    const int ticks = first.ticks;
    for (int i = 0; i < 70; ++i) frame();
    EXPECT_EQ(first.ticks, ticks);
    for (const vtSprite& s : spritesNamed("red")) EXPECT_FALSE(s.visible);
    EXPECT_EQ(manager.getScreen(), &third);
    EXPECT_TRUE(third.acceptsInput());

    // A dialog hides the screen's captions until it closes; Esc still reaches the screen.
    RecordingDialog dialog(&manager, skin.get());
    manager.setDialog(&dialog);
    EXPECT_TRUE(dialog.acceptsInput());
    frame();
    EXPECT_TRUE(printed().empty());
    tapKey(1);
    EXPECT_EQ(third.leaves, 1);
    manager.setDialog(nullptr);
    frame();
    ASSERT_EQ(printed().size(), 1u);
    EXPECT_EQ(printed()[0].text, "Go");
    manager.forgetPanels();
}

TEST_F(ScreensManager, QuickPrintsCutTheirDigits) {
    EXPECT_EQ(GuiManager::numberText(2.999f, 2), "2.99");
    EXPECT_EQ(GuiManager::numberText(3.0f, 0), "3");
    EXPECT_EQ(GuiManager::numberText(1.5f, 15), GuiManager::numberText(1.5f, 10));
    EXPECT_EQ(GuiManager::numberText(1.5f, -3), "1");
    EXPECT_EQ(GuiManager::numberText(0.00001f, 2), "0.00");
    EXPECT_EQ(GuiManager::timeText(83.25f), "1:23:25");
    EXPECT_EQ(GuiManager::timeText(5.0f), "0:05:00");
    EXPECT_EQ(GuiManager::timeText(std::numeric_limits<float>::infinity()), "0:00:00");
    EXPECT_EQ(GuiManager::timeText(1e30f), "0:00:00");

    iVortaneMain();
    GuiManager::quickPrint(2.999f, 1.0f, 2.0f, 2, 0.5f);  // no font yet: nothing
    EXPECT_EQ(vtTextCount(), 0);
    fontWhite = font.get();
    GuiManager::quickPrint(2.999f, 1.0f, 2.0f, 2, 0.5f);
    GuiManager::quickPrintTime(83.25f, -3.0f, 4.0f);
    GuiManager::quickPrintCentered("Round 1", 0.0f, 5.0f, 0.8f);
    const auto texts = printed();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "2.99");
    EXPECT_FLOAT_EQ(texts[0].cell.x, 0.5f);
    EXPECT_EQ(texts[1].text, "1:23:25");
    EXPECT_FLOAT_EQ(texts[1].cell.y, 0.35f);
    vtText centred{};
    ASSERT_TRUE(vtTextGet(2, &centred));
    EXPECT_NEAR(centred.left + centred.width * 0.5f, 0.0f, 1e-4f);
}

}  // namespace

namespace {

// A screen with one button whose click runs the given action, inside the manager's poll.
struct NestingScreen : RecordingScreen {
    NestingScreen(GuiManager* manager, GuiBlocks* skin) : RecordingScreen(manager, skin) {
        button = new GuiButton(skin, -1, nullptr, nullptr, nullptr, 0);
        addChild(button);
        button->setLocation(Vector2(2.0f, 2.0f));
    }
    // Records, then routes to the button as a plain screen does.
    void onMousePressed(int b) override {
        RecordingScreen::onMousePressed(b);
        GuiScreen::onMousePressed(b);
    }
    void onMouseReleased(int b) override {
        RecordingScreen::onMouseReleased(b);
        GuiScreen::onMouseReleased(b);
    }
    void handleHighLevelEvent(HighLevelEvent& event) override {
        if (event.actionPerformed && event.source == button && action) action();
    }
    GuiButton* button = nullptr;
    std::function<void()> action;
};

}  // namespace

// A click whose action shows another screen and polls the same manager again before it
// returns (the quick match's load does): the inner polls take the frame's new edges, and the
// outer poll goes on with the new screen, delivering nothing twice and nothing to the old one.
TEST_F(ScreensManager, APollEnteredAgainFromAClickGoesOnWithTheNewScreen) {
    NestingScreen first(&manager, skin.get());
    RecordingScreen second(&manager, skin.get());
    int innerPolls = 0;
    first.action = [&] {
        manager.setScreen(&second);
        for (int i = 0; i < 3; ++i) {
            manager.pollInput();
            ++innerPolls;
        }
    };
    manager.setScreen(&first);
    ASSERT_TRUE(first.acceptsInput());
    pointAt(-13.5f, 2.0f);
    vtMouseButtonSet(0, 1);
    frame();
    ASSERT_EQ(first.count("pressed"), 1);

    // The click frame: the button goes up and a key goes down in the same frame.
    first.calls.clear();
    vtMouseButtonSet(0, 0);
    vtKeySet(30, 1);
    frame();
    EXPECT_EQ(innerPolls, 3);
    EXPECT_EQ(manager.getScreen(), &second);
    EXPECT_TRUE(second.acceptsInput());
    EXPECT_FALSE(first.acceptsInput());
    EXPECT_EQ(first.calls, (std::vector<std::string>{"released 0"}));
    // Every inner poll and the rest of the outer one reach the new screen: the left button's
    // "up" four times, the other buttons' four times each, the key's edge once.
    EXPECT_EQ(second.count("released"), 0);
    EXPECT_EQ(second.about(0), (std::vector<std::string>{"up 0", "up 0", "up 0", "up 0"}));
    EXPECT_EQ(second.count("up"), 3 * 4);
    EXPECT_EQ(second.count("keypressed"), 1);
    EXPECT_EQ(second.count("keyheld"), 4);
    EXPECT_EQ(second.count("pressed"), 0);

    // The next frame delivers the held key, with no second edge, to the new screen only.
    second.calls.clear();
    frame();
    EXPECT_EQ(second.count("keypressed"), 0);
    EXPECT_EQ(second.count("keyheld"), 1);
    EXPECT_EQ(first.calls, (std::vector<std::string>{"released 0"}));
    vtKeySet(30, 0);
    frame();
    EXPECT_EQ(second.count("keyreleased"), 1);
    manager.forgetPanels();
}

// A screen or dialog set while the message box is open stays hidden until the box is answered,
// and a screen the box hid goes with its shown flag back.
TEST_F(ScreensManager, AScreenSetUnderTheOpenMessageBoxWaitsForTheAnswer) {
    RecordingScreen first(&manager, skin.get()), second(&manager, skin.get());
    RecordingDialog dialog(&manager, skin.get());
    GuiMessageBox box(&manager, skin.get(), nullptr, 0);
    manager.setMessageBox(&box);
    manager.setScreen(&first);
    manager.showMessageBox(0, "Line A", "Line B", nullptr);
    EXPECT_FALSE(first.isShown());

    manager.setScreen(&second);
    EXPECT_FALSE(second.isShown());
    EXPECT_TRUE(first.isShown());  // let go of: its flag back, drawn nowhere (inactive)
    EXPECT_FALSE(first.isActive());
    EXPECT_TRUE(second.isActive());
    manager.setDialog(&dialog);
    EXPECT_FALSE(dialog.isShown());
    manager.setDialog(nullptr);
    EXPECT_FALSE(second.isShown());  // the box still stands over it

    HighLevelEvent ok;
    ok.actionPerformed = true;
    ok.source = box.getButtonA();
    box.handleHighLevelEvent(ok);
    EXPECT_EQ(manager.getMessageBoxResult(), 0);
    EXPECT_TRUE(second.isShown());
    manager.forgetPanels();
}
