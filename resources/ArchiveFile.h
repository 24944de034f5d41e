// The packed archive's file, held open for reading at any offset. It is opened once and kept
// open for as long as its owner lives, so the archive stays readable even if the file is
// removed from the folder meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ArchiveFile {
public:
    // hostName is a path of the host (already through hostPath()). opened() is false when it
    // cannot be opened.
    explicit ArchiveFile(const std::string& hostName);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    bool opened() const { return descriptor >= 0; }
    // The file's length in bytes when it was opened.
    uint64_t size() const { return length; }
    // Reads exactly count bytes from offset on. False when the range passes the end of the
    // file or the read fails (a failing disk is never taken for a short file).
    bool readAt(uint64_t offset, void* into, size_t count) const;

private:
    int descriptor = -1;
    uint64_t length = 0;
};
