// The game master's battle imports the pack's fighter scripts when it is built, so a test that
// runs the game master in a folder of its own first copies them there.
#pragma once

#include <filesystem>
#include <string>

inline void copyPackScripts(const std::string& folder) {
    const std::filesystem::path target = std::filesystem::path(folder) / "Tavek_res" / "scripts";
    std::filesystem::create_directories(target);
    std::filesystem::copy(std::filesystem::path(GAME_DIR) / "Tavek_res" / "scripts", target,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}
