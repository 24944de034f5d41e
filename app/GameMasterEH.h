// What the masters and screens of the game reach of the game master.
#pragma once

#include <cstdint>
#include <string>

class GuiManager;
class BattleManager;
class SongPlayer;

namespace Tavek {

class ProfileState;

class GameMasterEH {
public:
    virtual ~GameMasterEH() = default;
    virtual void saveProfile() = 0;
    virtual void reloadProfile() = 0;
    virtual void tick() = 0;
    virtual void requestQuit() = 0;
    virtual void idle() = 0;
    virtual uint32_t getCamera() = 0;
    virtual GuiManager* getGuiManager() = 0;
    virtual ProfileState* getProfile() = 0;
    virtual void releaseProfile() = 0;
    virtual void loadProfile(const std::string& folder, const std::string& fileName) = 0;
    virtual BattleManager* getBattleManager() = 0;
    virtual SongPlayer* getSongPlayer() = 0;
};

}  // namespace Tavek
