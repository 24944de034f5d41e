// What the plug-in's menus and screens may ask of its game master.
#pragma once

class GuiManager;

namespace Vortane::Tavek {

class GameMasterEH {
public:
    virtual ~GameMasterEH() = default;
    virtual void tick() = 0;
    // Asks the host to end the plug-in: the next Run ends with iExit.
    virtual void quit() = 0;
    virtual void idle() = 0;
    virtual GuiManager* getGuiManager() = 0;
};

}  // namespace Vortane::Tavek
