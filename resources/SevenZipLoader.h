// Loads resource files from the packed 7z archive (graphics.qmx). The archive's index is read
// once, at construction; each load then reads and decodes only its own entry's block (going on
// where the last load stopped when the entry lies further on in the same solid block) and
// checks the entry's checksum. An archive that is missing leaves the loader closed; one that is
// damaged, of a kind the index does not read, or whose index finds no memory is refused with one
// log line and leaves the loader closed too, so resources come from loose files alone. Entries
// of blocks the index refuses (a coder it does not read, a size it does not trust) are named in
// one log line for them all when the index is read and are not found, so the loose files count.
// An entry whose data cannot be read (damaged data, a checksum that does not match, no memory
// for it) loads as null with one log line, and the caller takes the loose file.
// An empty entry loads as a block of size 0 whose data is a 1-byte allocation, never null.
// Names beyond ASCII read as the game's single-byte text (Latin-1, "?" for other characters);
// entries whose names cannot be read are skipped, with one log line for them all.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "FileLoader.h"
#include "SevenZipIndex.h"

class ArchiveFile;

class SevenZipLoader : public FileLoader {
public:
    // archivePath goes to the host through hostPath().
    explicit SevenZipLoader(const std::string& archivePath);
    ~SevenZipLoader() override;
    SevenZipLoader(const SevenZipLoader&) = delete;
    SevenZipLoader& operator=(const SevenZipLoader&) = delete;

    // Names that differ only in letter case or slash direction find the same entry. Null when
    // the loader is closed, the entry is absent, or its data fails to decode completely and
    // with a matching checksum.
    FileMemory* load(const std::string& name) override;

    bool opened() const { return file != nullptr; }
    size_t entryCount() const { return index.size(); }
    // The normalised names of the indexed entries, sorted.
    std::vector<std::string> entryNames() const;

private:
    void buildIndex();
    void logUnreadable(const SevenZipEntry& first, size_t count) const;
    void refuseEntry(const std::string& name, const std::string& why) const;
    FileMemory* loadEntry(uint32_t number);
    FileMemory* takeKept(uint32_t number);
    void passOver(uint32_t number);
    void keep(uint32_t number);

    std::unique_ptr<ArchiveFile> file;  // held open while the loader is open
    std::string archiveName;            // as the caller gave it, for log lines
    SevenZipIndex contents;
    std::unordered_map<std::string, uint32_t> index;  // normalised name -> entry of contents
    SevenZipBlockDecoder decoder;                     // of contents.blocks

    // Entries of a solid LZMA block decoded on the way to a later one, in the order they were
    // decoded: the game asks for most of them soon after (a model's textures after the model).
    // Each is given away when it is asked for; the oldest are let go while they take more than
    // mostKeptBytes.
    struct KeptEntry {
        uint32_t number;
        std::unique_ptr<unsigned char, void (*)(void*)> bytes;
    };
    std::list<KeptEntry> kept;
    std::unordered_map<uint32_t, std::list<KeptEntry>::iterator> keptAt;
    uint64_t keptBytes = 0;
};
