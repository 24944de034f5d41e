// A quick match over a damaged pack: the National arena's scenery gone, and the display mesh of
// the body type a roster fighter is changed to. Each is logged, the menus come, the match plays
// to its report under a HUD without a NaN, and nothing crashes. A whole game master in a
// scratch folder of links to the pack's loose files, with the damaged files left out.
#include <algorithm>
#include <cmath>

#include "QuickMatchRig.h"
#include "fight/ArenaFiles.h"
#include "fight/FighterTables.h"

using namespace quicktest;

namespace {

constexpr int ComputerController = 2;
constexpr int ChangedBodyType = 3;

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

TEST_F(QuickMatchFaults, AnArenaWithoutItsSceneryAndAFighterWithoutItsBodyAreLoggedAndTheMatchPlays) {
    int sceneryLeftOut = 0;
    for (const std::string& scene : ArenaFiles::sceneFiles(0))
        sceneryLeftOut += gamefolder::removeFile(folder->path(), "Tavek_res/arenas/arena1/" + scene);
    ASSERT_GT(sceneryLeftOut, 10);
    std::string mesh = std::string(FighterTables::TextureFolder) + FighterTables::bodyTypes[ChangedBodyType].mesh;
    std::replace(mesh.begin(), mesh.end(), '\\', '/');
    ASSERT_TRUE(gamefolder::removeFile(folder->path(), mesh)) << mesh;
    mesh = mesh.substr(mesh.find_last_of('/') + 1);
    build();
    EXPECT_TRUE(logged("audience.x")) << "the missing scenery was not logged";
    (*single->getRoster())[0]->BodyType = ChangedBodyType;
    debug.clear();
    playToTheReport();
    EXPECT_TRUE(logged(mesh)) << "the missing body was not logged";
    EXPECT_EQ(battle->getBodyTypeA(), ChangedBodyType);
}
