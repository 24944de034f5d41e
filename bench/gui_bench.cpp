// One frame of the toolkit's own work on a panel of 100 widgets (40 captioned buttons, 20 check
// boxes, 20 stepped levers, 10 grids of two, 10 list boxes of five items), headless with
// drawing off, in the built game folder: at rest, with the left button held over the panel,
// and refreshing every widget once. Then a whole screen's frame on the GUI manager.
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
#include "gui/GuiFillBar.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiGrid.h"
#include "gui/GuiListBox.h"
#include "gui/GuiManager.h"
#include "gui/GuiMouse.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/GuiSound.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiText.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/PrimitiveFactory2D.h"
#include "gui/SlideTransition.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32.h"

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

// A whole screen on the GUI manager, with the GUI core as the game builds it: 40 captioned
// buttons, 20 check boxes, 10 labels, 10 editable text fields, 10 fill bars and 10 stepped
// levers. One frame is the engine's input sampling, the manager's poll, the primitives' frame
// step, the cursor and the print list.

namespace {

struct BenchScreen : GuiScreen {
    BenchScreen(GuiManager* manager, GuiBlocks* skin) : GuiScreen(manager, skin, nullptr, 0) { setTransition(&slide); }
    ~BenchScreen() override { setTransition(nullptr); }
    void onLeave() override {}
    SlideTransition slide;
};

LRESULT CALLBACK benchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

struct WholeScreen {
    explicit WholeScreen(bool drawing) {
        setenv("ALSOFT_DRIVERS", "null", 0);
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        vtReset();
        vtSetDrawing(drawing ? 1 : 0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        HWND window = nullptr;
        if (drawing) {
            WNDCLASSEXA windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = benchWindowProc;
            windowClass.lpszClassName = "Brennock";
            RegisterClassExA(&windowClass);
            window = CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP | WS_CAPTION, 0, 0, 639, 479, nullptr, nullptr,
                                     nullptr, nullptr);
        }
        iVortaneOpen(window, nullptr);
        fontWhite = new GuiFont("default_res\\fontblairwhite\\BlairMdITC TT.wid", 1, true);
        factory = std::make_unique<PrimitiveFactory2D>(1);
        artist = std::make_unique<GuiArtist>(factory.get());
        mouse = std::make_unique<GuiMouse>(&artist->mouseArtist);
        skin = std::make_unique<GuiBlocks>(artist.get(), &borders, fontWhite, &sound, &ticker);
        screen = std::make_unique<BenchScreen>(&manager, skin.get());
        for (int i = 0; i < 100; ++i) place(makeWidget(i), i);
        manager.setScreen(screen.get());
        for (int i = 0; i < 2; ++i) frame();
    }
    ~WholeScreen() {
        manager.forgetPanels();
        screen.reset();
        mouse.reset();
        delete fontWhite;
        fontWhite = nullptr;
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
            auto* text = new GuiText(skin.get(), -1, nullptr, 0, 20, nullptr);
            text->setText("Field " + std::to_string(i));
            if (i < 70) text->setEditable(false);
            else field = text;
            return text;
        }
        if (i < 90) {
            auto* bar = new GuiFillBar(skin.get(), nullptr, 0, nullptr);
            bar->setValue(0.1f * static_cast<float>(i - 79));
            return bar;
        }
        auto* lever = new GuiSuperLever(skin.get(), 1, nullptr, 0, nullptr);
        lever->setIntValue(i % 10);
        return lever;
    }

    void place(GuiComponent* widget, int i) {
        screen->addChild(widget);
        widget->setLocation(Vector2(0.5f + 3.1f * static_cast<float>(i % 10), 10.0f - 2.2f * static_cast<float>(i / 10)));
        widget->setSize(Vector2(2.8f, 1.0f));
    }

    void frame() {
        iVortaneMain();
        manager.pollInput();
        factory->update();
        mouse->update();
        ticker.printAll();
    }

    GuiBorderFactory borders;
    GuiSound sound;
    GuiTextBlockTicker ticker;
    GuiManager manager;
    std::unique_ptr<PrimitiveFactory2D> factory;
    std::unique_ptr<GuiArtist> artist;
    std::unique_ptr<GuiMouse> mouse;
    std::unique_ptr<GuiBlocks> skin;
    std::unique_ptr<BenchScreen> screen;
    GuiText* field = nullptr;
};

void ScreenFrameAtRest(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    WholeScreen whole(false);
    for (auto _ : state) whole.frame();
}

void ScreenFrameButtonHeld(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    WholeScreen whole(false);
    vtMouseSet(0.5f, 0.5f);
    vtMouseButtonSet(0, 1);
    for (auto _ : state) whole.frame();
}

void ScreenFrameSliding(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    WholeScreen whole(false);
    for (auto _ : state) {
        if (!whole.screen->slide.isRunning()) whole.screen->slide.startIn();
        whole.frame();
    }
}

void ScreenFrameTyping(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    WholeScreen whole(false);
    whole.screen->focusNext();
    vtKeySet(30, 1);
    int frames = 0;
    for (auto _ : state) {
        vtTypeChar('a');
        if (++frames % 15 == 0) whole.field->setText("");  // keeps the field below its limit
        whole.frame();
    }
}

void ScreenFrameDrawn(benchmark::State& state) {
    if (!enterGameFolder(state)) return;
    WholeScreen whole(true);
    for (auto _ : state) {
        whole.frame();
        iVortaneRender();
    }
}

BENCHMARK(ScreenFrameAtRest)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenFrameButtonHeld)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenFrameSliding)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenFrameTyping)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenFrameDrawn)->Unit(benchmark::kMicrosecond);

}  // namespace
