// The plug-in's process-wide state between its exports.
#pragma once

namespace Vortane {

namespace Tavek {
class GameMaster;
}

// The game master Init made; null before Init and after Exit.
extern Tavek::GameMaster* theGameMaster;
// Set by the game master's quit and never cleared: every later Run ends with iExit.
extern bool quitRequested;
// Called by Init just before it makes the game master; null in the plug-in (a test probe sets it).
extern void (*beforeInit)();

}  // namespace Vortane
