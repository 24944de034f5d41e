// Loads resource files from the packed 7z archive (graphics.qmx). The archive is opened and
// indexed once, at construction; each load decodes its entry afresh (a load further down the
// archive than an earlier one walks on from there instead of opening the archive again). Any failure is silent:
// an archive that cannot be opened leaves the loader closed and every load returns null, so
// resources come from loose files alone.
// An empty entry loads as a block of size 0 whose data is a 1-byte allocation, never null.
// Names beyond ASCII read as the game's single-byte text (Latin-1, "?" for other characters);
// an entry whose name cannot be read at all is skipped with a log line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "FileLoader.h"

struct ArchiveStream;

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

    bool opened() const { return isOpen; }
    size_t entryCount() const { return index.size(); }
    // The normalised names of the indexed entries, sorted.
    std::vector<std::string> entryNames() const;

private:
    struct IndexEntry {
        unsigned number;  // position in the archive's entry list, folders included
        uint64_t size;    // size recorded in the archive
    };

    class Pass;

    void buildIndex();
    void close();

    std::unique_ptr<ArchiveStream> stream;  // the archive file, held open while the loader is open
    bool isOpen = false;
    std::string archiveName;  // as the caller gave it, for log lines
    std::unordered_map<std::string, IndexEntry> index;  // normalised name -> entry
    // Reading passes kept from earlier loads, while they are sound. Each pass reads the one
    // archive file through its own seeks.
    struct Cursor {
        std::unique_ptr<Pass> pass;
        unsigned number = 0;    // the entry its next step reaches
        uint64_t lastUse = 0;
    };
    Cursor cursors[2];
    uint64_t uses = 0;
};
