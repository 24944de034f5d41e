// Text fields typed into through the manager with injected keys and characters, the game's
// cursor and the fill bar.
#include <cmath>

#include "GuiTestKit.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiMouse.h"
#include "gui/GuiText.h"
#include "gui/GuiTextList.h"
#include "gui/GuiTextPassword.h"
#include "gui/IRect.h"
#include "gui/ObserveAbleNumber.h"
#include "gui/ObserveAbleString.h"

namespace {

using guitest::spriteOf;

struct PlainScreen : GuiScreen {
    PlainScreen(GuiManager* manager, GuiBlocks* skin) : GuiScreen(manager, skin, nullptr, 0) {}
    void onLeave() override {}
};

struct Told : Observer {
    void notify(ObserveAble*, void*) override { ++times; }
    int times = 0;
};

class TextFieldsBox : public guitest::ManagerFixture {
protected:
    void SetUp() override {
        ManagerFixture::SetUp();
        screen = std::make_unique<PlainScreen>(&manager, skin.get());
        screen->hideBackground();
        manager.setScreen(screen.get());
    }
    void TearDown() override {
        manager.forgetPanels();
        screen.reset();
        ManagerFixture::TearDown();
    }
    // A key going down with the character the system reports for it, then up.
    void type(int key, char c) {
        if (c) vtTypeChar(static_cast<unsigned char>(c));
        tapKey(key);
    }
    template <typename Field>
    Field* addField(int maxLength, ObserveAbleString* text = nullptr) {
        auto* field = new Field(skin.get(), 1, nullptr, 0, maxLength, text);
        screen->addChild(field);
        field->setLocation(Vector2(4.0f, 2.0f));  // the plane's x -12
        field->setSize(Vector2(8.0f, 1.0f));
        return field;
    }

    std::unique_ptr<PlainScreen> screen;
};

TEST_F(TextFieldsBox, TypingEditsTheFocusedFieldWithRepeatLimitAndCaret) {
    ObserveAbleString shared;
    Told told;
    shared.addObserver(&told);
    GuiText* field = addField<GuiText>(-1, &shared);
    type(30, 'q');  // not focused yet: nothing
    EXPECT_EQ(field->getText(), "");
    screen->focusNext();
    ASSERT_EQ(screen->getFocusedChild(), field);
    type(30, 'a');
    type(48, 'b');
    type(46, 'c');
    EXPECT_EQ(field->getText(), "abc");
    type(199, 0);  // Home
    type(211, 0);  // Delete
    EXPECT_EQ(field->getText(), "bc");
    EXPECT_EQ(told.times, 4);
    shared.removeObserver(&told);

    // Two keys down in one frame, "x" then "y" typed: each takes its own character.
    field->setText("");
    screen->focusNext();
    vtTypeChar('x');
    vtTypeChar('y');
    vtKeySet(45, 1);
    vtKeySet(21, 1);
    frame();
    vtKeySet(45, 0);
    vtKeySet(21, 0);
    frame();
    EXPECT_EQ(field->getText(), "xy");

    // Held 45 frames: frames 1, 40 and 45.
    field->setText("");
    screen->focusNext();
    vtTypeChar('k');
    vtKeySet(37, 1);
    for (int i = 0; i < 45; ++i) frame();
    vtKeySet(37, 0);
    frame();
    EXPECT_EQ(field->getText(), "kkk");

    // The caret: at 0 after setText, at the end when focused, after the text before it.
    field->setText("Ryu");
    EXPECT_EQ(field->getCaretIndex(), 0);
    field->clearFocus();
    field->setFocus();
    EXPECT_EQ(field->getCaretIndex(), 3);
    const vtSprite caret = spriteOf(field->getCaret());
    EXPECT_TRUE(caret.visible);
    EXPECT_FLOAT_EQ(caret.scale.x, 0.875f);
    const float expectedX = -12.0f + font->textWidth("Ryu", Vector2(0.35f, 0.35f), 0.0f) - 0.875f * 0.5f + 0.25f;
    EXPECT_NEAR(caret.location.x, expectedX, 1e-5f);
    EXPECT_FLOAT_EQ(caret.location.y, 2.0f);
    // Blinking every 30 ticks while focused.
    for (int i = 0; i < 31; ++i) frame();
    EXPECT_FALSE(spriteOf(field->getCaret()).visible);
    field->clearFocus();
    for (int i = 0; i < 60; ++i) frame();
    EXPECT_FALSE(spriteOf(field->getCaret()).visible);
    screen->removeChild(field);  // it observes the text, which goes with this test
    delete field;
}

TEST_F(TextFieldsBox, FieldsKeepTheirLimitsAndNeverTakeAControlCharacter) {
    GuiText* field = addField<GuiText>(3);
    screen->focusNext();
    type(30, 0);  // the first key with no character reported inserts nothing
    EXPECT_EQ(field->getText(), "");
    type(2, '\x01');  // nor does a control character
    EXPECT_EQ(field->getText(), "");
    type(30, 'a');
    type(57, ' ');
    type(48, 'b');
    EXPECT_EQ(field->getText(), "a b");
    type(46, 'c');
    type(57, ' ');
    EXPECT_EQ(field->getText(), "a b");
    field->clearFocus();

    // A label ignores keys, shows no caret and is skipped by Tab.
    auto* label = new GuiText(skin.get(), -1, nullptr, 0, -1, nullptr);
    screen->addChild(label);
    label->setEditable(false);
    EXPECT_FALSE(label->isBorderShown() || label->isBackgroundShown());
    screen->focusNext();
    EXPECT_EQ(screen->getFocusedChild(), field);
    label->setFocus();
    type(30, 'z');
    EXPECT_EQ(label->getText(), "");
    EXPECT_FALSE(spriteOf(label->getCaret()).visible);
    label->clearFocus();

    // A password field shows stars and gives what was typed.
    screen->removeChild(field);
    delete field;
    GuiTextPassword* secret = addField<GuiTextPassword>(-1);
    screen->focusNext();
    type(30, 'a');
    type(31, 's');
    type(32, 'd');
    EXPECT_EQ(secret->getText(), "asd");
    EXPECT_EQ(secret->getCaption()->getText(), "***");
    type(14, 0);
    EXPECT_EQ(secret->getText(), "as");
    secret->setText("pw");
    EXPECT_EQ(secret->getCaption()->getText(), "**");
    screen->removeChild(secret);
    delete secret;

    // Several lines: Enter breaks the line and the caret goes down with it.
    GuiTextList* lines = addField<GuiTextList>(-1);
    screen->focusNext();
    type(30, 'a');
    type(28, 0);
    EXPECT_EQ(lines->getText(), "a\n");
    const vtSprite caret = spriteOf(lines->getCaret());
    EXPECT_NEAR(caret.location.y, 2.0f - 0.35f, 1e-5f);
    EXPECT_NEAR(caret.location.x, -12.0f - 0.875f * 0.5f + 0.25f, 1e-5f);
}

TEST_F(TextFieldsBox, TheCursorFollowsThePointerAndFillBarsShowTheirValue) {
    GuiMouse mouse(&artist->mouseArtist);
    mouse.setMode(0);
    for (const Vector2& at : {Vector2(0.0f, 0.0f), Vector2(-16.0f, 12.0f), Vector2(7.25f, -3.5f)}) {
        pointAt(at.x, at.y);
        mouse.update();
        EXPECT_NEAR(mouse.getCursorLocation().x, at.x, 1e-4f);
        EXPECT_NEAR(mouse.getCursorLocation().y, at.y, 1e-4f);
    }
    const int arrow = vtSpriteCount() - 3;
    EXPECT_EQ(vtSpriteAt(vtSpriteCount() - 1) != 0, true);
    mouse.setMode(3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(spriteOf(vtSpriteAt(arrow + i)).visible);
    mouse.setMode(0);
    mouse.setMode(5);
    pointAt(1.0f, 1.0f);
    mouse.update();
    EXPECT_NEAR(mouse.getCursorLocation().x, 1.0f, 1e-4f);
    // Drawn after every priority-0 sprite, the fill bar's included.
    ObserveAbleNumber level;
    level.value = 0.5f;
    GuiFillBar bar(skin.get(), nullptr, 0, &level);
    bar.setLocation(Vector2(-2.0f, 0.0f));
    bar.setSize(Vector2(4.0f, 0.5f));
    bar.setTextAlignment(2);
    EXPECT_EQ(spriteOf(vtSpriteAt(vtSpriteCount() - 1)).priority, 1);
    vtSprite fill = spriteOf(bar.getFill());
    EXPECT_FLOAT_EQ(fill.scale.x, 2.0f);
    EXPECT_FLOAT_EQ(fill.location.x, 0.0f);
    EXPECT_TRUE(fill.visible);
    EXPECT_EQ(bar.getCaption()->getLocation().x, -1.75f);  // the caption stays

    bar.setHorizontal(false);
    bar.setTextAlignment(1);
    bar.setSize(Vector2(1.0f, 4.0f));
    Told told;
    level.addObserver(&told);
    bar.setValue(0.25f);
    fill = spriteOf(bar.getFill());
    EXPECT_FLOAT_EQ(fill.scale.y, 1.0f);
    EXPECT_FLOAT_EQ(fill.location.y, 1.5f);
    bar.setValue(0.25f);
    EXPECT_EQ(told.times, 1);
    bar.setValue(0.0f);
    EXPECT_FALSE(spriteOf(bar.getFill()).visible);
    bar.setValue(std::nanf(""));
    EXPECT_FALSE(spriteOf(bar.getFill()).visible);
    EXPECT_FALSE(std::isnan(spriteOf(bar.getFill()).scale.y));
    level.removeObserver(&told);
}

}  // namespace
