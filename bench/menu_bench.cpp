// One menu frame of CPU on a whole game master built in process in a copy of the game folder
// (loose files), drawing off: the engine's frame, the game master's tick and the extra render
// the menus ask for. Cases: the main menu at rest, its opening, the options screen with the left
// button held on a selector's arrow, the advertisement screen while its prompt blinks. Mean and
// 99th percentile per frame, then one drawn frame of the main menu for orientation.
//   build/bin/menu_bench
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "game/DaviScreen.h"
#include "game/GameSetupScreen.h"
#include "game/MainGuiMaster.h"
#include "game/MainMenuScreen.h"
#include "gui/GuiManager.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

void frame(Tavek::GameMaster& master) {
    iVortaneMain();
    master.tick();
    if (extraRenderRequested) {
        iRender();
        extraRenderRequested = false;
    }
}

// Times count frames; before each, prepare runs untimed.
void measure(const char* name, Tavek::GameMaster& master, int count, const std::function<void()>& prepare) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        prepare();
        const Clock::time_point start = Clock::now();
        frame(master);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    double sum = 0.0;
    for (double t : times) sum += t;
    std::sort(times.begin(), times.end());
    std::printf("%-44s mean %6.3f ms   p99 %6.3f ms\n", name, sum / count, times[static_cast<size_t>(count * 0.99)]);
}

}  // namespace

int main() {
    setenv("ALSOFT_DRIVERS", "null", 0);
    std::string pattern = (fs::temp_directory_path() / "brennock-menu-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    const fs::path root = pattern;
    for (const char* linked : {"default_res", "Tavek_res"}) fs::create_directory_symlink(fs::path(GAME_DIR) / linked, root / linked);
    fs::current_path(root);

    vtReset();
    vtSetDrawing(0);
    vtSetFixedFrameTime(1.0f / 60.0f);
    iVortaneOpen(nullptr, nullptr);
    {
        Tavek::GameMaster master;
        Tavek::MainGuiMaster* menu = master.getMainGuiMaster();
        GuiManager* gui = master.getGuiManager();
        vtMouseSet(0.5f, 0.5f);
        for (int i = 0; i < 40; ++i) frame(master);
        std::printf("One menu frame, drawing off:\n");
        measure("main menu at rest", master, 2000, [] {});
        int tick = 31;
        measure("main menu opening (animation, slide, extra render)", master, 31 * 60, [&] {
            if (tick++ % 31 == 0) menu->getMainMenuScreen()->activate();
        });
        for (int i = 0; i < 40; ++i) frame(master);
        menu->showGameSetup();
        for (int i = 0; i < 70; ++i) frame(master);
        vtMouseSet((-3.575f + 16.0f) / 32.0f, (12.0f - 6.0f) / 24.0f);  // the difficulty's right arrow
        vtMouseButtonSet(0, 1);
        measure("options screen, left button held on an arrow", master, 2000, [] {});
        vtMouseButtonSet(0, 0);
        for (int i = 0; i < 3; ++i) frame(master);
        menu->goBack();
        for (int i = 0; i < 70; ++i) frame(master);
        menu->startChampionship();
        for (int i = 0; i < 70; ++i) frame(master);
        measure("advertisement screen, prompt blinking", master, 2000, [] {});
        (void)gui;
    }
    resetProcessState();
    vtReset();

    // One drawn frame of the main menu, for orientation.
    vtSetDrawing(1);
    vtSetFixedFrameTime(1.0f / 60.0f);
    if (iVortaneOpen(nullptr, nullptr)) {
        Tavek::GameMaster master;
        for (int i = 0; i < 40; ++i) frame(master);
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < 100; ++i) {
            frame(master);
            iVortaneRender();
        }
        std::printf("%-44s mean %6.3f ms\n", "main menu at rest, drawn",
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count() / 100.0);
    }
    resetProcessState();
    vtReset();
    fs::current_path("/");
    fs::remove_all(root);
    return 0;
}
