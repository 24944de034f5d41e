#include "PackFolder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/win32/hostpath.h"

namespace fs = std::filesystem;

namespace pack {

namespace {

std::string toGameName(const fs::path& relative) {
    std::string name = relative.generic_string();
    std::replace(name.begin(), name.end(), '/', '\\');
    return name;
}

std::string toHostName(std::string gameName) {
    std::replace(gameName.begin(), gameName.end(), '\\', '/');
    return gameName;
}

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

uint32_t bigEndian(const unsigned char* bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

uint32_t littleEndian(const unsigned char* bytes) {
    return (uint32_t{bytes[3]} << 24) | (uint32_t{bytes[2]} << 16) | (uint32_t{bytes[1]} << 8) | bytes[0];
}

}  // namespace

std::string gameFolder() { return GAME_DIR; }

std::vector<std::string> gameNames(const std::vector<std::string>& folders, const std::string& ending) {
    std::vector<std::string> names;
    const fs::path root(gameFolder());
    for (const std::string& folder : folders) {
        std::error_code error;
        const fs::path start = root / toHostName(folder);
        if (!fs::is_directory(start, error)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(start, error)) {
            if (!entry.is_regular_file()) continue;
            const std::string name = toGameName(fs::relative(entry.path(), root));
            if (endsWith(name, ending)) names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string hostFile(const std::string& gameName) { return (fs::path(gameFolder()) / toHostName(gameName)).string(); }

bool exists(const std::string& gameName) {
    std::error_code error;
    return fs::is_regular_file(hostFile(gameName), error);
}

bool isGlyphName(const std::string& gameName) {
    if (gameName.size() < 5 || !endsWith(gameName, ".x")) return false;
    const size_t at = gameName.size() - 5;
    auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    return gameName[at] == '_' && hex(gameName[at + 1]) && hex(gameName[at + 2]);
}

std::string folderOf(const std::string& gameName) {
    const size_t separator = gameName.find_last_of('\\');
    return separator == std::string::npos ? std::string() : gameName.substr(0, separator + 1);
}

bool pictureSize(const std::string& gameName, int* width, int* height) {
    std::ifstream file(hostFile(gameName), std::ios::binary);
    unsigned char header[24] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return false;
    if (std::memcmp(header, "\x89PNG\r\n\x1a\n", 8) == 0) {
        *width = static_cast<int>(bigEndian(header + 16));
        *height = static_cast<int>(bigEndian(header + 20));
        return true;
    }
    if (std::memcmp(header, "DDS ", 4) == 0) {
        *height = static_cast<int>(littleEndian(header + 12));
        *width = static_cast<int>(littleEndian(header + 16));
        return true;
    }
    return false;
}

WorkingFolder::WorkingFolder(const std::string& folder) {
    std::error_code error;
    previous = fs::current_path(error).string();
    if (error) return;
    ok = ::chdir(folder.c_str()) == 0;
    hostPathClearCache();
}

WorkingFolder::~WorkingFolder() {
    if (ok && ::chdir(previous.c_str()) != 0) std::perror("pack tests: cannot return to the working folder");
    hostPathClearCache();
}

}  // namespace pack
