// One frame of the toolkit's own work on a panel of 100 widgets (40 captioned buttons, 20 check
// boxes, 20 stepped levers, 10 grids of two, 10 list boxes of five items), headless with
// drawing off, in the built game folder: at rest, with the left button held over the panel,
// and refreshing every widget once.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiBorderFactory.h"
#include "gui/GuiButton.h"
#include "gui/GuiCheckBox.h"
#include "gui/GuiFont.h"
#include "gui/GuiGrid.h"
#include "gui/GuiListBox.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSound.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/PrimitiveFactory2D.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

namespace {

// The skin and the screen-sized panel of widgets, laid out in a 10 x 10 block of cells.
struct Menu {
    Menu() {
        setenv("ALSOFT_DRIVERS", "null", 0);  // the click sounds need no sound card
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        iVortaneOpen(nullptr, nullptr);
        factory = std::make_unique<PrimitiveFactory2D>(1);
        artist = std::make_unique<GuiArtist>(factory.get());
        font = std::make_unique<GuiFont>("default_res\\fontblairwhite\\BlairMdITC TT.wid", 1, true);
        skin = std::make_unique<GuiBlocks>(artist.get(), &borders, font.get(), &sound, &ticker);
        panel = std::make_unique<GuiPanel>(skin.get(), -1, nullptr, 0, false);
        panel->setLocation(Vector2(-16.0f, 0.0f));
        panel->setSize(Vector2(32.0f, 24.0f));
        for (int i = 0; i < 100; ++i) place(makeWidget(i), i);
    }
    ~Menu() {
        panel.reset();
        vtReset();
    }

    GuiComponent* makeWidget(int i) {
        if (i < 40) {
            auto* button = new GuiButton(skin.get(), 0, nullptr, nullptr, nullptr, 0);
            button->setText("Button " + std::to_string(i));
            return button;
        }
        if (i < 60) {
            auto* box = new GuiCheckBox(skin.get(), nullptr, 0, nullptr);
            box->setText("Option " + std::to_string(i));
            return box;
        }
        if (i < 80) {
            auto* lever = new GuiSuperLever(skin.get(), 1, nullptr, 0, nullptr);
            lever->setIntValue(i % 10);
            return lever;
        }
        if (i < 90) {
            auto* grid = new GuiGrid(skin.get(), 1, 2);
            grid->addChild(new GuiButton(skin.get(), -1, nullptr, nullptr, nullptr, 0));
            auto* right = new GuiCheckBox(skin.get(), nullptr, 0, nullptr);
            right->setIntB(1);
            grid->addChild(right);
            return grid;
        }
        auto* list = new GuiListBox(skin.get(), nullptr, 0);
        for (int k = 0; k < 5; ++k) list->addItem("Entry " + std::to_string(k));
        return list;
    }

    void place(GuiComponent* widget, int i) {
        panel->addChild(widget);
        widget->setLocation(Vector2(0.5f + 3.1f * static_cast<float>(i % 10), 10.0f - 2.2f * static_cast<float>(i / 10)));
        widget->setSize(Vector2(2.8f, i >= 90 ? 1.9f : 1.0f));
    }

    GuiBorderFactory borders;
    GuiSound sound;
    GuiTextBlockTicker ticker;
    std::unique_ptr<PrimitiveFactory2D> factory;
    std::unique_ptr<GuiArtist> artist;
    std::unique_ptr<GuiFont> font;
    std::unique_ptr<GuiBlocks> skin;
    std::unique_ptr<GuiPanel> panel;
};

bool enterGameFolder(benchmark::State& state) {
    if (chdir(GAME_DIR) == 0) return true;
    state.SkipWithError("no game folder: build the respack target first");
    return false;
}

// The pointer on a plane point, sampled by a frame.
void pointAt(float x, float y) {
    vtMouseSet((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f);
    iVortaneMain();
}

void FrameAtRest(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    Menu menu;
    pointAt(15.9f, -11.9f);
    for (auto _ : state) {
        menu.ticker.printAll();
        menu.panel->onMouseUp(0);
        state.PauseTiming();
        iVortaneMain();  // the engine empties its text queue, as every frame does
        state.ResumeTiming();
    }
    state.counters["texts"] = static_cast<double>(menu.ticker.size());
}

void FrameButtonHeld(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    Menu menu;
    pointAt(15.9f, -11.9f);  // over the panel, under no widget: every child is tested
    for (auto _ : state) {
        menu.ticker.printAll();
        menu.panel->onMouseHeld(0);
        state.PauseTiming();
        iVortaneMain();
        state.ResumeTiming();
    }
}

void RefreshEveryWidget(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    Menu menu;
    for (auto _ : state) menu.panel->refresh();
    state.counters["sprites"] = static_cast<double>(vtSpriteCount());
}

BENCHMARK(FrameAtRest)->Unit(benchmark::kMicrosecond);
BENCHMARK(FrameButtonHeld)->Unit(benchmark::kMicrosecond);
BENCHMARK(RefreshEveryWidget)->Unit(benchmark::kMicrosecond);

}  // namespace
