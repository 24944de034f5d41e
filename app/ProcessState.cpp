#include "app/ProcessState.h"

#include "app/GameMaster.h"
#include "gui/GuiProcessState.h"

namespace {
Tavek::GameMaster* buildGameMaster() { return new Tavek::GameMaster(); }
}  // namespace

uint32_t startupSong = 0;
Tavek::GameMaster* theGameMaster = nullptr;
bool quitRequested = false;
bool extraRenderRequested = false;
bool yieldAfterRender = false;
HWND mainWindow = nullptr;
HWND childWindow = nullptr;
Tavek::GameMaster* (*makeGameMaster)() = buildGameMaster;

void resetProcessState() {
    delete theGameMaster;
    theGameMaster = nullptr;
    startupSong = 0;
    quitRequested = false;
    extraRenderRequested = false;
    yieldAfterRender = false;
    mainWindow = nullptr;
    childWindow = nullptr;
    makeGameMaster = buildGameMaster;
    resetGuiProcessState();
}
