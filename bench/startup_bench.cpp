// Start-up to the first frame of the main menu, as a player starts the game: Dovra spawned
// headless with drawing on (SDL's off-screen driver), in a game folder named by the registry,
// with a frame limit of 1. Wall time from spawn to exit, one warm-up run, then the median and
// the worst of ten, from loose files and from graphics.qmx. Then where the time goes, measured
// in this process with drawing off and again drawn off-screen: fonts, the menu master, the
// script master, the battle manager and the loading bar's frames.
//   build/bin/startup_bench
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/GameMasterEH.h"
#include "audio/SongPlayer.h"
#include "fight/BattleManager.h"
#include "game/LoadingScreen.h"
#include "game/MainGuiMaster.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "resources/StartupTables.h"
#include "script/ScriptMaster.h"
#include "state/ProfileState.h"

extern char** environ;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A game folder of links to the generated one; with the archive or loose files only.
fs::path makeFolder(const fs::path& root, bool withArchive) {
    const fs::path folder = root / (withArchive ? "archive" : "loose");
    fs::create_directories(folder);
    for (const char* linked : {"default_res", "Tavek_res"}) fs::create_directory_symlink(fs::path(GAME_DIR) / linked, folder / linked);
    if (withArchive) fs::create_symlink(fs::path(GAME_DIR) / "graphics.qmx", folder / "graphics.qmx");
    std::ofstream(root / (std::string(withArchive ? "archive" : "loose") + ".reg"))
        << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n\"Path\"=\"" << folder.string() << "\"\n";
    return folder;
}

double runOnce(const fs::path& root, bool withArchive) {
    std::vector<std::string> env = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy", "VUZ_FRAME_LIMIT=1",
                                    "BRENNOCK_REGISTRY=" + (root / (withArchive ? "archive.reg" : "loose.reg")).string(),
                                    "VUZ_LOG=" + (root / "run.log").string()};
    for (char** e = environ; *e; ++e) {
        const std::string s = *e;
        if (s.rfind("VUZ_", 0) != 0 && s.rfind("SDL_", 0) != 0 && s.rfind("BRENNOCK_", 0) != 0) env.push_back(s);
    }
    std::vector<char*> envp;
    for (auto& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string program = DOVRA_PATH;
    char* argv[] = {program.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, root.c_str());
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) return -1.0;
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = msSince(start);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1.0;
}

void measureSpawned(const fs::path& root, bool withArchive) {
    runOnce(root, withArchive);  // warm-up
    std::vector<double> times;
    for (int i = 0; i < 10; ++i) times.push_back(runOnce(root, withArchive));
    std::sort(times.begin(), times.end());
    std::printf("%-22s median %7.1f ms   worst %7.1f ms\n", withArchive ? "from graphics.qmx" : "from loose files",
                (times[4] + times[5]) / 2.0, times.back());
}

// The parts of the game master's construction the split needs, in its order.
class SplitGameMaster : public Tavek::GameMasterEH {
public:
    void saveProfile() override {}
    void reloadProfile() override {}
    void tick() override {}
    void requestQuit() override {}
    void idle() override {}
    uint32_t getCamera() override { return camera; }
    GuiManager* getGuiManager() override { return &manager; }
    Tavek::ProfileState* getProfile() override { return &profile; }
    void releaseProfile() override {}
    void loadProfile(const std::string&, const std::string&) override {}
    BattleManager* getBattleManager() override { return nullptr; }
    SongPlayer* getSongPlayer() override { return &player; }

    uint32_t camera = 0;
    GuiManager manager;
    SongPlayer player;
    Tavek::ProfileState profile{0};
};

void measureSplit(const fs::path& folder, const char* title, bool drawing) {
    fs::current_path(folder);
    vtReset();
    vtSetDrawing(drawing ? 1 : 0);
    Clock::time_point t = Clock::now();
    iVortaneOpen(nullptr, nullptr);
    const double open = msSince(t);
    SplitGameMaster game;
    game.camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    t = Clock::now();
    for (GuiFont** font : {&fontBlack, &fontBlack30, &fontWhite30, &fontBlue30, &fontWhite}) {
        const char* file = font == &fontBlack     ? "default_res\\fontblairblack\\BlairMdITC TT.wid"
                           : font == &fontBlack30 ? "default_res\\fontblairblack30\\BlairMdITC TT.wid"
                           : font == &fontWhite30 ? "default_res\\fontblairwhite30\\BlairMdITC TT.wid"
                           : font == &fontBlue30  ? "default_res\\fontblairblue30\\BlairMdITC TT.wid"
                                                  : "default_res\\fontblairwhite\\BlairMdITC TT.wid";
        *font = new GuiFont(file, static_cast<int>(game.camera), true);
    }
    const double fonts = msSince(t);
    int renders = vtRenderCount();
    t = Clock::now();
    auto menu = std::make_unique<Tavek::MainGuiMaster>(&game, game.camera);
    const double menuMs = msSince(t);
    const int menuFrames = vtRenderCount() - renders;
    t = Clock::now();
    auto script = std::make_unique<Tavek::ScriptMaster>(scriptsFolder);
    const double scriptMs = msSince(t);
    renders = vtRenderCount();
    t = Clock::now();
    auto* battle = new BattleManager(game.camera, script.get(), menu.get(), menu->getLoadingScreen());
    const double battleMs = msSince(t);
    const int battleFrames = vtRenderCount() - renders;
    // What the bar's frames cost alone: the same number of settings again.
    t = Clock::now();
    for (int i = 0; i < menuFrames + battleFrames; ++i) menu->getLoadingScreen()->setProgress(1.0f);
    const double barMs = msSince(t);
    t = Clock::now();
    menu->getLoadingScreen()->setProgress(1.0f);
    menu->showMainMenu();
    iVortaneMain();
    game.manager.pollInput();
    menu->tick();
    iRender();
    const double firstFrame = msSince(t);
    std::printf("\n%s (in process, %s):\n", title, drawing ? "drawn off-screen" : "drawing off");
    std::printf("  engine open %.1f ms, fonts %.1f ms, menu master %.1f ms (%d bar frames),\n", open, fonts, menuMs,
                menuFrames);
    std::printf("  script master %.1f ms, battle manager %.1f ms (%d bar frames),\n", scriptMs, battleMs, battleFrames);
    std::printf("  the %d bar frames alone %.1f ms, first menu frame %.1f ms\n", menuFrames + battleFrames, barMs,
                firstFrame);
    delete battle;
    menu.reset();
    script.reset();
    for (GuiFont** font : {&fontBlack, &fontBlack30, &fontWhite30, &fontBlue30, &fontWhite}) {
        delete *font;
        *font = nullptr;
    }
    iCameraDestroy(game.camera);
    vtReset();
}

}  // namespace

int main() {
    setenv("ALSOFT_DRIVERS", "null", 0);
    std::string pattern = (fs::temp_directory_path() / "brennock-startup-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    const fs::path root = pattern;
    const fs::path loose = makeFolder(root, false);
    const fs::path archive = makeFolder(root, true);
    std::printf("Start-up to the first frame of the main menu (Dovra, off-screen drawing, 10 runs):\n");
    measureSpawned(root, false);
    measureSpawned(root, true);
    measureSplit(loose, "From loose files", false);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    measureSplit(loose, "From loose files", true);
    fs::current_path(root);
    fs::remove_all(root);
    return 0;
}
