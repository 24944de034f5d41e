#include "plugin/PluginLog.h"

#include <cstdio>

#include "platform/win32/win32_host.h"

namespace Vortane {

void report(const std::string& line) {
    win32::log(line);
    std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace Vortane
