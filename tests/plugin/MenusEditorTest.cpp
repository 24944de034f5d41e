// The plug-in's menus, history and three-page editor, through injected clicks, keys and typed
// characters, read back from what the engine prints and draws.
#include <algorithm>

#include "PluginTestKit.h"

using namespace plugintest;

namespace {

// Plane places on the editor's pages (the page's x is the plane's x).
constexpr float NameY = 4.5f, SchoolY = 3.0f, GenderY = 1.5f, AgeY = 0.0f, StanceY = -3.0f;
constexpr float FieldX = 10.5f, FirstBoxX = 7.5f, SecondBoxX = 11.0f;
constexpr float LeftArrowX = 7.5f, RightArrowX = 13.5f;
constexpr float AgeLeftEnd = 8.0f, AgeRightEnd = 14.0f;
// The statistics rows from the top.
constexpr float StatRowY[6] = {3.0f, 1.5f, 0.0f, -1.5f, -3.0f, -4.5f};

}  // namespace

class PluginMenus : public PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        start();
        frame(2);
    }

    // The number shown on a statistics row (the super lever prints its value centred).
    bool rowShows(const std::string& number) const { return shows(number); }

    // A number printed at a plane height, right of the captions.
    std::string printedAt(float y, float minX) const {
        for (int i = 0; i < vtTextCount(); ++i) {
            vtText text{};
            if (vtTextGet(i, &text) && text.text && std::abs(text.location.y - y) < 0.3f && text.location.x > minX)
                return text.text;
        }
        return "";
    }

    void drag(float fromX, float toX, float y) {
        pointAt(fromX, y);
        frame();
        vtMouseButtonSet(0, 1);
        frame();
        pointAt(toX, y);
        frame(2);
        vtMouseButtonSet(0, 0);
        frame();
    }
};

TEST_F(PluginMenus, TheHistoryLeadsToTheEditorAndBackStepByStepByButtonAndByEsc) {
    EXPECT_TRUE(shows("Exit"));
    EXPECT_TRUE(shows("Game Setup"));

    click(RightButtonX, TopRowY);
    frame();
    EXPECT_TRUE(shows("Back"));
    EXPECT_TRUE(shows("Editor"));
    EXPECT_FALSE(shows("Game Setup")) << "the main menu's pictures and captions are gone";
    EXPECT_FALSE(shows("NAME")) << "the click on \"Game Setup\" did not also press \"Editor\" under it";

    click(RightButtonX, TopRowY);
    frame();
    EXPECT_TRUE(shows("NAME"));
    EXPECT_TRUE(shows("GENERAL INFORMATION"));
    EXPECT_TRUE(shows("Back Options"));
    EXPECT_GE(visibleSprites("VAV_CreateFighter"), 1);

    click(LeftButtonX, TopRowY);  // "Back" on the editor
    frame();
    EXPECT_TRUE(shows("Editor"));
    EXPECT_FALSE(shows("NAME"));
    EXPECT_EQ(visibleSprites("VAV_CreateFighter"), 0);
    press(Esc);  // Esc on the game setup screen goes back as "Back" does
    frame();
    EXPECT_TRUE(shows("Game Setup"));

    click(RightButtonX, TopRowY);
    click(RightButtonX, TopRowY);
    press(Esc);
    press(Esc);
    frame();
    EXPECT_TRUE(shows("Game Setup")) << "Esc from the editor, then from the game setup screen";
    vtCallLogClear();
    press(Esc);
    EXPECT_TRUE(exitCalled()) << "Esc on the main menu does what \"Exit\" does";
}

TEST_F(PluginMenus, TheEditorPagesKeepTheirRulesAndValues) {
    click(RightButtonX, TopRowY);
    click(RightButtonX, TopRowY);
    frame();
    ASSERT_TRUE(shows("NAME"));

    click(FieldX, NameY);
    type("KIM");
    press(Tab);
    type("X");  // Tab moves nothing: the letter still goes to NAME
    click(FieldX, SchoolY);
    type("SEOUL");
    frame();
    EXPECT_TRUE(shows("KIMX"));
    EXPECT_TRUE(shows("SEOUL"));

    const int offBoxes = visibleSprites("checkBoxOff");
    EXPECT_EQ(visibleSprites("checkBoxOn"), 0) << "no box is checked at first";
    click(SecondBoxX, GenderY);  // FEMALE
    EXPECT_EQ(visibleSprites("checkBoxOn"), 1);
    click(SecondBoxX, GenderY);  // again: it stays checked
    EXPECT_EQ(visibleSprites("checkBoxOn"), 1);
    click(FirstBoxX, GenderY);  // MALE: FEMALE goes off
    EXPECT_EQ(visibleSprites("checkBoxOn"), 1);
    EXPECT_EQ(visibleSprites("checkBoxOff"), offBoxes - 1) << "the stance group is untouched";

    // The lever hears the held button while the pointer is over it: drag to its ends.
    drag(AgeLeftEnd + 0.1f, AgeRightEnd - 0.1f, AgeY);
    EXPECT_TRUE(shows("35"));
    drag(AgeRightEnd - 0.1f, AgeLeftEnd + 0.1f, AgeY);
    EXPECT_TRUE(shows("18"));

    click(NextOptionsX, BottomRowY);
    frame();
    EXPECT_TRUE(shows("STAMINA"));
    EXPECT_TRUE(shows("GENERAL INFORMATION")) << "every page carries the one title";
    EXPECT_EQ(printedAt(4.5f, 8.5f), "10");
    EXPECT_GE(visibleSprites("VAV_002_Arrow_L"), 6);
    EXPECT_GE(visibleSprites("VAV_003_Arrow_r"), 6);
    // STAMINA, POWER and DEFENSE to 3 each, FOOTWORK to 1, then one more FOOTWORK click.
    for (int row = 0; row < 3; ++row)
        for (int n = 0; n < 3; ++n) click(RightArrowX, StatRowY[row]);
    frame();
    EXPECT_EQ(printedAt(4.5f, 8.5f), "1");
    click(RightArrowX, StatRowY[3]);
    frame();
    EXPECT_EQ(printedAt(4.5f, 8.5f), "0");
    click(RightArrowX, StatRowY[3]);
    frame();
    EXPECT_EQ(printedAt(4.5f, 8.5f), "0");
    EXPECT_EQ(printedAt(StatRowY[3], 9.0f), "1") << "FOOTWORK pulled back to the budget";
    drag(RightArrowX - 5.5f, RightArrowX - 1.0f, StatRowY[4]);  // SPEED dragged past the budget
    frame();
    EXPECT_EQ(printedAt(StatRowY[4], 9.0f), "0");
    EXPECT_EQ(printedAt(4.5f, 8.5f), "0");

    click(NextOptionsX, BottomRowY);
    frame();
    EXPECT_TRUE(shows("AXE KICK"));
    EXPECT_EQ(printedAt(4.5f, 8.5f), "10") << "the kick page has a budget of its own";
    for (int n = 0; n < 12; ++n) click(RightArrowX, StatRowY[0]);
    frame();
    EXPECT_EQ(printedAt(StatRowY[0], 9.0f), "10");
    EXPECT_EQ(printedAt(4.5f, 8.5f), "0");
    click(RightArrowX, StatRowY[1]);
    frame();
    EXPECT_EQ(printedAt(StatRowY[1], 9.0f), "0");
    click(NextOptionsX, BottomRowY);  // nothing after the last page
    frame();
    EXPECT_TRUE(shows("AXE KICK"));

    click(BackOptionsX, BottomRowY);
    frame();
    EXPECT_TRUE(shows("STAMINA"));
    EXPECT_EQ(printedAt(StatRowY[0], 9.0f), "3") << "values survive paging";
    click(BackOptionsX, BottomRowY);
    click(BackOptionsX, BottomRowY);  // nothing before the first page
    frame();
    EXPECT_TRUE(shows("KIMX"));
    EXPECT_TRUE(shows("18"));
}
