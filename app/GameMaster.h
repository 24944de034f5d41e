// The one top-level object of the game: builds every long-lived part once and ticks them
// each frame in a fixed order.
#pragma once

#include "app/GameMasterEH.h"
#include "gui/TickAble.h"

namespace Tavek {

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
    ProfileState* getProfile() override;
    void releaseProfile() override;
    void loadProfile(const std::string& folder, const std::string& fileName) override;
    BattleManager* getBattleManager() override;
    SongPlayer* getSongPlayer() override;
    virtual void createProfile(const std::string& folder, const std::string& fileName);

private:
    uint32_t camera = 0;
    ProfileState* profile = nullptr;
    std::string profileFileName;
    GuiManager* guiManager = nullptr;
    BattleManager* battleManager = nullptr;
    SongPlayer* songPlayer = nullptr;
};

}  // namespace Tavek
