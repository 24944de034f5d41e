// One resource file loaded into memory. The block owns its bytes (malloc'd) and frees them
// when it is destroyed.
#pragma once

#include <cstdint>

class FileMemory {
public:
    // An empty block: no bytes yet. The loader that creates it fills both fields.
    FileMemory() = default;
    // Takes ownership of bytes, which must come from malloc (or be null with size 0).
    FileMemory(unsigned char* bytes, uint32_t byteCount) : data(bytes), size(byteCount) {}
    virtual ~FileMemory();
    FileMemory(const FileMemory&) = delete;
    FileMemory& operator=(const FileMemory&) = delete;

    // A loaded file always has a non-null data pointer, also when it is empty (size 0), so
    // "present but empty" never looks like "missing".
    unsigned char* data = nullptr;
    uint32_t size = 0;
};
