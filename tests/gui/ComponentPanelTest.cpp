// A component's defaults, setters and hierarchy, and panels of buttons and check boxes played
// with the injected pointer, as the GUI manager will deliver the presses.
#include "GuiTestKit.h"
#include "gui/GuiCheckBoxManager.h"

namespace {

using guitest::GuiFixture;
using guitest::spritesNamed;
using guitest::visibleSprites;

class ComponentPanel : public GuiFixture {};

struct Focusable : GuiComponent {
    explicit Focusable(GuiBlocks* skin) : GuiComponent(skin, -1, nullptr, 0, nullptr, false) {}
    bool isFocusable() const override { return true; }
};

struct SlidingPanel : guitest::ListeningPanel {
    using ListeningPanel::ListeningPanel;
    bool isInTransition() const override { return true; }
};

struct Owner : HighLevelEventListener {
    void handleHighLevelEvent(HighLevelEvent& event) override { heard.push_back(event); }
    std::vector<HighLevelEvent> heard;
};

TEST_F(ComponentPanel, ComponentDefaultsSettersAndHierarchy) {
    guitest::Counted<GuiComponent> c(skin.get(), 1, nullptr, 0, nullptr, false);
    EXPECT_TRUE(c.isActive() && c.isShown() && c.hasFocus() && c.acceptsInput());
    EXPECT_TRUE(c.isBackgroundShown() && c.isBorderShown());
    EXPECT_EQ(c.getSize(), Vector2(1.0f, 1.0f));
    EXPECT_EQ(c.getLocation(), Vector2(0.0f, 0.0f));
    EXPECT_EQ(c.getTextOffset(), Vector2(0.25f, 0.0f));
    EXPECT_EQ(c.getTextAlignment(), 3);
    EXPECT_EQ(c.getTextCharSize(), Vector2(0.35f, 0.35f));
    EXPECT_EQ(c.getIntA() + c.getIntB(), 0);
    EXPECT_EQ(c.getFactoryOwner(), guitest::Camera);

    c.setLocation(Vector2(1.0f, 2.0f));
    c.setSize(Vector2(4.0f, 1.0f));
    c.setTextOffset(Vector2(0.5f, 0.1f));
    const int refreshes = c.refreshes;
    c.setLocation(Vector2(1.0f, 2.0f));
    c.setSize(Vector2(4.0f, 1.0f));
    c.setTextOffset(Vector2(0.5f, 0.1f));
    c.hideBorder();
    c.hideBorder();
    EXPECT_EQ(c.refreshes, refreshes + 1);

    // A caption exactly 2 units wide in a component 4 wide: centred at 1, right-aligned at 1.75.
    c.setText("Rumble");
    const float width = c.getTextWidth();
    ASSERT_GT(width, 0.0f);
    c.setTextCharSize(Vector2(0.35f * 2.0f / width, 0.35f));
    EXPECT_NEAR(c.getTextWidth(), 2.0f, 1e-5f);
    c.setTextAlignment(1);
    EXPECT_NEAR(c.getTextOffset().x, 1.0f, 1e-5f);
    c.setTextAlignment(2);
    EXPECT_NEAR(c.getTextOffset().x, 1.75f, 1e-5f);
    c.setTextAlignment(0);
    EXPECT_EQ(c.getTextOffset(), Vector2(0.25f, 0.0f));
    EXPECT_FLOAT_EQ(c.getCaption()->getLocation().x, 1.25f);

    // A fitted part follows the size; one given its own keeps it.
    const std::string parts[2] = {"Tavek_res\\gui\\general\\red.x", "Tavek_res\\gui\\general\\blue.x"};
    GuiComponent pictured(skin.get(), -1, parts, 2, nullptr, false);
    pictured.setPartSize(1, Vector2(0.5f, 0.5f));
    pictured.setSize(Vector2(3.0f, 2.0f));
    EXPECT_EQ(pictured.getPartSize(0), Vector2(3.0f, 2.0f));
    EXPECT_EQ(pictured.getPartSize(1), Vector2(0.5f, 0.5f));
    EXPECT_EQ(pictured.getPartSize(5), Vector2());
    pictured.deactivate();
    EXPECT_FALSE(pictured.isPartVisible(0));

    // Listeners: one added twice goes with one removal.
    Owner owner;
    c.addHighLevelEventListener(&owner);
    c.addHighLevelEventListener(&owner);
    EXPECT_EQ(c.highLevelListenerCount(), 2u);
    c.removeHighLevelEventListener(&owner);
    EXPECT_EQ(c.highLevelListenerCount(), 0u);
}

TEST_F(ComponentPanel, DeactivatingAParentHidesEveryChildWhole) {
    GuiPanel panel(skin.get(), 1, nullptr, 0, false);
    auto* child = new GuiComponent(skin.get(), 0, nullptr, 0, nullptr, false);
    panel.addChild(child);
    child->setText("Child");
    child->setSize(Vector2(3.0f, 3.0f));
    EXPECT_GT(visibleSprites(), 10);
    ASSERT_EQ(printFrame().size(), 1u);
    panel.deactivate();
    EXPECT_EQ(visibleSprites(), 0);
    EXPECT_TRUE(printFrame().empty());
    panel.activate();
    child->hide();  // hiding hides only the caption
    EXPECT_GT(visibleSprites(), 10);
    EXPECT_TRUE(printFrame().empty());
}

// A screen at the plane's left edge holding a menu panel with a button and three check boxes.
class MenuPanel : public ComponentPanel {
protected:
    void SetUp() override {
        ComponentPanel::SetUp();
        screen = std::make_unique<guitest::ListeningPanel>(skin.get());
        screen->setLocation(Vector2(-16.0f, 0.0f));
        screen->setSize(Vector2(32.0f, 24.0f));
        menu = new GuiPanel(skin.get(), 0, nullptr, 0, false);
        screen->addChild(menu);
        menu->setLocation(Vector2(2.0f, 0.0f));
        menu->setSize(Vector2(20.0f, 10.0f));
        button = new GuiButton(skin.get(), 0, nullptr, nullptr, nullptr, 0);
        menu->addChild(button);
        button->setLocation(Vector2(1.0f, 2.0f));  // drawn over [-13, -9] x [1.5, 2.5]
        button->setSize(Vector2(4.0f, 1.0f));
        button->setText("Quick Match");
        for (int i = 0; i < 3; ++i) {
            boxes[i] = new GuiCheckBox(skin.get(), nullptr, 0, nullptr);
            menu->addChild(boxes[i]);
            boxes[i]->setLocation(Vector2(1.0f, -1.0f * static_cast<float>(i)));  // rows at y 0, -1, -2
            boxes[i]->setSize(Vector2(4.0f, 0.5f));
            boxes[i]->setChecked(true);
            group.add(boxes[i]);
        }
    }
    void TearDown() override {
        for (GuiCheckBox* box : boxes) group.remove(box);
        screen.reset();
        ComponentPanel::TearDown();
    }

    int actions() const {
        int count = 0;
        for (const HighLevelEvent& e : screen->heard) count += e.actionPerformed ? 1 : 0;
        return count;
    }
    bool upShown() { return spritesNamed("buttonOff").at(0).visible; }
    bool downShown() { return spritesNamed("buttonOn").at(0).visible; }

    std::unique_ptr<guitest::ListeningPanel> screen;
    GuiPanel* menu = nullptr;
    GuiButton* button = nullptr;
    GuiCheckBox* boxes[3] = {};
    GuiCheckBoxManager group;
};

TEST_F(MenuPanel, AButtonClicksOnlyWhenReleasedOverIt) {
    ASSERT_NE(GuiArtist::keySound, 0u);
    // Pressed, dragged off and released: nothing but the up picture again.
    pointAt(-11.0f, 2.0f);
    press(*screen);
    EXPECT_TRUE(downShown());
    EXPECT_FALSE(upShown());
    pointAt(-11.0f, 4.0f);
    release(*screen);
    EXPECT_TRUE(upShown());
    EXPECT_EQ(actions(), 0);
    EXPECT_FALSE(guitest::soundPlaying(GuiArtist::keySound));

    // Right and middle presses do nothing.
    for (int b : {1, 2}) click(*screen, -11.0f, 2.0f, b);
    EXPECT_TRUE(upShown());
    EXPECT_EQ(actions(), 0);

    // A click reaches the screen's owner through both panels, once, then the key sound plays.
    sound->setVolume(0.5f);
    click(*screen, -10.0f, 2.4f);
    ASSERT_EQ(actions(), 1);
    EXPECT_EQ(screen->heard.back().source, button);
    EXPECT_FALSE(screen->heard.back().valueChanged || screen->heard.back().checkBoxToggled);
    int playing = 0, looping = 0, positional = 0;
    float volume = 0.0f, length = 0.0f;
    ASSERT_TRUE(vtSoundGet(GuiArtist::keySound, &playing, &looping, &volume, &length, &positional));
    EXPECT_EQ(playing, 1);
    EXPECT_FLOAT_EQ(volume, 0.5f);
    EXPECT_EQ(menu->getFocusedChild(), button);

    // A deaf screen passes nothing and keeps its focus.
    screen->setAcceptsInput(false);
    click(*screen, -12.0f, 0.0f);
    EXPECT_EQ(menu->getFocusedChild(), button);
    EXPECT_EQ(screen->heard.size(), 1u);
    screen->setAcceptsInput(true);

    // Nothing counts while the screen slides.
    SlidingPanel sliding(skin.get());
    auto* inside = new GuiButton(skin.get(), -1, nullptr, nullptr, nullptr, 0);
    sliding.addChild(inside);
    inside->setLocation(Vector2(10.0f, -8.0f));
    click(sliding, 10.5f, -8.0f);
    EXPECT_TRUE(sliding.heard.empty());
    EXPECT_TRUE(spritesNamed("buttonOff").at(1).visible);
}

TEST_F(MenuPanel, ACheckBoxGroupKeepsExactlyOneChecked) {
    for (GuiCheckBox* box : boxes) EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(boxes[1]->getTextOffset(), Vector2(0.5f, 0.0f));  // the caption right of the square
    click(*screen, -12.8f, -1.0f);  // inside the second box's square
    EXPECT_FALSE(boxes[0]->isChecked());
    EXPECT_TRUE(boxes[1]->isChecked());
    EXPECT_FALSE(boxes[2]->isChecked());
    ASSERT_EQ(screen->heard.size(), 1u);
    EXPECT_TRUE(screen->heard[0].checkBoxToggled);
    EXPECT_TRUE(screen->heard[0].checked);
    click(*screen, -12.8f, -1.0f);
    EXPECT_TRUE(boxes[1]->isChecked());
    boxes[2]->setChecked(true);  // no event, so the group leaves it
    EXPECT_TRUE(boxes[1]->isChecked());
    EXPECT_EQ(screen->heard.size(), 2u);
    EXPECT_EQ(spritesNamed("checkBoxOn").size(), 3u);
}

TEST_F(ComponentPanel, PressesGoToTheTopmostActiveChildAndFocusWraps) {
    GuiPanel panel(skin.get(), -1, nullptr, 0, false);
    panel.setSize(Vector2(10.0f, 10.0f));
    auto* lower = new Focusable(skin.get());
    auto* upper = new Focusable(skin.get());
    auto* plain = new GuiComponent(skin.get(), -1, nullptr, 0, nullptr, false);
    auto* last = new Focusable(skin.get());
    for (GuiComponent* c : {static_cast<GuiComponent*>(lower), static_cast<GuiComponent*>(upper), plain,
                            static_cast<GuiComponent*>(last)}) {
        panel.addChild(c);
        c->setSize(Vector2(2.0f, 2.0f));
    }
    plain->setLocation(Vector2(5.0f, 0.0f));
    last->setLocation(Vector2(8.0f, 0.0f));
    pointAt(1.0f, 0.0f);
    press(panel);
    EXPECT_EQ(panel.getFocusedChild(), upper);
    upper->deactivate();
    press(panel);
    EXPECT_EQ(panel.getFocusedChild(), lower);
    EXPECT_FALSE(upper->hasFocus());

    panel.removeChild(lower);
    EXPECT_EQ(panel.getFocusedChild(), nullptr);
    EXPECT_FALSE(lower->hasFocus());
    panel.focusPrevious();
    EXPECT_EQ(panel.getFocusedChild(), last);
    panel.focusNext();
    EXPECT_EQ(panel.getFocusedChild(), upper);
    panel.focusNext();
    EXPECT_EQ(panel.getFocusedChild(), last);
    panel.focusNext();
    EXPECT_EQ(panel.getFocusedChild(), upper);

    // A child moved to another panel leaves the first one.
    GuiPanel other(skin.get(), -1, nullptr, 0, false);
    other.addChild(lower);
    other.addChild(plain);
    EXPECT_EQ(plain->getParent(), &other);
    EXPECT_EQ(panel.getChildren().size(), 2u);
    EXPECT_EQ(plain->highLevelListenerCount(), 1u);
}

TEST_F(ComponentPanel, MissingPicturesAndAMissingSkinDrawNothingAndBreakNothing) {
    // Pictures the pack lacks: sprite handle 0, nothing drawn, the widget still clicks.
    const std::string missing = "Tavek_res\\gui\\nowhere\\missing.x";
    GuiPanel panel(skin.get(), -1, nullptr, 0, false);
    auto* button = new GuiButton(skin.get(), 0, &missing, &missing, &missing, 1);
    panel.addChild(button);
    button->setSize(Vector2(3.0f, 1.0f));
    button->setPartVisible(0, true);
    Owner owner;
    button->addHighLevelEventListener(&owner);
    click(panel, 1.0f, 0.0f);
    EXPECT_EQ(owner.heard.size(), 1u);

    // No skin at all: no sprites, no text, no sound, and every widget still answers.
    const int sprites = vtSpriteCount();
    GuiPanel bare(nullptr, 0, nullptr, 0, false);
    bare.addChild(new GuiButton(nullptr, 0, nullptr, nullptr, nullptr, 0));
    bare.addChild(new GuiCheckBox(nullptr, nullptr, 0, nullptr));
    auto* list = new GuiListBox(nullptr, nullptr, 0);
    bare.addChild(list);
    list->addItem("unseen");
    list->setSize(Vector2(4.0f, 2.0f));
    auto* selector = new GuiSuperLever(nullptr, 0, nullptr, 0, nullptr);
    bare.addChild(selector);
    selector->setIntValue(4);
    EXPECT_EQ(selector->getIntValue(), 4);
    bare.setText("nothing to print");
    bare.setSize(Vector2(6.0f, 6.0f));
    click(bare, 0.5f, 0.0f);
    EXPECT_EQ(vtSpriteCount(), sprites);
    EXPECT_TRUE(printFrame().empty());
}

}  // namespace
