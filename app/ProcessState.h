// The process-wide values of the program entry.
#pragma once

#include <cstdint>

#include "gui/GuiProcessState.h"
#include "platform/win32/win32.h"

class GuiManager;

namespace Tavek {
class GameMaster;
}

extern uint32_t startupSong;               // plays from before the loop until the game master is built
extern Tavek::GameMaster* theGameMaster;   // built in the first init phase, lives to the end of the process
extern bool quitRequested;                 // the game asked to end; the run phase then calls iExit
extern bool yieldAfterRender;              // set by the window procedure on every message
extern HWND mainWindow;
extern HWND childWindow;

// Builds the game master in the init phase. A test may put its own in place.
extern Tavek::GameMaster* (*makeGameMaster)();
// Builds the game master's GUI manager (owned by the game master). A test may put its own in place.
extern GuiManager* (*makeGuiManager)();

// Back to the state the process starts in (for running the program more than once in one process).
void resetProcessState();
