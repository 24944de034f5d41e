#include "scratch_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "fuzz_check.h"

namespace fuzzcheck {

namespace {

struct Folder {
    Folder() {
        // Memory-backed when the system has it: saves sync their files, and a disk makes that slow.
        std::error_code error;
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        std::string pattern = (base / "brennock-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr, "no scratch folder");
        path = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

const std::string& folder() {
    static Folder made;
    return made.path;
}

}  // namespace

std::string scratchPath(const std::string& name) { return folder() + "/" + name; }

std::string writeScratch(const std::string& name, const uint8_t* data, size_t size) {
    std::string path = scratchPath(name);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    require(file != nullptr, "cannot write a scratch file");
    require(size == 0 || std::fwrite(data, 1, size, file) == size, "cannot write a scratch file");
    std::fclose(file);
    return path;
}

}  // namespace fuzzcheck
