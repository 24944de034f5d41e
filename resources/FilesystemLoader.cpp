#include "FilesystemLoader.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FileMemory.h"
#include "platform/win32/hostpath.h"

FileMemory* FilesystemLoader::load(const std::string& name) {
    const std::string path = hostPath(name);
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) return nullptr;
    // A folder is not a file (opening one for reading fails on the game's original platform).
    if (!S_ISREG(status.st_mode)) return nullptr;
    if (status.st_size < 0 || static_cast<uint64_t>(status.st_size) > UINT32_MAX) return nullptr;
    const size_t size = static_cast<size_t>(status.st_size);

    // One byte at least, so an empty file still gets a block of its own.
    auto* bytes = static_cast<unsigned char*>(std::malloc(size > 0 ? size : 1));
    if (!bytes) return nullptr;

    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        std::free(bytes);
        return nullptr;
    }
    const size_t got = size > 0 ? std::fread(bytes, 1, size, file) : 0;
    std::fclose(file);
    if (got != size) {
        std::free(bytes);
        return nullptr;
    }
    return new FileMemory(bytes, static_cast<uint32_t>(size));
}
