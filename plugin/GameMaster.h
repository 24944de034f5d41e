// The plug-in's top object, made by Init: the camera, the light, the black and white fonts, the
// GUI manager, the menu master and the profile. Its tick (from the tick list) runs the menu
// master and then the GUI manager's poll.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "plugin/GameMasterEH.h"
#include "plugin/TickAble.h"

class GuiManager;

namespace Vortane {

class PersistentProfile;

namespace Tavek {

class MainGuiMaster;

class GameMaster : public GameMasterEH, public TickAble {
public:
    // Builds everything, then reads the profile or writes the default files (failures are
    // reported and the menus run on the default profile in memory).
    GameMaster();
    // Deletes the profile, the menu master (with the white font), the GUI manager and the black
    // font, destroys the camera and leaves the tick list.
    ~GameMaster() override;

    void tick() override;
    void quit() override;
    void idle() override {}
    GuiManager* getGuiManager() override { return guiManager_.get(); }
    virtual uint32_t getCamera() { return camera_; }

    PersistentProfile* getProfile() const { return profile_.get(); }

private:
    void setUpProfile();
    void release();

    uint32_t camera_ = 0;
    std::unique_ptr<GuiManager> guiManager_;
    std::unique_ptr<MainGuiMaster> menuMaster_;
    std::unique_ptr<PersistentProfile> profile_;
    std::string profilePath_;
};

}  // namespace Tavek
}  // namespace Vortane
