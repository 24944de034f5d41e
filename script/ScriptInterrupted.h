// A script stopped because the player or the system asked the game to end (SIGTERM, SIGINT)
// while it ran. Not a failure of the script: the frame loop ends the game without the script
// error box, as closing the window would.
#pragma once

#include <string>

#include "persistence/GameException.h"

namespace Tavek {

class ScriptInterrupted : public GameException {
public:
    explicit ScriptInterrupted(const std::string& what) : GameException(what) {}
};

}  // namespace Tavek
