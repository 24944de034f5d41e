// The plug-in's frame through the real table (iVortaneMain, then Run), headless with drawing
// off, on three screens; and one save-and-reload of the font-width editor.
// Run by hand: build/bin/plugin_bench
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>

#include "gui/fontwidth/GameMaster.h"
#include "platform/host/PluginLibrary.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_table.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"

namespace fs = std::filesystem;

namespace {

// A scratch game folder (the pack linked, the white Impact font copied) for the run.
class Folder {
public:
    Folder() : previous_(fs::current_path()) {
        path_ = fs::temp_directory_path() / ("plugin_bench_" + std::to_string(getpid()));
        fs::remove_all(path_);
        fs::create_directories(path_ / "default_res");
        for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(GAME_DIR) / "default_res")) {
            const fs::path target = path_ / "default_res" / entry.path().filename();
            if (entry.path().filename() == "fontimpactwhite")
                fs::copy(entry.path(), target, fs::copy_options::recursive);
            else
                fs::create_directory_symlink(entry.path(), target);
        }
        fs::create_directory_symlink(fs::path(GAME_DIR) / "Tavek_res", path_ / "Tavek_res");
        fs::current_path(path_);
    }
    ~Folder() {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }

private:
    fs::path previous_, path_;
};

void openEngine() {
    win32::resetForTests();
    vtReset();
    vtSetDrawing(0);
    iVortaneOpen(nullptr, nullptr);
    vtSetFixedFrameTime(1.0f / 60.0f);
}

// The plug-in started as its host starts it.
class Plugin {
public:
    Plugin() {
        openEngine();
        library_.load(VORTANE_PATH);
        library_.libInit(vuzPluginTable());
        library_.preInit();
        iVortaneMain();
        iVortaneInitBegin();
        library_.init();
        iVortaneInitEnd();
        frame(3);
    }
    ~Plugin() {
        library_.exit();
        library_.postExit();
        library_.unload();
        vtReset();
    }
    void frame(int count = 1) {
        for (int i = 0; i < count; ++i) {
            iVortaneMain();
            library_.run();
        }
    }
    void click(float x, float y) {
        vtMouseSet((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f);
        frame();
        vtMouseButtonSet(0, 1);
        frame();
        vtMouseButtonSet(0, 0);
        frame();
    }
    void toEditor() {
        click(-4.25f, 10.0f);
        click(-4.25f, 10.0f);
    }

private:
    PluginLibrary library_;
};

void BM_PluginFrameMainMenu(benchmark::State& state) {
    Folder folder;
    Plugin plugin;
    for (auto _ : state) plugin.frame();
}
BENCHMARK(BM_PluginFrameMainMenu)->Unit(benchmark::kMicrosecond);

void BM_PluginFrameGeneralPageTyping(benchmark::State& state) {
    Folder folder;
    Plugin plugin;
    plugin.toEditor();
    plugin.click(10.5f, 4.5f);  // NAME has the focus
    vtKeySet(30, 1);            // and a key is held
    for (auto _ : state) plugin.frame();
    vtKeySet(30, 0);
}
BENCHMARK(BM_PluginFrameGeneralPageTyping)->Unit(benchmark::kMicrosecond);

void BM_PluginFrameStatsPageArrowHeld(benchmark::State& state) {
    Folder folder;
    Plugin plugin;
    plugin.toEditor();
    plugin.click(7.25f, -10.0f);  // Next Options
    vtMouseSet((13.5f + 16.0f) / 32.0f, (12.0f - 3.0f) / 24.0f);
    vtMouseButtonSet(0, 1);
    for (auto _ : state) plugin.frame();
    vtMouseButtonSet(0, 0);
}
BENCHMARK(BM_PluginFrameStatsPageArrowHeld)->Unit(benchmark::kMicrosecond);

void BM_FontWidthSaveAndReload(benchmark::State& state) {
    Folder folder;
    openEngine();
    auto editor = std::make_unique<WidEdit::GameMaster>();
    for (auto _ : state) editor->saveAndReload();
    editor.reset();
    vtReset();
}
BENCHMARK(BM_FontWidthSaveAndReload)->Unit(benchmark::kMillisecond);

// Its two halves: the safe save of the 256 lines, and the font made anew by path.
void BM_FontWidthSave(benchmark::State& state) {
    Folder folder;
    openEngine();
    auto editor = std::make_unique<WidEdit::GameMaster>();
    for (auto _ : state) editor->saveWidthFile();
    editor.reset();
    vtReset();
}
BENCHMARK(BM_FontWidthSave)->Unit(benchmark::kMillisecond);

void BM_FontWidthReload(benchmark::State& state) {
    Folder folder;
    openEngine();
    auto editor = std::make_unique<WidEdit::GameMaster>();
    for (auto _ : state) editor->loadWidthFile();
    editor.reset();
    vtReset();
}
BENCHMARK(BM_FontWidthReload)->Unit(benchmark::kMillisecond);

}  // namespace
