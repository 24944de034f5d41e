// Levers dragged and stepped with the injected pointer, the grid's cells and the list box's
// window, selection and scroll lever.
#include <cmath>

#include "GuiTestKit.h"
#include "gui/GuiGrid.h"
#include "gui/GuiLever.h"

namespace {

using guitest::GuiFixture;
using guitest::PrintedText;
using guitest::spritesNamed;

class Levers : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        screen = std::make_unique<guitest::ListeningPanel>(skin.get());
        screen->hideBackground();
        screen->setSize(Vector2(32.0f, 24.0f));
    }
    void TearDown() override {
        screen.reset();
        GuiFixture::TearDown();
    }
    // Moves the pointer with the button still held.
    void dragTo(float x, float y) {
        pointAt(x, y);
        screen->onMouseHeld(0);
    }
    vtSprite knob() { return spritesNamed("VAV_004").at(0); }

    std::unique_ptr<guitest::ListeningPanel> screen;
};

TEST_F(Levers, ALeverFollowsTheDragAndStaysOnItsTrack) {
    auto* lever = new GuiLever(skin.get(), -1, nullptr, 0, nullptr);
    screen->addChild(lever);
    lever->setLocation(Vector2(-5.0f, 0.0f));
    lever->setSize(Vector2(10.0f, 1.0f));
    pointAt(-4.75f, 0.0f);
    press(*screen, 1);  // the right button neither starts a drag
    EXPECT_FALSE(lever->isDragging());
    press(*screen);
    EXPECT_TRUE(lever->isDragging());
    EXPECT_TRUE(screen->heard.empty());  // the knob was already there
    release(*screen, 1);               // nor ends one
    EXPECT_TRUE(lever->isDragging());
    dragTo(4.99f, 0.0f);  // past the end
    EXPECT_FLOAT_EQ(lever->getValue(), 1.0f);
    EXPECT_FLOAT_EQ(knob().location.x, 4.5f);
    ASSERT_EQ(screen->heard.size(), 1u);
    EXPECT_TRUE(screen->heard[0].valueChanged);
    EXPECT_FLOAT_EQ(screen->heard[0].value, 1.0f);
    EXPECT_EQ(screen->heard[0].source, lever);
    dragTo(4.9f, 0.0f);  // still clamped: no new value, no event
    EXPECT_EQ(screen->heard.size(), 1u);
    release(*screen);
    EXPECT_FALSE(lever->isDragging());

    // Upright, the knob's middle follows the pointer's own height.
    lever->setHorizontal(false);
    lever->setLocation(Vector2(-1.0f, 0.0f));
    lever->setSize(Vector2(1.0f, 10.0f));
    pointAt(-0.5f, 2.0f);
    press(*screen);
    EXPECT_NEAR(knob().location.y, 2.0f, 1e-5f);
    EXPECT_NEAR(lever->getValue(), 2.75f / 9.5f, 1e-6f);
    release(*screen);

    // A knob as long as the track leaves nowhere to go: the value is 0, never NaN.
    lever->setKnobLength(10.0f);
    pointAt(-0.5f, -3.0f);
    press(*screen);
    EXPECT_FLOAT_EQ(lever->getValue(), 0.0f);
    EXPECT_FALSE(std::isnan(knob().location.y));
}

TEST_F(Levers, ASuperLeverStepsThroughWholeNumbers) {
    auto* selector = new GuiSuperLever(skin.get(), 1, nullptr, 0, nullptr);
    screen->addChild(selector);
    selector->setLocation(Vector2(-6.0f, 3.0f));
    selector->setSize(Vector2(12.0f, 1.0f));  // lever track [-5, 5], arrows at either end
    selector->setIntValue(12);
    EXPECT_EQ(selector->getIntValue(), 10);
    EXPECT_EQ(selector->getText(), "10");
    selector->setIntValue(-3);
    EXPECT_EQ(selector->getIntValue(), 0);
    EXPECT_EQ(selector->getText(), "0");

    // The right arrow counts up; at the top it changes nothing and only the source changes.
    click(*screen, 5.5f, 3.0f);
    EXPECT_EQ(selector->getIntValue(), 1);
    ASSERT_EQ(screen->heard.size(), 2u);
    EXPECT_EQ(screen->heard[0].source, selector->getSelectRightButton());
    EXPECT_TRUE(screen->heard[0].actionPerformed);
    EXPECT_EQ(screen->heard[1].source, selector);
    EXPECT_TRUE(screen->heard[1].valueChanged);
    EXPECT_FALSE(screen->heard[1].actionPerformed);
    EXPECT_FLOAT_EQ(screen->heard[1].value, 0.1f);
    selector->setIntValue(10);
    click(*screen, 5.5f, 3.0f);
    EXPECT_EQ(selector->getIntValue(), 10);
    ASSERT_EQ(screen->heard.size(), 4u);
    EXPECT_EQ(screen->heard[3].source, selector);
    EXPECT_TRUE(screen->heard[3].actionPerformed);
    EXPECT_FALSE(screen->heard[3].valueChanged);
    click(*screen, -5.5f, 3.0f);
    EXPECT_EQ(selector->getText(), "9");

    // Dragging snaps to whole steps.
    pointAt(-4.5f, 3.0f);
    press(*screen);
    dragTo(-5.0f + 0.25f + 0.72f * 9.5f, 3.0f);
    release(*screen);
    EXPECT_EQ(selector->getIntValue(), 7);
    EXPECT_EQ(selector->getText(), "7");
    EXPECT_FLOAT_EQ(selector->getLeverValue(), 0.7f);

    selector->setMinimum(11);
    EXPECT_EQ(selector->getMinimum(), 0);
    selector->getLever()->setValue(0.79f);
    EXPECT_EQ(selector->getIntValue(), 7);

    // Every whole number of every range up to 255 reads back as set, and the arrow reaches each.
    for (int range = 1; range <= 255; ++range) {
        selector->setMaximum(range);
        for (int n = 0; n <= range; ++n) {
            selector->setIntValue(n);
            ASSERT_EQ(selector->getIntValue(), n) << "range " << range;
        }
        selector->setIntValue(0);
        HighLevelEvent arrow;
        for (int n = 1; n <= range; ++n) {
            arrow.reset();
            arrow.actionPerformed = true;
            arrow.source = selector->getSelectRightButton();
            selector->handleHighLevelEvent(arrow);
            ASSERT_EQ(selector->getIntValue(), n) << "range " << range;
        }
    }

    // An empty range holds its one value, with no NaN anywhere.
    selector->setMaximum(10);
    selector->setMinimum(2);
    selector->setMaximum(2);
    selector->setIntValue(2);
    EXPECT_EQ(selector->getIntValue(), 2);
    EXPECT_EQ(selector->getText(), "2");
    EXPECT_FLOAT_EQ(selector->getLeverValue(), 0.0f);
    for (int i = 0; i < vtSpriteCount(); ++i) {
        const vtSprite s = guitest::spriteOf(vtSpriteAt(i));
        EXPECT_FALSE(std::isnan(s.location.x) || std::isnan(s.location.y) || std::isnan(s.scale.x));
    }
    click(*screen, 5.5f, 3.0f);
    EXPECT_EQ(selector->getIntValue(), 2);

    // Upright and away from y = 0, its arrows stay on the panel.
    selector->setHorizontal(false);
    selector->setSize(Vector2(1.0f, 6.0f));
    EXPECT_EQ(selector->getUpButton()->getAbsoluteLocation(), Vector2(-6.0f, 5.5f));
    EXPECT_EQ(selector->getDownButton()->getAbsoluteLocation(), Vector2(-6.0f, 0.5f));
}

TEST_F(Levers, AGridPlacesEachChildInItsCell) {
    GuiGrid grid(skin.get(), 2, 4);
    grid.setSize(Vector2(200.0f, 100.0f));
    auto* corner = new GuiComponent(skin.get(), -1, nullptr, 0, nullptr, false);
    corner->setIntA(1);
    corner->setIntB(3);
    auto* first = new GuiComponent(skin.get(), -1, nullptr, 0, nullptr, false);
    grid.addChild(corner);
    grid.addChild(first);
    EXPECT_EQ(corner->getLocation(), Vector2(150.0f, 25.0f));
    EXPECT_EQ(corner->getSize(), Vector2(50.0f, 50.0f));
    EXPECT_EQ(first->getLocation(), Vector2(0.0f, -25.0f));
    grid.setRowCount(0);
    EXPECT_EQ(grid.getRowCount(), 1u);
    EXPECT_EQ(first->getSize(), Vector2(50.0f, 100.0f));
    EXPECT_EQ(corner->getLocation(), Vector2(150.0f, 100.0f));
}

class ListBox : public Levers {
protected:
    void SetUp() override {
        Levers::SetUp();
        list = new GuiListBox(skin.get(), nullptr, 0);
        screen->addChild(list);
        list->setLocation(Vector2(-4.0f, 0.0f));
        list->setSize(Vector2(8.0f, 3.0f));  // top 1.5; rows 0.7 apart (cell 0.35)
        for (int i = 0; i < 5; ++i) list->addItem("Item " + std::to_string(i));
    }
    std::vector<std::string> shownItems() {
        std::vector<std::string> shown;
        for (const PrintedText& t : printFrame()) shown.push_back(t.text);
        return shown;
    }
    float rowY(int row) { return 1.5f - 0.35f - 0.7f * static_cast<float>(row); }

    GuiListBox* list = nullptr;
};

TEST_F(ListBox, TheWindowScrollsAndTheLeverFollows) {
    EXPECT_EQ(shownItems(), (std::vector<std::string>{"Item 0", "Item 1", "Item 2"}));
    EXPECT_TRUE(list->getScrollLever()->isActive());
    EXPECT_EQ(list->getScrollLever()->getMaximum(), 2);
    EXPECT_FALSE(list->scrollUp());
    EXPECT_TRUE(list->scrollDown());
    EXPECT_TRUE(list->scrollDown());
    EXPECT_FALSE(list->scrollDown());
    EXPECT_EQ(shownItems(), (std::vector<std::string>{"Item 2", "Item 3", "Item 4"}));
    EXPECT_EQ(list->getScrollLever()->getIntValue(), 2);

    // The lever's up arrow (above the box, right of it) scrolls back one row.
    click(*screen, 4.5f, 1.0f);
    EXPECT_EQ(list->getFirstVisible(), 1);
    EXPECT_EQ(shownItems().front(), "Item 1");

    list->setSize(Vector2(8.0f, 3.7f));
    EXPECT_EQ(list->getSize().y, 3.0f);
    EXPECT_EQ(list->getVisibleCount(), 3);
    list->removeItem(4);
    list->removeItem(3);
    EXPECT_FALSE(list->getScrollLever()->isActive());
    list->addItem("Item 3");
    EXPECT_TRUE(list->getScrollLever()->isActive());
    EXPECT_EQ(list->getScrollLever()->getMinimum(), 0);
    EXPECT_EQ(list->getScrollLever()->getMaximum(), 1);
}

TEST_F(ListBox, APressSelectsTheRowDrawnUnderThePointer) {
    list->scrollDown();
    list->scrollDown();
    list->setSelectedIndex(3);
    EXPECT_EQ(list->getFirstVisible(), 2);
    const vtSprite highlight = spritesNamed("blue").at(0);
    EXPECT_TRUE(highlight.visible);
    EXPECT_NEAR(highlight.location.y, rowY(1), 1e-5f);
    EXPECT_NEAR(highlight.scale.y, 0.7f, 1e-6f);

    for (int row = 0; row < 3; ++row) {
        pointAt(-2.0f, rowY(row));
        press(*screen);
        release(*screen);
        EXPECT_EQ(list->getSelectedIndex(), 2 + row);
        EXPECT_EQ(list->getSelectedText(), "Item " + std::to_string(2 + row));
    }
    list->setSelectedIndex(2);
    pointAt(-2.0f, rowY(2) - 0.4f);  // below the last shown row, still inside the box
    press(*screen);
    EXPECT_EQ(list->getSelectedIndex(), 2);
    list->setSelectedIndex(7);
    EXPECT_EQ(list->getSelectedIndex(), 2);

    // A selection below the window brings it down to the bottom row.
    list->setSelectedIndex(0);
    list->setSelectedIndex(4);
    EXPECT_EQ(list->getFirstVisible(), 2);

    // The selected last item removed: no selection. Cleared while scrolled: a new item shows.
    list->removeItem(4);
    EXPECT_EQ(list->getSelectedIndex(), -1);
    EXPECT_EQ(list->getSelectedText(), "");
    list->clear();
    list->addItem("Fresh");
    const std::vector<PrintedText> texts = printFrame();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Fresh");
    EXPECT_NEAR(texts[0].location.y, rowY(0), 1e-5f);
}

}  // namespace
