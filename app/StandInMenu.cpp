#include "app/StandInMenu.h"

#include "app/StandInScreen.h"
#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiBorderFactory.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiMouse.h"
#include "gui/GuiSound.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/PrimitiveFactory2D.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace Tavek {

StandInMenu::StandInMenu(GameMasterEH* gameMaster, GuiManager* manager, uint32_t camera) : manager(manager) {
    factory = std::make_unique<PrimitiveFactory2D>(static_cast<int>(camera));
    artist = std::make_unique<GuiArtist>(factory.get());
    borderFactory = std::make_unique<GuiBorderFactory>();
    sound = std::make_unique<GuiSound>();
    ticker = std::make_unique<GuiTextBlockTicker>();
    mouse = std::make_unique<GuiMouse>(&artist->mouseArtist);
    iWindowsMouseHide(1);
    mouse->setMode(3);
    blocks = std::make_unique<GuiBlocks>(artist.get(), borderFactory.get(), fontWhite, sound.get(), ticker.get());
    sharedGuiBlocks = blocks.get();
    screen = std::make_unique<StandInScreen>(gameMaster, manager, blocks.get());
    // Made after every screen, so it draws over them.
    messageBox = std::make_unique<GuiMessageBox>(manager, blocks.get(), nullptr, 0);
    if (manager) {
        manager->setMessageBox(messageBox.get());
        manager->setScreen(screen.get());
    }
    mouse->setMode(0);
}

StandInMenu::~StandInMenu() {
    if (manager) manager->forgetPanels();
    if (sharedGuiBlocks == blocks.get()) sharedGuiBlocks = nullptr;
    messageBox.reset();
    screen.reset();
    mouse.reset();
    blocks.reset();
    ticker.reset();
    sound.reset();
    borderFactory.reset();
    artist.reset();
    factory.reset();
}

void StandInMenu::tick() {
    factory->update();
    mouse->update();
    ticker->printAll();
}

}  // namespace Tavek
