#include "platform/host/PluginLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Function>
bool find(void* handle, const char* name, Function* out) {
    void* symbol = dlsym(handle, name);
    *out = reinterpret_cast<Function>(symbol);
    return symbol != nullptr;
}

}  // namespace

bool PluginLibrary::load(const std::string& path) {
    unload();
    error_.clear();
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* reason = dlerror();
        error_ = "cannot load the plug-in " + path + ": " + (reason ? reason : "unknown reason");
        return false;
    }
    const char* missing = nullptr;
    if (!find(handle_, "LibInit", &libInit)) missing = "LibInit";
    else if (!find(handle_, "PreInit", &preInit)) missing = "PreInit";
    else if (!find(handle_, "Init", &init)) missing = "Init";
    else if (!find(handle_, "Run", &run)) missing = "Run";
    else if (!find(handle_, "Exit", &exit)) missing = "Exit";
    else if (!find(handle_, "PostExit", &postExit)) missing = "PostExit";
    if (missing) {
        unload();
        error_ = "the plug-in " + path + " has no export " + missing;
        return false;
    }
    return true;
}

void* PluginLibrary::symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

void PluginLibrary::unload() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
    libInit = nullptr;
    preInit = nullptr;
    init = nullptr;
    run = nullptr;
    exit = nullptr;
    postExit = nullptr;
}
