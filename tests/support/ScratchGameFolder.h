// A scratch game folder for tests that write saveData/: links to the generated pack's loose
// files (default_res and Tavek_res, no graphics.qmx), entered as the working folder until the
// object goes. The folder is removed then, unless keep() was called (a failed test's files).
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/hostpath.h"

class ScratchGameFolder {
public:
    explicit ScratchGameFolder(const std::string& gameDir) : previous(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "brennock-game-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        root = pattern;
        for (const char* linked : {"default_res", "Tavek_res"})
            std::filesystem::create_directory_symlink(std::filesystem::path(gameDir) / linked, root / linked);
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
