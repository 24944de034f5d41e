// Module handles over the images libraries register, the platform version and text compare.
#include <cctype>
#include <cstring>
#include <map>

#include "win32_host.h"

namespace win32 {

namespace {

std::string lowered(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Lives for the process: libraries register while they load, before any reset can run.
std::map<std::string, HMODULE>& modules() {
    static auto* all = new std::map<std::string, HMODULE>();
    return *all;
}

}  // namespace

void registerModule(const std::string& fileName, HMODULE base) {
    if (base) modules()[lowered(fileName)] = base;
    else modules().erase(lowered(fileName));
}

}  // namespace win32

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName == nullptr) return reinterpret_cast<HMODULE>(uintptr_t(0x400000));
    auto found = win32::modules().find(win32::lowered(moduleName));
    return found == win32::modules().end() ? nullptr : found->second;
}

// Reports a Windows NT platform, so code written for both families takes the NT branch.
BOOL GetVersionExA(LPOSVERSIONINFOA info) {
    if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) return FALSE;
    info->dwMajorVersion = 5;
    info->dwMinorVersion = 1;
    info->dwBuildNumber = 2600;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}

int lstrcmpiA(LPCSTR a, LPCSTR b) {
    if (!a || !b) return a ? 1 : (b ? -1 : 0);
    for (;; ++a, ++b) {
        int ca = std::tolower(static_cast<unsigned char>(*a));
        int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}
