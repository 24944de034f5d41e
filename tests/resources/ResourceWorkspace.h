// A fresh working folder for one test: the test runs inside it (resource names are relative
// to the working directory), and it is removed with everything in it afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ResourceWorkspace {
public:
    ResourceWorkspace();
    ~ResourceWorkspace();
    ResourceWorkspace(const ResourceWorkspace&) = delete;
    ResourceWorkspace& operator=(const ResourceWorkspace&) = delete;

    // Writes a file under the working folder; '/' separates folders, which are created.
    void write(const std::string& relativePath, const std::string& bytes) const;
    void makeFolder(const std::string& relativePath) const;
    std::string read(const std::string& relativePath) const;

    // Packs the given paths of the folder stage (relative to it) into archive with 7zz,
    // non-solid LZMA, or stored when copy is set. False when 7zz fails.
    bool pack(const std::string& archive, const std::string& stage, const std::vector<std::string>& paths,
              bool copy = false) const;
    // The archive's entry paths in stored order, as 7zz lists them.
    std::vector<std::string> entryOrder(const std::string& archive) const;
    // Flips one byte of the first occurrence of needle in the file; false when it is not there.
    bool flipByteOf(const std::string& relativePath, const std::string& needle, size_t offset = 0) const;
    // Cuts the file to its first count bytes.
    void truncate(const std::string& relativePath, size_t count) const;

    const std::string& folder() const { return path; }

private:
    std::string path;
    std::string previous;
};

// The smallest valid 7z archive: a start header with no entries.
std::string emptySevenZipArchive();
