// Loads loose resource files from disk, relative to the working directory.
#pragma once

#include "FileLoader.h"

class FilesystemLoader : public FileLoader {
public:
    // The name goes to the host unchanged apart from hostPath(). Null when the name is not a
    // readable regular file, is larger than 4 GiB - 1, or cannot be read completely.
    FileMemory* load(const std::string& name) override;
};
