#include "app/ProcessState.h"

#include "app/GameMaster.h"
#include "gui/GuiManager.h"
#include "gui/GuiProcessState.h"

namespace {
Tavek::GameMaster* buildGameMaster() { return new Tavek::GameMaster(); }
GuiManager* buildGuiManager() { return new GuiManager(); }
}  // namespace

uint32_t startupSong = 0;
Tavek::GameMaster* theGameMaster = nullptr;
bool quitRequested = false;
bool yieldAfterRender = false;
HWND mainWindow = nullptr;
HWND childWindow = nullptr;
Tavek::GameMaster* (*makeGameMaster)() = buildGameMaster;
GuiManager* (*makeGuiManager)() = buildGuiManager;

void resetProcessState() {
    delete theGameMaster;
    theGameMaster = nullptr;
    startupSong = 0;
    quitRequested = false;
    yieldAfterRender = false;
    mainWindow = nullptr;
    childWindow = nullptr;
    makeGameMaster = buildGameMaster;
    makeGuiManager = buildGuiManager;
    resetGuiProcessState();
}
