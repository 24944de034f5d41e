// A source of resource files by name.
#pragma once

#include <string>

class FileMemory;

class FileLoader {
public:
    virtual ~FileLoader() = default;
    // A new block that the caller owns, or null when this loader cannot supply the file.
    virtual FileMemory* load(const std::string& name) = 0;
};
