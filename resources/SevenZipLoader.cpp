#include "SevenZipLoader.h"

#include <lzma.h>

#include <algorithm>
#include <cstdlib>

#include "ArchiveFile.h"
#include "FileMemory.h"
#include "NormalizePath.h"
#include "platform/win32/hostpath.h"
#include "platform/win32/win32_host.h"

SevenZipLoader::SevenZipLoader(const std::string& archivePath)
    : file(std::make_unique<ArchiveFile>(hostPath(archivePath))), archiveName(archivePath) {
    if (!file->opened()) {
        file.reset();  // no archive: loose files alone, as intended
        return;
    }
    try {
        contents = readSevenZipIndex(*file);
    } catch (const SevenZipRefused& refusal) {
        win32::log("resources: " + archiveName + " is not used, " + refusal.what() + "; loose files are read instead");
        file.reset();
        return;
    }
    buildIndex();
}

SevenZipLoader::~SevenZipLoader() = default;

void SevenZipLoader::buildIndex() {
    size_t unnamed = 0, firstUnnamed = 0;
    for (uint32_t number = 0; number < contents.entries.size(); ++number) {
        const SevenZipEntry& entry = contents.entries[number];
        if (entry.isDirectory) continue;
        if (!entry.name || entry.name->empty()) {
            if (unnamed++ == 0) firstUnnamed = number;
            continue;
        }
        std::string key = *entry.name;
        normalizePath(key);
        // A later entry with the same normalised name replaces the earlier one.
        index[key] = number;
    }
    if (unnamed > 0) {
        win32::log("resources: " + archiveName + ": " + std::to_string(unnamed) + " entries skipped (the first is entry " +
                   std::to_string(firstUnnamed) + "), their names cannot be read");
    }
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
    if (entry.hasData && !contents.blocks[entry.block].refusal.empty()) {
        refuseEntry(name, contents.blocks[entry.block].refusal);
        return nullptr;
    }
    if (entry.size > largestArchiveEntry) {  // its block says the same: nothing is allocated for it
        refuseEntry(name, "it declares " + std::to_string(entry.size) + " bytes");
        return nullptr;
    }
    std::unique_ptr<unsigned char, decltype(&std::free)> bytes(
        static_cast<unsigned char*>(std::malloc(std::max<uint64_t>(entry.size, 1))), &std::free);
    if (!bytes) {
        refuseEntry(name, "there is no memory for its " + std::to_string(entry.size) + " bytes");
        return nullptr;
    }
    if (entry.hasData) {
        try {
            decodeSevenZipBlock(*file, contents.blocks[entry.block], entry.offset, bytes.get(), entry.size);
        } catch (const SevenZipRefused& refusal) {
            refuseEntry(name, refusal.what());
            return nullptr;
        }
        if (entry.hasCrc && lzma_crc32(bytes.get(), entry.size, 0) != entry.crc) {
            refuseEntry(name, "its checksum does not match");
            return nullptr;
        }
    }
    return new FileMemory(bytes.release(), static_cast<uint32_t>(entry.size));
}

std::vector<std::string> SevenZipLoader::entryNames() const {
    std::vector<std::string> names;
    names.reserve(index.size());
    for (const auto& [name, entry] : index) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}
