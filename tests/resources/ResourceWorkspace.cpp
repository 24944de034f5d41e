#include "ResourceWorkspace.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/win32/hostpath.h"

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

std::string runAndCapture(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> chunk;
        size_t got;
        while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) output.append(chunk.data(), got);
        ::pclose(pipe);
    }
    return output;
}

}  // namespace

ResourceWorkspace::ResourceWorkspace() {
    std::string pattern = (fs::temp_directory_path() / "brennock-res-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    path = pattern;
    previous = fs::current_path().string();
    fs::current_path(path);
    hostPathClearCache();
}

ResourceWorkspace::~ResourceWorkspace() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
    fs::remove_all(path, ignored);
    hostPathClearCache();
}

void ResourceWorkspace::write(const std::string& relativePath, const std::string& bytes) const {
    const fs::path file = fs::path(path) / relativePath;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void ResourceWorkspace::makeFolder(const std::string& relativePath) const {
    fs::create_directories(fs::path(path) / relativePath);
}

std::string ResourceWorkspace::read(const std::string& relativePath) const {
    std::ifstream in(fs::path(path) / relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ResourceWorkspace::pack(const std::string& archive, const std::string& stage,
                             const std::vector<std::string>& paths, bool copy) const {
    std::string command = "cd " + quoted((fs::path(path) / stage).string()) + " && " SEVEN_ZIP_PROGRAM
                          " a -t7z -ms=off -bd -y " + std::string(copy ? "-m0=copy" : "-m0=lzma") + " " +
                          quoted((fs::path(path) / archive).string());
    for (const std::string& p : paths) command += " " + quoted(p);
    command += " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::vector<std::string> ResourceWorkspace::entryOrder(const std::string& archive) const {
    const std::string listing =
        runAndCapture(SEVEN_ZIP_PROGRAM " l -slt " + quoted((fs::path(path) / archive).string()) + " 2>/dev/null");
    std::vector<std::string> entries;
    // The first "Path = " line names the archive itself; entries follow the "----------" line.
    const size_t start = listing.find("----------");
    size_t at = start == std::string::npos ? listing.size() : start;
    const std::string key = "\nPath = ";
    while ((at = listing.find(key, at)) != std::string::npos) {
        at += key.size();
        const size_t end = listing.find('\n', at);
        entries.push_back(listing.substr(at, end - at));
    }
    return entries;
}

bool ResourceWorkspace::flipByteOf(const std::string& relativePath, const std::string& needle, size_t offset) const {
    std::string bytes = read(relativePath);
    const size_t at = bytes.find(needle);
    if (at == std::string::npos) return false;
    bytes[at + offset] = static_cast<char>(bytes[at + offset] ^ 0x20);
    std::ofstream out(fs::path(path) / relativePath, std::ios::binary | std::ios::trunc);
    out << bytes;
    return true;
}

void ResourceWorkspace::truncate(const std::string& relativePath, size_t count) const {
    fs::resize_file(fs::path(path) / relativePath, count);
}

std::string emptySevenZipArchive() {
    // Signature, version 0.4, start header CRC, then a zero next-header offset, size and CRC.
    static const unsigned char bytes[32] = {0x37, 0x7a, 0xbc, 0xaf, 0x27, 0x1c, 0x00, 0x04,
                                            0x8d, 0x9b, 0xd5, 0x0f};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}
