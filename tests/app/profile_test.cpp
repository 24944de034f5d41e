// The game master's profile: first start, loading, reloading and saving, and the player's
// data kept safe when a file next to it is broken.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "game/GameSetupScreen.h"
#include "game/MainGuiMaster.h"
#include "game/MainMenuScreen.h"
#include "gui/GuiButton.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiSuperLever.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "gui/GuiManager.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiText.h"
#include "persistence/XMLFileException.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "script/ScriptMaster.h"
#include "state/FighterState.h"
#include "state/PersistentProfile.h"
#include "state/ProfileState.h"
#include "tests/state/GameFolder.h"
#include "tests/support/ScratchGameFolder.h"

using Tavek::GameMaster;
using Tavek::ProfileState;

namespace {

class GameMasterProfile : public ::testing::Test {
protected:
    void SetUp() override {
        resetProcessState();
        win32::resetForTests();
        vtReset();
        vtSetDrawing(0);
        folder.writeTournaments();
        gamefolder::copyScripts(GAME_DIR, folder.folder());
        win32::setDebugSink([this](const char* text) { log += text; });
    }
    // The game master, which loads the profile as it shows the main menu.
    void build() { master = std::make_unique<GameMaster>(); }
    void TearDown() override {
        master.reset();
        win32::setDebugSink(nullptr);
        win32::resetForTests();
        vtReset();
    }

    bool exists(const std::string& name) const { return std::filesystem::exists(folder.file("saveData/" + name)); }
    std::string saved(const std::string& name) const { return folder.read("saveData/" + name); }

    // A profile of two fighters, saved and released again.
    void prepareTwoFighters() {
        ProfileState* p = master->getProfile();
        p->newFighter()->name = "Ada";
        p->newFighter()->name = "Bo";
        master->saveProfile();
        master->releaseProfile();
        win32::resetForTests();
        win32::setDebugSink([this](const char* text) { log += text; });
    }

    // The two lines of the GUI's message box while it is open; empty when it is not.
    std::string boxLines() const {
        GuiManager* gui = master->getGuiManager();
        if (gui->getMessageBoxResult() != -1) return "";
        GuiMessageBox* box = gui->getMessageBox();
        return box->getTextA()->getText() + " / " + box->getTextB()->getText();
    }

    GameFolder folder;
    std::unique_ptr<GameMaster> master;
    std::string log;
};

}  // namespace

// The first start in a folder with nothing but the game's data tables and fighter scripts, and
// the profile's life with its fighters until the game ends.
TEST_F(GameMasterProfile, TheFirstStartCreatesAProfileWhoseFightersAreSavedReloadedAndKeptSafe) {
    ASSERT_FALSE(std::filesystem::exists(folder.file("saveData")));
    build();
    ProfileState* p = master->getProfile();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(exists("profile.xml"));
    EXPECT_EQ(p->getName(), "Profile");
    EXPECT_EQ(p->getFighterCount(), 0);
    EXPECT_EQ(master->getProfile(), p);
    PersistentProfile document;
    document.load(folder.file("saveData/profile.xml"));
    EXPECT_EQ(document.getName(), "Profile");
    EXPECT_TRUE(win32::messageBoxes().empty());
    EXPECT_EQ(boxLines(), "");
    // The folder holds no fonts: each is named in the log, and the game runs on without text.
    for (const char* font : {"fontblairblack\\", "fontblairblack30\\", "fontblairwhite30\\", "fontblairblue30\\",
                             "fontblairwhite\\"}) {
        EXPECT_NE(log.find(std::string("default_res\\") + font + "BlairMdITC TT.wid could not be made"),
                  std::string::npos)
            << font;
    }
    EXPECT_FLOAT_EQ(fontWhite->textWidth("Quick Match", Vector2(1.0f, 1.0f), 0.0f), 0.0f);

    // The script bridge is ready, with the script folder first on its path.
    Tavek::ScriptMaster* script = master->getScriptMaster();
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->evalInt("6 * 7"), 42);
    EXPECT_EQ(script->evalString("__import__('sys').path[0]"), "Tavek_res/scripts");

    // Fighters survive save, release and reload, even a load from the profile's own folder.
    prepareTwoFighters();
    p = master->getProfile();
    ASSERT_EQ(p->getFighterCount(), 2);
    EXPECT_EQ(p->getFighter(1)->name, "Bo");
    p->getFighter(0)->name = "Ada Changed";
    master->reloadProfile();
    ProfileState* reloaded = master->getProfile();
    EXPECT_EQ(reloaded->getFighter(0)->name, "Ada");
    p = reloaded;
    p->getFighter(0)->name = "Ada Saved";
    master->saveProfile();
    master->reloadProfile();
    EXPECT_EQ(master->getProfile()->getFighter(0)->name, "Ada Saved");

    // Loading from the current profile's own folder is safe: the folder text belongs to the
    // profile that the load replaces.
    ProfileState* old = master->getProfile();
    master->loadProfile(old->getDirectory(), "profile.xml");
    p = master->getProfile();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->getDirectory(), folder.folder() + "\\saveData\\");
    ASSERT_EQ(p->getFighterCount(), 2);
    EXPECT_EQ(p->getFighter(0)->name, "Ada Saved");
    EXPECT_EQ(p->getFighter(1)->name, "Bo");
    EXPECT_TRUE(win32::messageBoxes().empty());

    // A corrupt fighter file leaves the profile and the other fighter intact.
    master->releaseProfile();
    folder.write("saveData/fighter0.xml", "<Fighter name=\"Ada\"><Age");
    p = master->getProfile();
    ASSERT_EQ(p->getFighterCount(), 1);
    EXPECT_EQ(p->getFighter(0)->name, "Bo");
    // The player reads it in the game's own box; the file and the reason go to the log.
    EXPECT_TRUE(win32::messageBoxes().empty());
    EXPECT_EQ(boxLines(), "Some fighter files could not be read. / They were left as they are.");
    EXPECT_NE(log.find("fighter0.xml could not be read"), std::string::npos);

    master->saveProfile();
    document.load(folder.file("saveData/profile.xml"));
    EXPECT_EQ(document.getFighterPathCount(), 2);
    EXPECT_EQ(saved("fighter0.xml"), "<Fighter name=\"Ada\"><Age");
    EXPECT_FALSE(exists("profile.xml.broken"));

    // When even a fresh profile cannot be written, none is loaded; the next use loads the working
    // directory's profile again.
    const std::string unreachable = folder.folder() + "\\missing\\deeper\\";
    EXPECT_THROW(master->loadProfile(unreachable, "profile.xml"), XMLFileException);
    EXPECT_NO_THROW(master->saveProfile());
    EXPECT_NO_THROW(master->reloadProfile());
    ASSERT_NE(master->getProfile(), nullptr);
    EXPECT_EQ(master->getProfile()->getDirectory(), folder.folder() + "\\saveData\\");

    // The game master saves its profile when it ends.
    master->getProfile()->setName("Kept");
    master.reset();
    document.load(folder.file("saveData/profile.xml"));
    EXPECT_EQ(document.getName(), "Kept");
}

// Broken profiles: unreadable, nested too deeply, or a save folder that is a file. Each is
// reported in the game's own box, kept aside and never overwritten, and the game goes on.
TEST_F(GameMasterProfile, ABrokenProfileIsKeptAsideAndAProfileThatCannotBeSavedIsHeldInMemory) {
    std::filesystem::create_directories(folder.file("saveData"));
    folder.write("saveData/profile.xml", "<Profile><Name>Old");
    build();
    ProfileState* p = master->getProfile();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->getName(), "Profile");
    EXPECT_EQ(saved("profile.xml.broken"), "<Profile><Name>Old");
    EXPECT_TRUE(win32::messageBoxes().empty());
    EXPECT_EQ(boxLines(), "Your profile could not be read. / A copy was kept as profile.xml.broken.");
    // The log names both files as the system writes them, with one kind of separator.
    const size_t line = log.find("The profile ");
    ASSERT_NE(line, std::string::npos) << log;
    const std::string logged = log.substr(line, log.find('\n', line) - line);
    EXPECT_NE(logged.find(" could not be read (input ended"), std::string::npos) << logged;
    EXPECT_NE(logged.find("(fatal error in " + folder.file("saveData/profile.xml") + ", line 1"), std::string::npos)
        << logged;
    EXPECT_NE(logged.find("kept as " + folder.file("saveData/profile.xml.broken") + " and"), std::string::npos) << logged;
    EXPECT_EQ(logged.find('\\'), std::string::npos) << logged;
    // The main menu came under the box: its captions stay hidden until "OK".
    MainMenuScreen* mainMenu = master->getMainGuiMaster()->getMainMenuScreen();
    EXPECT_EQ(master->getGuiManager()->getScreen(), static_cast<GuiScreen*>(mainMenu));
    EXPECT_FALSE(mainMenu->isShown());
    for (int i = 0; i < 40; ++i) {
        iVortaneMain();
        master->tick();
    }
    EXPECT_FALSE(mainMenu->isShown());
    // "OK" (this folder has no pictures to point at, so the click is handed to the box).
    GuiMessageBox* box = master->getGuiManager()->getMessageBox();
    HighLevelEvent ok;
    ok.actionPerformed = true;
    ok.source = box->getButtonA();
    box->handleHighLevelEvent(ok);
    EXPECT_EQ(master->getGuiManager()->getMessageBoxResult(), 0);
    EXPECT_TRUE(mainMenu->isShown());
    EXPECT_TRUE(mainMenu->isActive());

    // A second broken file does not overwrite the first copy.
    master->releaseProfile();
    folder.write("saveData/profile.xml", "<Profile><Name>Older");
    master->getProfile();
    EXPECT_EQ(saved("profile.xml.broken"), "<Profile><Name>Old");
    EXPECT_EQ(saved("profile.xml.broken2"), "<Profile><Name>Older");

    // A profile nested too deeply to walk is refused and kept aside in the same way: deep enough
    // to overflow the stack of any walk that recurses element by element.
    const int levels = 175000;
    std::string deep = "<Profile>";
    for (int i = 0; i < levels; ++i) deep += "<a>";
    for (int i = 0; i < levels; ++i) deep += "</a>";
    deep += "</Profile>";
    master->releaseProfile();
    folder.write("saveData/profile.xml", deep);
    p = master->getProfile();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->getName(), "Profile");
    EXPECT_EQ(saved("profile.xml.broken3"), deep);
    EXPECT_TRUE(win32::messageBoxes().empty());
    EXPECT_EQ(boxLines(), "Your profile could not be read. / A copy was kept as profile.xml.broken3.");
    EXPECT_NE(log.find("nested too deeply"), std::string::npos);

    // A save folder that is a file gives a profile held in memory, reported once.
    master->releaseProfile();
    std::filesystem::remove_all(folder.file("saveData"));
    folder.write("saveData", "not a folder");
    p = master->getProfile();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->getName(), "Profile");
    EXPECT_EQ(p->getOptions().getDifficulty(), 1);
    EXPECT_TRUE(win32::messageBoxes().empty());
    EXPECT_EQ(boxLines(), "Your profile could not be loaded. / Changes will not be kept after you quit.");
    EXPECT_NE(log.find("held in memory"), std::string::npos);
    EXPECT_EQ(master->getProfile(), p);  // reported once, kept

    // Every later save fails and is reported; nothing is written anywhere.
    Tavek::MainGuiMaster* menu = master->getMainGuiMaster();
    for (int attempt = 0; attempt < 2; ++attempt) {
        menu->showGameSetup();
        menu->saveOptions();
        EXPECT_EQ(boxLines(), "Your options could not be saved. / They stay in use until you quit.");
        menu->goBack();
    }
    EXPECT_THROW(master->saveProfile(), std::exception);
    master.reset();
    EXPECT_EQ(folder.read("saveData"), "not a folder");
    EXPECT_FALSE(std::filesystem::exists(folder.file("saveData.broken")));
}

TEST_F(GameMasterProfile, ASaveThatCannotBeWrittenIsReportedAndLeavesTheOldFileAsItWas) {
    build();
    Tavek::MainGuiMaster* menu = master->getMainGuiMaster();
    menu->showGameSetup();
    GameSetupScreen* options = menu->getGameSetupScreen();
    // The save folder is moved away and a plain file put in its place (a write under root
    // ignores the folder's permissions).
    const std::string before = saved("profile.xml");
    std::filesystem::rename(folder.file("saveData"), folder.file("saveData.moved"));
    folder.write("saveData", "in the way");
    options->getDifficultyLever()->setIntValue(3);
    options->getRulesLever()->setIntValue(1);
    menu->saveOptions();
    EXPECT_EQ(boxLines(), "Your options could not be saved. / They stay in use until you quit.");
    EXPECT_NE(log.find("The options could not be saved"), std::string::npos);
    menu->goBack();
    EXPECT_EQ(menu->getHistory().size(), 1u);
    EXPECT_EQ(folder.read("saveData.moved/profile.xml"), before);
    EXPECT_EQ(folder.read("saveData"), "in the way");
    // The options stay in use: the screen shows them again, and the next match takes them.
    EXPECT_EQ(master->getProfile()->getOptions().getDifficulty(), 3);
    EXPECT_EQ(master->getProfile()->getOptions().MinTapsToGetUp, 47);
    EXPECT_EQ(master->getProfile()->getOptions().PointsForWin, 12);
    options->getDifficultyLever()->setIntValue(0);
    menu->showGameSetup();
    EXPECT_EQ(options->getDifficultyLever()->getIntValue(), 3);
    EXPECT_EQ(options->getRulesLever()->getIntValue(), 1);
}
