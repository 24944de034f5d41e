// The one top-level object of the game: builds every long-lived part once and ticks them
// each frame in a fixed order. It owns the player's profile and the script interpreter bridge.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/GameMasterEH.h"
#include "gui/TickAble.h"

namespace Tavek {

class ExhibitionMatch;
class ScriptMaster;
class StandInMenu;

class GameMaster : public GameMasterEH, public TickAble {
public:
    GameMaster();
    ~GameMaster() override;

    void saveProfile() override;
    void reloadProfile() override;
    void tick() override;
    void requestQuit() override;
    void idle() override;
    uint32_t getCamera() override;
    GuiManager* getGuiManager() override;
    // The profile of the working directory's saveData folder, loaded on first use.
    ProfileState* getProfile() override;
    void releaseProfile() override;
    // Replaces the profile by the one in folder + fileName. A missing profile file is created
    // afresh; an unreadable one is first kept aside as fileName + ".broken" and then replaced.
    // Fighter files that could not be read are reported. When even a fresh file cannot be
    // read the error passes to the caller and no profile is loaded.
    void loadProfile(const std::string& folder, const std::string& fileName) override;
    BattleManager* getBattleManager() override;
    SongPlayer* getSongPlayer() override;
    // Writes a new profile named "Profile" to folder + fileName, creating the folder.
    virtual void createProfile(const std::string& folder, const std::string& fileName);

    ScriptMaster* getScriptMaster() const { return scriptMaster.get(); }
    StandInMenu* getStandInMenu() const { return standInMenu.get(); }
    ExhibitionMatch* getExhibition() const { return exhibition.get(); }

private:
    void reportProfileProblems(const std::vector<std::string>& problems);

    uint32_t camera = 0;
    std::unique_ptr<ProfileState> profile;
    std::string profileFileName;
    std::unique_ptr<GuiManager> guiManager;
    std::unique_ptr<StandInMenu> standInMenu;  // in the menu master's place until the menus exist
    std::unique_ptr<ExhibitionMatch> exhibition;  // the running mode until the menus exist
    BattleManager* battleManager = nullptr;        // owned; goes before the interpreter stops
    std::unique_ptr<ScriptMaster> scriptMaster;
    std::unique_ptr<SongPlayer> songPlayer;
};

}  // namespace Tavek
