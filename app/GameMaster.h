// The one top-level object of the game: builds every long-lived part once and ticks them
// each frame in a fixed order. It owns the player's profile and the script interpreter bridge.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/GameMasterEH.h"
#include "gui/TickAble.h"

namespace Tavek {

class MainGuiMaster;
class ScriptMaster;

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
    // The profile of the working directory's saveData folder, loaded on first use. When it can
    // be neither read nor made, a profile held in memory only (default options) is used, every
    // file is left as it is, and the player is told once; it never fails.
    ProfileState* getProfile() override;
    void releaseProfile() override;
    // Replaces the profile by the one in folder + fileName. A missing profile file is created
    // afresh; an unreadable one is first kept aside as fileName + ".broken" and then replaced.
    // Fighter files that could not be read are reported, in the GUI's message box once there
    // is one. When even a fresh file cannot be read, or a broken one cannot be kept aside, the
    // error passes to the caller and no profile is loaded.
    void loadProfile(const std::string& folder, const std::string& fileName) override;
    BattleManager* getBattleManager() override;
    SongPlayer* getSongPlayer() override;
    // Writes a new profile named "Profile" to folder + fileName, creating the folder.
    virtual void createProfile(const std::string& folder, const std::string& fileName);

    ScriptMaster* getScriptMaster() const { return scriptMaster.get(); }
    MainGuiMaster* getMainGuiMaster() const { return mainGuiMaster.get(); }

private:
    // Every problem to the log; the two lines to the player (the GUI's box, else the system's).
    void reportProfileProblems(const std::vector<std::string>& problems, const std::string& lineA,
                               const std::string& lineB);

    uint32_t camera = 0;
    std::unique_ptr<ProfileState> profile;
    std::string profileFileName;
    std::unique_ptr<SongPlayer> songPlayer;  // outlives the menu master, which lets go of its songs
    std::unique_ptr<GuiManager> guiManager;
    std::unique_ptr<MainGuiMaster> mainGuiMaster;
    BattleManager* battleManager = nullptr;        // owned; goes before the interpreter stops
    std::unique_ptr<ScriptMaster> scriptMaster;
};

}  // namespace Tavek
