// vortane-host [--plugin PATH]: loads the fighter-creation plug-in (by default libVortane.so
// beside this program), hands it the engine's table and drives its exports frame by frame.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "platform/host/EngineRunner.h"
#include "platform/host/PluginLibrary.h"
#include "platform/vuzirovari/vuzirovari_table.h"

namespace {

std::string besideThisProgram(const char* name) {
    char path[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return name;
    std::string self(path, static_cast<size_t>(length));
    return self.substr(0, self.find_last_of('/') + 1) + name;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "vortane-host: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string pluginPath = besideThisProgram("libVortane.so");
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--plugin" && i + 1 < argc) pluginPath = argv[++i];
        else return fail("usage: vortane-host [--plugin PATH]");
    }

    PluginLibrary plugin;
    if (!plugin.load(pluginPath)) return fail(plugin.error());
    EngineRunner runner("Vortane");
    if (!runner.open()) return fail(runner.error());

    plugin.libInit(vuzPluginTable());
    plugin.preInit();
    const int code = runner.run([&] { plugin.init(); }, [&] { plugin.run(); });
    plugin.exit();
    plugin.postExit();
    plugin.unload();
    return code;
}
