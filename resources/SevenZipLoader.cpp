#include "SevenZipLoader.h"

#include <archive_entry.h>

#include <algorithm>
#include <cstdlib>

#include "ArchiveStream.h"
#include "FileMemory.h"
#include "NormalizePath.h"
#include "platform/win32/hostpath.h"

namespace {

// One pass of the archive reader over the held file, rewound to its start. Only the 7z
// format is accepted; no other formats and no outer compression filters.
class ArchivePass {
public:
    explicit ArchivePass(ArchiveStream& stream) : reader(archive_read_new()) {
        if (!reader || ::fseeko(stream.file, 0, SEEK_SET) != 0) return;
        archive_read_support_format_7zip(reader);
        archive_read_set_read_callback(reader, archiveStreamRead);
        archive_read_set_skip_callback(reader, archiveStreamSkip);
        archive_read_set_seek_callback(reader, archiveStreamSeek);
        archive_read_set_callback_data(reader, &stream);
        ready = archive_read_open1(reader) == ARCHIVE_OK;
    }
    ~ArchivePass() {
        if (reader) archive_read_free(reader);
    }
    ArchivePass(const ArchivePass&) = delete;
    ArchivePass& operator=(const ArchivePass&) = delete;

    bool ok() const { return ready; }
    struct archive* get() const { return reader; }

    // The next entry's header: 1 for an entry, 0 at the end of the list, -1 on an error.
    int next(struct archive_entry** entry) {
        const int result = archive_read_next_header(reader, entry);
        if (result == ARCHIVE_OK || result == ARCHIVE_WARN) return 1;
        return result == ARCHIVE_EOF ? 0 : -1;
    }

private:
    struct archive* reader;
    bool ready = false;
};

std::string indexKey(struct archive_entry* entry) {
    const char* name = archive_entry_pathname_utf8(entry);
    std::string key = name ? name : "";
    normalizePath(key);
    return key;
}

// Reads the current entry's data into one malloc'd buffer. Accepted only when every read
// succeeds (a checksum warning is a failure), exactly size bytes arrive and the entry then
// reports its end. The buffer grows as data arrives, so a corrupt recorded size cannot make
// us reserve gigabytes up front.
unsigned char* readEntryData(struct archive* reader, uint64_t size) {
    constexpr uint64_t firstReservation = 16u << 20;
    uint64_t capacity = std::max<uint64_t>(1, std::min(size, firstReservation));
    auto* bytes = static_cast<unsigned char*>(std::malloc(capacity));
    if (!bytes) return nullptr;

    uint64_t total = 0;
    while (total < size) {
        if (total == capacity) {
            const uint64_t grown = std::min(size, capacity * 2);
            auto* larger = static_cast<unsigned char*>(std::realloc(bytes, grown));
            if (!larger) break;
            bytes = larger;
            capacity = grown;
        }
        const la_ssize_t got = archive_read_data(reader, bytes + total, capacity - total);
        if (got <= 0) break;  // an error, a checksum warning, or data ending early
        total += static_cast<uint64_t>(got);
    }
    if (total == size) {
        unsigned char probe;
        if (archive_read_data(reader, &probe, 1) == 0) return bytes;  // the clean end of the entry
    }
    std::free(bytes);
    return nullptr;
}

}  // namespace

SevenZipLoader::SevenZipLoader(const std::string& archivePath) : stream(std::make_unique<ArchiveStream>()) {
    stream->file = std::fopen(hostPath(archivePath).c_str(), "rb");
    if (!stream->file) return;
    buildIndex();
    if (!isOpen) close();
}

SevenZipLoader::~SevenZipLoader() { close(); }

void SevenZipLoader::close() {
    if (stream->file) std::fclose(stream->file);
    stream->file = nullptr;
    isOpen = false;
    index.clear();
}

void SevenZipLoader::buildIndex() {
    ArchivePass pass(*stream);
    if (!pass.ok()) return;
    struct archive_entry* entry = nullptr;
    unsigned number = 0;
    for (int state; (state = pass.next(&entry)) != 0; ++number) {
        if (state < 0) {
            index.clear();
            return;
        }
        if (archive_entry_filetype(entry) == AE_IFDIR) continue;
        const uint64_t size = archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0
                                  ? static_cast<uint64_t>(archive_entry_size(entry))
                                  : 0;
        // A later entry with the same normalised name replaces the earlier one.
        index[indexKey(entry)] = IndexEntry{number, size};
    }
    isOpen = true;
}

FileMemory* SevenZipLoader::load(const std::string& name) {
    if (!isOpen) return nullptr;
    std::string key = name;
    normalizePath(key);
    const auto found = index.find(key);
    if (found == index.end()) return nullptr;
    const IndexEntry wanted = found->second;
    if (wanted.size > UINT32_MAX) return nullptr;

    ArchivePass pass(*stream);
    if (!pass.ok()) return nullptr;
    struct archive_entry* entry = nullptr;
    for (unsigned number = 0; number <= wanted.number; ++number) {
        if (pass.next(&entry) != 1) return nullptr;
    }
    // The file is only ever read, but make sure the entry reached is the one indexed.
    if (archive_entry_filetype(entry) == AE_IFDIR || indexKey(entry) != key) return nullptr;

    unsigned char* bytes = readEntryData(pass.get(), wanted.size);
    if (!bytes) return nullptr;
    return new FileMemory(bytes, static_cast<uint32_t>(wanted.size));
}
