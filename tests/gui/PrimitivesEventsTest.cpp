// The pointer against pick boxes, the sprite primitives and their factory, observable values
// and high-level events, through the real engine in the game folder.
#include <cmath>

#include "GuiTestKit.h"
#include "gui/GuiGrid.h"
#include "gui/HighLevelEventListener.h"
#include "gui/Line2D.h"
#include "gui/ObserveAbleNumber.h"
#include "gui/PointerPlane.h"
#include "gui/Rect2D.h"
#include "resources/FileArchive.h"

namespace {

using guitest::GuiFixture;
using guitest::spriteOf;

constexpr float Pixel = 32.0f / 639.0f;  // one pixel of the 639 x 479 window, in plane units

class PrimitivesEvents : public GuiFixture {};

TEST_F(PrimitivesEvents, PickBoxesAreWhatIsDrawn) {
    Rect2D* rect = factory->createRect("Tavek_res\\gui\\general\\white.x", false);
    rect->setLocation(Vector2(2.0f, 1.0f));
    rect->setSize(Vector2(4.0f, 2.0f));  // drawn over [2, 6] x [0, 2]
    struct Probe {
        float x, y;
        bool picked;
    } probes[] = {
        {2.0f + Pixel, 1.0f, true},  {2.0f - Pixel, 1.0f, false}, {6.0f - Pixel, 1.0f, true},
        {6.0f + Pixel, 1.0f, false}, {4.0f, 2.0f - Pixel, true},  {4.0f, 2.0f + Pixel, false},
        {4.0f, Pixel, true},         {4.0f, -Pixel, false},
    };
    for (const Probe& probe : probes) {
        pointAt(probe.x, probe.y);
        EXPECT_EQ(rect->isPicked(), probe.picked) << probe.x << ", " << probe.y;
    }

    // A line's box lies half a unit below the drawn line: [x, x + length] x [y - 0.5, y - 0.4].
    Line2D* line = factory->createLine("Tavek_res\\gui\\general\\white.x");
    line->setLocation(Vector2(1.0f, 2.0f));
    pointAt(1.5f, 1.55f);
    EXPECT_TRUE(line->isPicked());
    pointAt(1.5f, 2.05f);
    EXPECT_FALSE(line->isPicked());
    pointAt(2.0f + Pixel, 1.55f);
    EXPECT_FALSE(line->isPicked());

    EXPECT_FALSE(rectanglePicked(Vector2(0, 0), Vector2(4, 4), Vector2(NAN, 0.0f)));
    EXPECT_FALSE(rectanglePicked(Vector2(0, 0), Vector2(4, 4), Vector2(1.0f, NAN)));

    // A widened component answers for the strip one unit to its right, and keeps its size.
    GuiComponent plain(skin.get(), -1, nullptr, 0, nullptr, false);
    GuiComponent widened(skin.get(), -1, nullptr, 0, nullptr, true);
    for (GuiComponent* c : {&plain, &widened}) {
        c->setLocation(Vector2(-4.0f, -3.0f));
        c->setSize(Vector2(2.0f, 1.0f));
    }
    pointAt(-1.5f, -3.0f);
    EXPECT_TRUE(widened.containsMouse());
    EXPECT_FALSE(plain.containsMouse());
    pointAt(-1.0f + Pixel, -3.0f);
    EXPECT_FALSE(widened.containsMouse());
    pointAt(-3.0f, -3.0f);
    EXPECT_TRUE(plain.containsMouse());
    EXPECT_EQ(widened.getSize(), Vector2(2.0f, 1.0f));
}

TEST_F(PrimitivesEvents, PrimitivesPushTheirShapeAndGoBackToTheirFactory) {
    ILine* line = factory->createLinePrimitive("Tavek_res\\gui\\general\\white.x");
    line->setLocation(Vector2(1.0f, 2.0f));
    line->setLength(3.0f);
    line->setWidth(0.2f);
    line->setAngle(45.0f);
    vtSprite drawn = spriteOf(line);
    EXPECT_TRUE(guitest::at(drawn.location, 1.0f, 2.0f));
    EXPECT_TRUE(guitest::at(drawn.scale, 3.0f, 0.2f));
    EXPECT_FLOAT_EQ(drawn.angle, 45.0f);
    EXPECT_EQ(drawn.owner, guitest::Camera);

    // Released: white, priority 0 and shown again, while the stored shape stays.
    IRect* rect = factory->createRectPrimitive("Tavek_res\\gui\\general\\blue.x", false);
    rect->setLocation(Vector2(-3.0f, 4.0f));
    rect->setSize(Vector2(3.0f, 4.0f));
    rect->setPriority(5);
    dynamic_cast<Primitive2D*>(rect)->setColour(1.0f, 0.0f, 0.0f, 0.5f);
    rect->acquire();
    EXPECT_TRUE(rect->isAcquired());
    rect->release();
    EXPECT_FALSE(rect->isAcquired());
    drawn = spriteOf(rect);
    EXPECT_EQ(drawn.priority, 0);
    EXPECT_FLOAT_EQ(drawn.colour.y, 1.0f);
    EXPECT_FLOAT_EQ(drawn.colour.w, 1.0f);
    EXPECT_TRUE(drawn.visible);
    EXPECT_EQ(rect->getSize(), Vector2(3.0f, 4.0f));
    EXPECT_EQ(rect->getLocation(), Vector2(-3.0f, 4.0f));

    // A stranger or a rectangle destroyed before is left alone.
    PrimitiveFactory2D other(guitest::Camera);
    const int sprites = vtSpriteCount();
    other.destroyRect(rect);
    EXPECT_EQ(vtSpriteCount(), sprites);
    EXPECT_EQ(factory->rectCount(), 1u);
    factory->destroyRect(rect);
    factory->destroyRect(rect);
    other.destroyLine(line);
    EXPECT_EQ(vtSpriteCount(), sprites - 1);
    EXPECT_EQ(factory->rectCount(), 0u);
    EXPECT_EQ(factory->lineCount(), 1u);

    // What a factory still holds goes with it.
    { PrimitiveFactory2D shortLived(guitest::Camera);
        shortLived.createRect("Tavek_res\\gui\\general\\blue.x", false);
        EXPECT_EQ(vtSpriteCount(), sprites);
    }
    EXPECT_EQ(vtSpriteCount(), sprites - 1);
}

TEST_F(PrimitivesEvents, EveryWidgetGivesBackEverySpriteAndFile) {
    // Warm the shared files (sounds, fonts) so only what the widgets hold is counted.
    delete new GuiButton(skin.get(), 0, nullptr, nullptr, nullptr, 0);
    const int sprites = vtSpriteCount();
    const size_t files = FileArchive::instance().files().size();
    {
        GuiPanel panel(skin.get(), 0, nullptr, 0, false);
        panel.addChild(new GuiButton(skin.get(), 0, nullptr, nullptr, nullptr, 0));
        panel.addChild(new GuiCheckBox(skin.get(), nullptr, 0, nullptr));
        panel.addChild(new GuiSuperLever(skin.get(), 1, nullptr, 0, nullptr));
        auto* grid = new GuiGrid(skin.get(), 2, 2);
        grid->addChild(new GuiButton(skin.get(), 1, nullptr, nullptr, nullptr, 0));
        grid->addChild(new GuiCheckBox(skin.get(), nullptr, 0, nullptr));
        panel.addChild(grid);
        const std::string part = "Tavek_res\\gui\\general\\red.x";
        auto* list = new GuiListBox(skin.get(), &part, 1);
        for (int i = 0; i < 5; ++i) list->addItem("Item " + std::to_string(i));
        panel.addChild(list);
        EXPECT_GT(vtSpriteCount(), sprites + 40);
        EXPECT_GT(FileArchive::instance().files().size(), files);
    }
    EXPECT_EQ(vtSpriteCount(), sprites);
    EXPECT_EQ(FileArchive::instance().files().size(), files);
    EXPECT_EQ(ticker->size(), 0u);
}

// Writes down who was told, and may act on the list while being told.
struct Recorder : Observer {
    Recorder(std::vector<int>& log, int id) : log(log), id(id) {}
    void notify(ObserveAble* changed, void*) override {
        log.push_back(id);
        if (removeSelf) changed->removeObserver(this);
        if (victim) {
            changed->removeObserver(victim);
            delete victim;
            victim = nullptr;
        }
    }
    std::vector<int>& log;
    int id;
    bool removeSelf = false;
    Recorder* victim = nullptr;
};

struct Raiser : GuiComponent {
    using GuiComponent::GuiComponent;
    using GuiComponent::raiseHighLevelEvent;
};

struct Hearer : HighLevelEventListener {
    void handleHighLevelEvent(HighLevelEvent& event) override {
        heard.push_back(event);
        event.value = 99.0f;
        event.actionPerformed = false;
    }
    std::vector<HighLevelEvent> heard;
};

TEST_F(PrimitivesEvents, ObserversAndListenersHearInOrderAndSurviveChangesOnTheWay) {
    std::vector<int> log;
    ObserveAbleNumber number;
    Recorder a(log, 1), b(log, 2);
    number.addObserver(&a);
    number.addObserver(&b);
    number.addObserver(&a);
    number.value = 5.0f;  // a write alone tells nobody
    EXPECT_TRUE(log.empty());
    number.notifyObservers(nullptr);
    EXPECT_EQ(log, (std::vector<int>{1, 2, 1}));

    // One leaves during the walk and takes a later one with it (deleted): neither is called again.
    log.clear();
    ObserveAbleNumber shared;
    Recorder leaver(log, 3), last(log, 5);
    auto* doomed = new Recorder(log, 4);
    leaver.removeSelf = true;
    leaver.victim = doomed;
    shared.addObserver(&leaver);
    shared.addObserver(doomed);
    shared.addObserver(&last);
    shared.notifyObservers(nullptr);
    EXPECT_EQ(log, (std::vector<int>{3, 5}));
    shared.notifyObservers(nullptr);
    EXPECT_EQ(log, (std::vector<int>{3, 5, 5}));
    EXPECT_EQ(shared.observerCount(), 1u);

    // Every listener gets the event as raised, whatever an earlier one did to its copy.
    Raiser widget(skin.get(), -1, nullptr, 0, nullptr, false);
    Hearer first, second;
    widget.addHighLevelEventListener(&first);
    widget.addHighLevelEventListener(&second);
    HighLevelEvent event;
    event.actionPerformed = true;
    widget.raiseHighLevelEvent(event);
    ASSERT_EQ(second.heard.size(), 1u);
    EXPECT_TRUE(second.heard[0].actionPerformed);
    EXPECT_FLOAT_EQ(second.heard[0].value, 0.0f);
    EXPECT_EQ(second.heard[0].source, &widget);
    EXPECT_EQ(second.heard[0].second, &widget);
}

}  // namespace
