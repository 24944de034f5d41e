// Game folders of links to the generated pack's loose files (default_res, Tavek_res and the
// purchase page; never graphics.qmx), for tests that let the game write saveData/ or that damage
// a file of the pack. A ScratchGameFolder is entered as the working folder until the object goes;
// it is removed then, unless keep() was called (a failed test's files).
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/hostpath.h"

namespace gamefolder {

// Links the pack's two folders whole into `to` (the game writes beside them), and its purchase page.
inline void linkFolders(const std::filesystem::path& gameDir, const std::filesystem::path& to) {
    std::filesystem::create_directories(to);
    for (const char* linked : {"default_res", "Tavek_res"})
        std::filesystem::create_directory_symlink(gameDir / linked, to / linked);
    if (std::filesystem::exists(gameDir / "purchase.html"))
        std::filesystem::create_symlink(gameDir / "purchase.html", to / "purchase.html");
}

// Turns a linked folder below a game folder of links (and each linked folder on the way to it)
// into a folder of the test's own whose entries link to the pack's, so that a file in it may be
// removed or replaced while the pack keeps its own. Returns the folder.
inline std::filesystem::path ownFolder(const std::filesystem::path& game, const std::string& relative) {
    std::filesystem::path at = game;
    for (const std::filesystem::path& part : std::filesystem::path(relative)) {
        at /= part;
        if (!std::filesystem::is_symlink(at)) continue;
        const std::filesystem::path target = std::filesystem::canonical(at);
        std::filesystem::remove(at);
        std::filesystem::create_directory(at);
        for (const auto& entry : std::filesystem::directory_iterator(target)) {
            if (entry.is_directory()) std::filesystem::create_directory_symlink(entry.path(), at / entry.path().filename());
            else std::filesystem::create_symlink(entry.path(), at / entry.path().filename());
        }
    }
    return at;
}

// Removes a file of a game folder of links, the pack keeping its own; whether there was one.
inline bool removeFile(const std::filesystem::path& game, const std::string& relative) {
    const std::filesystem::path file(relative);
    return std::filesystem::remove(ownFolder(game, file.parent_path().string()) / file.filename());
}

// Puts a file of the test's own holding the bytes where the link to the pack's (or nothing) was.
inline void replaceFile(const std::filesystem::path& game, const std::string& relative, const std::string& bytes) {
    removeFile(game, relative);
    std::ofstream(game / relative, std::ios::binary) << bytes;
}

// The text of the pack's own file.
inline std::string packText(const std::filesystem::path& gameDir, const std::string& relative) {
    std::ifstream in(gameDir / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Copies the pack's fighter scripts only (which the game master's battle imports when it is
// built) into a folder of the test's own.
inline void copyScripts(const std::filesystem::path& gameDir, const std::filesystem::path& to) {
    std::filesystem::create_directories(to / "Tavek_res" / "scripts");
    std::filesystem::copy(gameDir / "Tavek_res" / "scripts", to / "Tavek_res" / "scripts",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

// A registry file that names the folder as the game's install folder, as the installer writes it.
inline void writeRegistry(const std::filesystem::path& registry, const std::filesystem::path& install) {
    std::ofstream(registry) << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n"
                            << "\"Path\"=\"" << install.string() << "\"\n";
}

}  // namespace gamefolder

class ScratchGameFolder {
public:
    explicit ScratchGameFolder(const std::string& gameDir) : previous(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "brennock-game-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        root = pattern;
        gamefolder::linkFolders(gameDir, root);
        std::filesystem::current_path(root);
        hostPathClearCache();
    }
    ~ScratchGameFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        hostPathClearCache();
        if (!kept && !root.empty()) std::filesystem::remove_all(root, ignored);
    }
    ScratchGameFolder(const ScratchGameFolder&) = delete;
    ScratchGameFolder& operator=(const ScratchGameFolder&) = delete;

    const std::filesystem::path& path() const { return root; }
    const std::filesystem::path& previousFolder() const { return previous; }
    std::filesystem::path file(const std::string& relative) const { return root / relative; }
    void write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories(file(relative).parent_path());
        std::ofstream(file(relative), std::ios::binary) << bytes;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(file(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void keep() { kept = true; }

private:
    std::filesystem::path previous;
    std::filesystem::path root;
    bool kept = false;
};
