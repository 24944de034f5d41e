// A quick match over a damaged pack: the National arena's scenery gone, or the display mesh of
// the body type a roster fighter is changed to. Each is logged, the menus come, the match plays
// to its report under a HUD without a NaN, and nothing crashes. A whole game master in a
// scratch folder of links to the pack's loose files, with the damaged files left out.
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "QuickMatchRig.h"
#include "fight/ArenaFiles.h"
#include "fight/FighterTables.h"
#include "platform/win32/hostpath.h"

using namespace quicktest;

namespace {

namespace fs = std::filesystem;

constexpr int ComputerController = 2;
constexpr int ChangedBodyType = 3;

// The pack's loose files as links, but for the files whose names are left out, entered as the
// working folder until the object goes.
class DamagedPack {
public:
    DamagedPack(const std::set<std::string>& leftOut, const std::string& leftOutFolder)
        : previous(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "brennock-damaged-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        root = pattern;
        fs::create_directory_symlink(fs::path(GAME_DIR) / "default_res", root / "default_res");
        const fs::path from = fs::path(GAME_DIR) / "Tavek_res";
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
            const fs::path relative = fs::relative(entry.path(), from);
            const fs::path to = root / "Tavek_res" / relative;
            if (entry.is_directory()) {
                fs::create_directories(to);
                continue;
            }
            const bool inFolder = relative.parent_path().string() == leftOutFolder;
            if ((leftOutFolder.empty() || inFolder) && leftOut.count(relative.filename().string())) {
                ++missing;
                continue;
            }
            fs::create_directories(to.parent_path());
            fs::create_symlink(entry.path(), to);
        }
        fs::current_path(root);
        hostPathClearCache();
    }
    ~DamagedPack() {
        std::error_code ignored;
        fs::current_path(previous, ignored);
        hostPathClearCache();
        if (!root.empty()) fs::remove_all(root, ignored);
    }
    int missing = 0;

private:
    fs::path previous;
    fs::path root;
};

class QuickMatchFaults : public QuickMatch {
protected:
    // Whether the game's lines or the platform's log name the text.
    bool logged(const std::string& text) const {
        if (debug.find(text) != std::string::npos) return true;
        for (const std::string& line : win32::logLines())
            if (line.find(text) != std::string::npos) return true;
        return false;
    }
    // The computer on both sides (the tests' own widening of side A), "Fight Now!", and the
    // match played to its report with every HUD bar finite.
    void playToTheReport() {
        openSetup();
        GuiSuperLever* controllerA = setup->getControllerASelector();
        controllerA->setMaximum(ComputerController);
        controllerA->setIntValue(ComputerController);
        click(FightNow);
        ASSERT_EQ(battle->getBattle().battleMode, 1) << "no match";
        for (int i = 0; i < 9000 && debug.find("Quick match over") == std::string::npos; ++i) {
            frame();
            for (int bar = 0; bar < 4; ++bar) {
                const float value = matchScreen->getBar(bar)->getValue();
                ASSERT_TRUE(std::isfinite(value) && value >= 0.0f && value <= 1.0f) << bar << ": " << value;
            }
        }
        EXPECT_NE(debug.find("Quick match over: result "), std::string::npos) << "no report";
        EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(menu->getDaviScreen()));
    }
};

}  // namespace

TEST_F(QuickMatchFaults, AnArenaWithoutItsSceneryStillPlaysOnTheMat) {
    folder.reset();
    const std::vector<std::string>& scenes = ArenaFiles::sceneFiles(0);
    DamagedPack pack(std::set<std::string>(scenes.begin(), scenes.end()), "arenas/arena1");
    ASSERT_GT(pack.missing, 10);
    build();
    EXPECT_TRUE(logged("audience.x")) << "the missing scenery was not logged";
    playToTheReport();
}

TEST_F(QuickMatchFaults, AFighterWhoseBodyCannotBeLoadedIsLoggedAndTheMatchPlays) {
    folder.reset();
    const std::string path = FighterTables::bodyTypes[ChangedBodyType].mesh;
    const std::string mesh = path.substr(path.find_last_of('\\') + 1);
    DamagedPack pack({mesh}, "");
    ASSERT_EQ(pack.missing, 1) << mesh;
    build();
    (*single->getRoster())[0]->BodyType = ChangedBodyType;
    debug.clear();
    playToTheReport();
    EXPECT_TRUE(logged(mesh)) << "the missing body was not logged";
    EXPECT_EQ(battle->getBodyTypeA(), ChangedBodyType);
}
