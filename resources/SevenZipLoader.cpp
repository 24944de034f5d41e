#include "SevenZipLoader.h"

#include <lzma.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "ArchiveFile.h"
#include "FileMemory.h"
#include "NormalizePath.h"
#include "platform/win32/hostpath.h"
#include "platform/win32/win32_host.h"

namespace {

// What the entries of a solid block kept for later loads may take. Start-up asks for most of a
// solid pack's entries out of its order by less than this; the block's decoder takes its
// dictionary besides.
constexpr uint64_t mostKeptBytes = 24u << 20;

}  // namespace

SevenZipLoader::SevenZipLoader(const std::string& archivePath)
    : file(std::make_unique<ArchiveFile>(hostPath(archivePath))), archiveName(archivePath) {
    if (!file->opened()) {
        file.reset();  // no archive: loose files alone, as intended
        return;
    }
    std::string refusal;
    try {
        contents = readSevenZipIndex(*file);
        buildIndex();
        return;
    } catch (const SevenZipRefused& refused) {
        refusal = refused.what();
    } catch (const std::bad_alloc&) {
        refusal = "there is no memory for its index";
    } catch (const std::length_error&) {
        refusal = "its index is too large";
    }
    win32::log("resources: " + archiveName + " is not used, " + refusal + "; loose files are read instead");
    contents = SevenZipIndex();
    index.clear();
    file.reset();
}

SevenZipLoader::~SevenZipLoader() = default;

void SevenZipLoader::buildIndex() {
    size_t unnamed = 0, firstUnnamed = 0, unreadable = 0;
    const SevenZipEntry* firstUnreadable = nullptr;
    for (uint32_t number = 0; number < contents.entries.size(); ++number) {
        const SevenZipEntry& entry = contents.entries[number];
        if (entry.isDirectory) continue;
        if (!entry.name || entry.name->empty()) {
            if (unnamed++ == 0) firstUnnamed = number;
            continue;
        }
        std::string key = *entry.name;
        normalizePath(key);
        if (entry.hasData && !contents.blocks[entry.block].refusal.empty()) {
            // Its block cannot be read: the loose file counts, even over an earlier entry.
            if (unreadable++ == 0) firstUnreadable = &entry;
            index.erase(key);
            continue;
        }
        // A later entry with the same normalised name replaces the earlier one.
        index[key] = number;
    }
    if (unnamed > 0) {
        win32::log("resources: " + archiveName + ": " + std::to_string(unnamed) + " entries skipped (the first is entry " +
                   std::to_string(firstUnnamed) + "), their names cannot be read");
    }
    if (unreadable > 0) logUnreadable(*firstUnreadable, unreadable);
}

// Entries of blocks the index refused (a coder it does not read, a size it does not trust) are
// named once here, in one line for them all, and never looked up again.
void SevenZipLoader::logUnreadable(const SevenZipEntry& first, size_t count) const {
    const std::string& why = contents.blocks[first.block].refusal;
    if (count == 1) {
        refuseEntry(*first.name, why);
        return;
    }
    win32::log("resources: " + archiveName + ": " + std::to_string(count) + " entries cannot be read from the archive (the first is " +
               *first.name + "), " + why + "; their loose files are tried instead");
}

void SevenZipLoader::refuseEntry(const std::string& name, const std::string& why) const {
    win32::log("resources: " + archiveName + ": " + name + " cannot be read from the archive, " + why +
               "; the loose file is tried instead");
}

FileMemory* SevenZipLoader::load(const std::string& name) {
    if (!file || name.empty()) return nullptr;
    std::string key = name;
    normalizePath(key);
    const auto found = index.find(key);
    if (found == index.end()) return nullptr;
    const SevenZipEntry& entry = contents.entries[found->second];
    try {
        return loadEntry(found->second);
    } catch (const SevenZipRefused& refusal) {
        refuseEntry(name, refusal.what());
    } catch (const std::bad_alloc&) {
        refuseEntry(name, "there is no memory for its " + std::to_string(entry.size) + " bytes");
    } catch (const std::length_error&) {
        refuseEntry(name, "its " + std::to_string(entry.size) + " bytes are too many");
    }
    return nullptr;
}

FileMemory* SevenZipLoader::loadEntry(uint32_t number) {
    const SevenZipEntry& entry = contents.entries[number];
    // The index holds no entry of a refused block, and no block of an unknown coder is unrefused;
    // nothing is allocated for an entry before its block is known to be readable.
    if (entry.hasData) {
        const SevenZipBlock& block = contents.blocks[entry.block];
        if (!block.refusal.empty()) throw SevenZipRefused(block.refusal);
        if (block.coder == SevenZipBlock::Coder::Unknown) throw SevenZipRefused("its coder is unknown");
    }
    if (entry.size > largestArchiveEntry) {  // its block says the same: nothing is allocated for it
        throw SevenZipRefused("it declares " + std::to_string(entry.size) + " bytes");
    }
    if (FileMemory* memory = takeKept(number)) return memory;
    std::unique_ptr<unsigned char, decltype(&std::free)> bytes(
        static_cast<unsigned char*>(std::malloc(std::max<uint64_t>(entry.size, 1))), &std::free);
    if (!bytes) throw std::bad_alloc();
    if (entry.hasData) {
        if (contents.blocks[entry.block].coder == SevenZipBlock::Coder::Lzma) passOver(number);
        decoder.decode(*file, contents.blocks[entry.block], entry.offset, bytes.get(), entry.size);
        if (entry.hasCrc && lzma_crc32(bytes.get(), entry.size, 0) != entry.crc) {
            throw SevenZipRefused("its checksum does not match");
        }
    }
    FileMemory* const memory = new FileMemory(bytes.get(), static_cast<uint32_t>(entry.size));
    bytes.release();  // the block owns them now
    return memory;
}

FileMemory* SevenZipLoader::takeKept(uint32_t number) {
    const auto found = keptAt.find(number);
    if (found == keptAt.end()) return nullptr;
    const auto at = found->second;
    const uint64_t size = contents.entries[number].size;
    FileMemory* const memory = new FileMemory(at->bytes.get(), static_cast<uint32_t>(size));
    at->bytes.release();
    keptBytes -= size;
    kept.erase(at);
    keptAt.erase(found);
    return memory;
}

// Decodes, and keeps, the entries of the block between where its decoder stands and this entry.
// Entries come in the archive's order of blocks and offsets, so they are the ones just before it.
void SevenZipLoader::passOver(uint32_t number) {
    const SevenZipEntry& entry = contents.entries[number];
    const uint64_t from = decoder.resumesAt(contents.blocks[entry.block], entry.offset);
    uint32_t first = number;
    for (; first > 0; --first) {
        const SevenZipEntry& before = contents.entries[first - 1];
        if (before.hasData && (before.block != entry.block || before.offset < from)) break;
    }
    for (uint32_t k = first; k < number; ++k) {
        const SevenZipEntry& passed = contents.entries[k];
        if (passed.hasData && passed.size <= mostKeptBytes && keptAt.count(k) == 0) keep(k);
    }
}

void SevenZipLoader::keep(uint32_t number) {
    const SevenZipEntry& entry = contents.entries[number];
    std::unique_ptr<unsigned char, void (*)(void*)> bytes(static_cast<unsigned char*>(std::malloc(std::max<uint64_t>(entry.size, 1))),
                                                          &std::free);
    if (!bytes) throw std::bad_alloc();
    decoder.decode(*file, contents.blocks[entry.block], entry.offset, bytes.get(), entry.size);
    if (entry.hasCrc && lzma_crc32(bytes.get(), entry.size, 0) != entry.crc) return;  // its own load says so
    keptAt[number] = kept.insert(kept.end(), KeptEntry{number, std::move(bytes)});
    keptBytes += entry.size;
    while (keptBytes > mostKeptBytes) {
        keptBytes -= contents.entries[kept.front().number].size;
        keptAt.erase(kept.front().number);
        kept.pop_front();
    }
}

std::vector<std::string> SevenZipLoader::entryNames() const {
    std::vector<std::string> names;
    names.reserve(index.size());
    for (const auto& [name, entry] : index) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}
