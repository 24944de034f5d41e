#include "SevenZipLoader.h"

#include <archive_entry.h>
#include <locale.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

#include "ArchiveStream.h"
#include "FileMemory.h"
#include "NormalizePath.h"
#include "platform/win32/hostpath.h"
#include "platform/win32/win32_host.h"

namespace {

// The archive stores names as Unicode; the reader converts them through the thread's locale,
// and in the C locale every name beyond ASCII fails. Every use of a pass happens under a UTF-8
// locale, which is given back as soon as the use ends.
class Utf8Names {
public:
    Utf8Names() : previous(utf8() ? uselocale(utf8()) : nullptr) {}
    ~Utf8Names() {
        if (previous) uselocale(previous);
    }
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;

private:
    static locale_t utf8() {
        static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return locale;
    }
    locale_t previous;
};

// One pass of the archive reader over the held file, from its start. Only the 7z
// format is accepted; no other formats and no outer compression filters. Use it only while a
// Utf8Names is alive.
class ArchivePass {
public:
    // Reads the file of source from its start, with a stream record of its own.
    explicit ArchivePass(const ArchiveStream& source)
        : stream(std::make_unique<ArchiveStream>()), reader(archive_read_new()) {
        stream->file = source.file;
        if (!reader || !stream->file) return;
        archive_read_support_format_7zip(reader);
        archive_read_set_read_callback(reader, archiveStreamRead);
        archive_read_set_skip_callback(reader, archiveStreamSkip);
        archive_read_set_seek_callback(reader, archiveStreamSeek);
        archive_read_set_callback_data(reader, stream.get());
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
    std::unique_ptr<ArchiveStream> stream;
    struct archive* reader;
    bool ready = false;
};

// UTF-8 as the game's single-byte text (Latin-1, "?" for what it cannot show). Nothing for
// a byte sequence that is not UTF-8.
std::optional<std::string> latin1FromUtf8(const char* text) {
    std::string out;
    for (auto p = reinterpret_cast<const unsigned char*>(text); *p;) {
        const int extra = *p < 0x80 ? 0 : (*p >> 5) == 0x6 ? 1 : (*p >> 4) == 0xE ? 2 : (*p >> 3) == 0x1E ? 3 : -1;
        if (extra < 0) return std::nullopt;
        uint32_t code = extra == 0 ? *p : *p & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k) {
            if ((p[k] & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (p[k] & 0x3Fu);
        }
        p += extra + 1;
        out += code < 0x100 ? static_cast<char>(code) : '?';
    }
    return out;
}

// The entry's name as the game spells it, normalised; nothing when it cannot be read.
std::optional<std::string> indexKey(struct archive_entry* entry) {
    const char* name = archive_entry_pathname_utf8(entry);
    std::optional<std::string> key = name ? latin1FromUtf8(name) : std::nullopt;
    if (!key || key->empty()) return std::nullopt;
    normalizePath(*key);
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

// A pass kept between loads: opening the archive decodes its whole list of entries, which
// costs far more than stepping over the entries between two loads.
class SevenZipLoader::Pass : public ArchivePass {
public:
    using ArchivePass::ArchivePass;
};

SevenZipLoader::SevenZipLoader(const std::string& archivePath)
    : stream(std::make_unique<ArchiveStream>()), archiveName(archivePath) {
    stream->file = std::fopen(hostPath(archivePath).c_str(), "rb");
    if (!stream->file) return;
    buildIndex();
    if (!isOpen) close();
}

SevenZipLoader::~SevenZipLoader() { close(); }

void SevenZipLoader::close() {
    for (Cursor& c : cursors) c.pass.reset();
    if (stream->file) std::fclose(stream->file);
    stream->file = nullptr;
    isOpen = false;
    index.clear();
}

void SevenZipLoader::buildIndex() {
    Utf8Names names;
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
        const std::optional<std::string> key = indexKey(entry);
        if (!key) {
            win32::log("resources: " + archiveName + ": entry " + std::to_string(number) +
                       " skipped, its name cannot be read");
            continue;
        }
        // A later entry with the same normalised name replaces the earlier one.
        index[*key] = IndexEntry{number, size};
    }
    isOpen = true;
}

FileMemory* SevenZipLoader::load(const std::string& name) {
    if (!isOpen || name.empty()) return nullptr;
    std::string key = name;
    normalizePath(key);
    const auto found = index.find(key);
    if (found == index.end()) return nullptr;
    const IndexEntry wanted = found->second;
    if (wanted.size > UINT32_MAX) return nullptr;

    // Each entry is still decoded afresh; only the walk to it goes on from an earlier load when
    // the wanted entry lies ahead of one of the kept passes (a mesh and then its texture, just
    // before it in the archive, each keep theirs). A pass that failed is never used again.
    Utf8Names names;
    Cursor* best = nullptr;
    for (Cursor& c : cursors) {
        if (c.pass && c.number <= wanted.number && (!best || c.number > best->number)) best = &c;
    }
    if (!best) {
        best = &cursors[0];
        for (Cursor& c : cursors) {
            if (!c.pass || c.lastUse < best->lastUse) best = &c;
        }
        best->pass.reset();
        best->pass = std::make_unique<Pass>(*stream);
        best->number = 0;
        if (!best->pass->ok()) {
            best->pass.reset();
            return nullptr;
        }
    }
    Cursor& cursor = *best;
    cursor.lastUse = ++uses;
    struct archive_entry* entry = nullptr;
    for (; cursor.number <= wanted.number; ++cursor.number) {
        if (cursor.pass->next(&entry) != 1) {
            cursor.pass.reset();
            return nullptr;
        }
    }
    // The file is only ever read, but make sure the entry reached is the one indexed.
    if (archive_entry_filetype(entry) == AE_IFDIR || indexKey(entry) != key) return nullptr;

    unsigned char* bytes = readEntryData(cursor.pass->get(), wanted.size);
    if (!bytes) {
        cursor.pass.reset();
        return nullptr;
    }
    return new FileMemory(bytes, static_cast<uint32_t>(wanted.size));
}

std::vector<std::string> SevenZipLoader::entryNames() const {
    std::vector<std::string> names;
    names.reserve(index.size());
    for (const auto& [name, entry] : index) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}
