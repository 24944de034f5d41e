// One line about the plug-in for the player and the tester: the platform log and standard error.
#pragma once

#include <string>

namespace Vortane {

void report(const std::string& line);

}  // namespace Vortane
