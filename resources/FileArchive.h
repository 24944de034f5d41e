// The one resource resolver of the game. Every engine object made from resource files
// (sprite, mesh, shadow caster, skinned mesh, body, body group, font) is created here: each
// file is resolved through the cache, then the packed archive graphics.qmx, then the loose
// file; the companion files the kind needs are found by name; all the bytes go to the engine.
// The new handle holds one cache reference per file it was made from until it is destroyed
// here, so a file stays in memory exactly as long as some object made from it exists.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "DataCache.h"
#include "FileMemory.h"
#include "FilesystemLoader.h"
#include "ResourceEngine.h"
#include "SevenZipLoader.h"

// The engine numbers each kind of object on its own, so a sprite and a font may share a
// handle value: the registry keeps every kind apart.
enum class ResourceKind : uint32_t { Sprite, SkinMesh, Mesh, Body, Font };

class FileArchive {
public:
    // The game's archive over graphics.qmx in the working directory, created on first use and
    // kept until the process ends.
    static FileArchive& instance();

    // A separate archive, for tools and tests.
    explicit FileArchive(const std::string& archivePath = "graphics.qmx",
                         const ResourceEngine& engine = vuzirovariResourceEngine());

    // The block of a file, or null when neither the archive nor the disk has it (logged once per
    // name). On success the caller holds one reference and gives it back with releaseFile().
    virtual FileMemory* getFile(const std::string& name);
    // Gives back one reference; true when it was the last and the block was freed.
    virtual bool releaseFile(const std::string& name);
    // True when the name exists on disk; the cache and the archive are not consulted.
    virtual bool fileExists(const std::string& name);

    // name.x with name.png, or with the folder's fonts.dds for a glyph sprite.
    virtual uint32_t createSprite(const std::string& name, int owner, bool glyph);
    virtual void destroySprite(uint32_t sprite);
    // name.x with further files (the texture slots) in order; none passes two null arrays.
    virtual uint32_t createSkinMesh(const std::string& name, const std::vector<std::string>& files);
    virtual void destroySkinMesh(uint32_t skinMesh);
    // name.x with the texture given, or name.png when texture is "".
    virtual uint32_t createMesh(const std::string& name, const std::string& texture);
    virtual uint32_t createShadowCasterMesh(const std::string& name, int body, float size);
    virtual void destroyMesh(uint32_t mesh);  // both mesh kinds
    // name.ply with name.pol.
    virtual uint32_t createBody(const std::string& name);
    virtual uint32_t createBodySG(const std::string& name, float mass);
    virtual void destroyBody(uint32_t body);  // both body kinds
    // name.wid with name.dds and the glyphs name_00.x ... name_ff.x (missing glyphs are allowed).
    virtual uint32_t createFont(const std::string& name, int owner);
    virtual void destroyFont(uint32_t font);

    // Frees whatever is still cached (only archives made for tools and tests are ever destroyed).
    virtual ~FileArchive();
    FileArchive(const FileArchive&) = delete;
    FileArchive& operator=(const FileArchive&) = delete;

    // Releases every file the handle holds, in the order they were registered; nothing for a
    // handle that holds none.
    virtual void unregisterHandle(ResourceKind kind, uint32_t handle);
    // Records that the handle holds one reference on the named file.
    virtual void registerHandle(ResourceKind kind, uint32_t handle, const std::string& name);
    // The id of a texture name: 0, 1, 2, ... in order of first request, never reused or forgotten.
    virtual int32_t textureId(const std::string& name);

    // Bookkeeping views.
    const DataCache<FileMemory*>& files() const { return cache; }
    std::vector<std::string> heldFiles(ResourceKind kind, uint32_t handle) const;
    const SevenZipLoader& packedArchive() const { return *archiveLoader; }

private:
    using HandleKey = uint64_t;
    static HandleKey keyOf(ResourceKind kind, uint32_t handle);

    // getFile without the log line, for files that may be missing (a font's glyphs).
    FileMemory* findFile(const std::string& name);
    // Resolves every name in order; on the first missing one releases those resolved so far,
    // the latest first, and returns false.
    bool getAll(const std::vector<std::string>& names, std::vector<FileMemory*>& blocks);
    void releaseAll(const std::vector<std::string>& names);
    // Registers every name for a non-zero handle, else releases them all; returns the handle.
    uint32_t settle(ResourceKind kind, uint32_t handle, const std::vector<std::string>& names);

    std::unique_ptr<FilesystemLoader> filesystemLoader;
    std::unique_ptr<SevenZipLoader> archiveLoader;
    DataCache<FileMemory*> cache;  // keyed by the name exactly as the caller gives it
    std::unordered_map<std::string, int32_t> textureIds;
    std::unordered_map<HandleKey, std::vector<const std::string*>> handleFiles;
    std::unordered_set<std::string> namedMissing;   // missing files already logged
    std::unordered_set<std::string> internedNames;  // never shrinks: handleFiles points into it
    int32_t nextTextureId = 0;
    const ResourceEngine& engine;
};
