#include "FileArchive.h"

#include <sys/stat.h>

#include "platform/win32/hostpath.h"
#include "platform/win32/win32_host.h"

FileArchive& FileArchive::instance() {
    static FileArchive* const archive = new FileArchive();  // lives until the process ends
    return *archive;
}

FileArchive::FileArchive(const std::string& archivePath, const ResourceEngine& engineFunctions)
    : filesystemLoader(std::make_unique<FilesystemLoader>()),
      archiveLoader(std::make_unique<SevenZipLoader>(archivePath)),
      engine(engineFunctions) {}

FileArchive::~FileArchive() {
    cache.forEach([](const std::string&, FileMemory* block) { delete block; });
}

FileMemory* FileArchive::getFile(const std::string& name) {
    FileMemory* block = findFile(name);
    // Named once per run, so a file asked for every frame does not flood the log.
    if (!block && namedMissing.insert(name).second)
        win32::log("resources: \"" + name + "\" is neither in the archive nor a loose file");
    return block;
}

FileMemory* FileArchive::findFile(const std::string& name) {
    FileMemory* block = nullptr;
    if (cache.find(name, block)) return block;
    block = archiveLoader->load(name);
    if (!block) block = filesystemLoader->load(name);
    if (block) cache.insert(name, block);
    return block;
}

bool FileArchive::releaseFile(const std::string& name) {
    FileMemory* block = nullptr;
    if (!cache.find(name, block)) return false;
    cache.release(name);  // undoes the lookup's own reference
    if (!cache.release(name)) return false;
    delete block;
    return true;
}

bool FileArchive::fileExists(const std::string& name) {
    struct stat status;
    return ::stat(hostPath(name).c_str(), &status) == 0;
}

FileArchive::HandleKey FileArchive::keyOf(ResourceKind kind, uint32_t handle) {
    return (static_cast<HandleKey>(kind) << 32) | handle;
}

void FileArchive::registerHandle(ResourceKind kind, uint32_t handle, const std::string& name) {
    const std::string& stored = *internedNames.insert(name).first;
    handleFiles[keyOf(kind, handle)].push_back(&stored);
}

void FileArchive::unregisterHandle(ResourceKind kind, uint32_t handle) {
    const auto found = handleFiles.find(keyOf(kind, handle));
    if (found == handleFiles.end()) return;
    const std::vector<const std::string*> names = std::move(found->second);
    handleFiles.erase(found);
    for (const std::string* name : names) releaseFile(*name);
}

std::vector<std::string> FileArchive::heldFiles(ResourceKind kind, uint32_t handle) const {
    std::vector<std::string> names;
    const auto found = handleFiles.find(keyOf(kind, handle));
    if (found != handleFiles.end()) {
        for (const std::string* name : found->second) names.push_back(*name);
    }
    return names;
}

int32_t FileArchive::textureId(const std::string& name) {
    const auto [entry, added] = textureIds.emplace(name, nextTextureId);
    if (added) ++nextTextureId;
    return entry->second;
}

bool FileArchive::getAll(const std::vector<std::string>& names, std::vector<FileMemory*>& blocks) {
    blocks.clear();
    for (const std::string& name : names) {
        FileMemory* block = getFile(name);
        if (!block) {
            for (size_t i = blocks.size(); i-- > 0;) releaseFile(names[i]);
            blocks.clear();
            return false;
        }
        blocks.push_back(block);
    }
    return true;
}

void FileArchive::releaseAll(const std::vector<std::string>& names) {
    for (const std::string& name : names) releaseFile(name);
}

uint32_t FileArchive::settle(ResourceKind kind, uint32_t handle, const std::vector<std::string>& names) {
    if (handle == 0) {
        // The engine said why just before; this names the file it was made from.
        win32::log("resources: " + names.front() + " was refused by the engine, nothing was made of it");
        releaseAll(names);
        return 0;
    }
    for (const std::string& name : names) registerHandle(kind, handle, name);
    return handle;
}
