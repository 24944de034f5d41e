// Stands in the menu master's place until the game's menus exist: builds the GUI core the menus
// will use (primitive factory on the game's camera, skin, border factory, the white GUI font,
// click sound, print list, cursor, the shared skin bundle), the start screen and the message
// box, and shows the start screen. Ticked once a frame after the GUI manager's poll.
#pragma once

#include <cstdint>
#include <memory>

class GuiArtist;
class GuiBlocks;
class GuiBorderFactory;
class GuiManager;
class GuiMessageBox;
class GuiMouse;
class GuiSound;
class GuiTextBlockTicker;
class PrimitiveFactory2D;

namespace Tavek {

class GameMasterEH;
class StandInScreen;

class StandInMenu {
public:
    StandInMenu(GameMasterEH* gameMaster, GuiManager* manager, uint32_t camera);
    ~StandInMenu();
    StandInMenu(const StandInMenu&) = delete;
    StandInMenu& operator=(const StandInMenu&) = delete;

    // The primitives' frame step, the cursor onto the pointer, then every caption of the frame.
    void tick();

    StandInScreen* getScreen() const { return screen.get(); }
    GuiMouse* getMouse() const { return mouse.get(); }
    GuiMessageBox* getMessageBox() const { return messageBox.get(); }
    GuiBlocks* getBlocks() const { return blocks.get(); }

private:
    GuiManager* manager;
    std::unique_ptr<PrimitiveFactory2D> factory;
    std::unique_ptr<GuiArtist> artist;
    std::unique_ptr<GuiBorderFactory> borderFactory;
    std::unique_ptr<GuiSound> sound;
    std::unique_ptr<GuiTextBlockTicker> ticker;
    std::unique_ptr<GuiMouse> mouse;
    std::unique_ptr<GuiBlocks> blocks;
    std::unique_ptr<StandInScreen> screen;
    std::unique_ptr<GuiMessageBox> messageBox;
};

}  // namespace Tavek
