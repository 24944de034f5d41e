// The plug-in as a loaded library: its six exports, found before anything else starts.
#pragma once

#include <string>

#include "platform/vuzirovari/vuzirovari_table.h"

class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary() { unload(); }
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Loads the library at path and finds all six exports. False when it cannot be loaded or
    // lacks an export: then nothing stays loaded and error() says which file and why
    // ("cannot load the plug-in <path>: <the loader's message>", "the plug-in <path> has no export Run").
    bool load(const std::string& path);
    // Unloads the library (the exports are then null); harmless when nothing is loaded.
    void unload();
    bool isLoaded() const { return handle_ != nullptr; }
    // Any other exported symbol of the loaded library, or null.
    void* symbol(const char* name) const;
    const std::string& error() const { return error_; }

    VortaneLibInitFn libInit = nullptr;
    VortanePreInitFn preInit = nullptr;
    VortaneInitFn init = nullptr;
    VortaneRunFn run = nullptr;
    VortaneExitFn exit = nullptr;
    VortanePostExitFn postExit = nullptr;

private:
    void* handle_ = nullptr;
    std::string error_;
};
