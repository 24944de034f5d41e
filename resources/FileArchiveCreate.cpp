// FileArchive's create and destroy operations: which files each kind is made from, and
// what reaches the engine.
#include <cstdio>

#include "CompanionNames.h"
#include "FileArchive.h"

namespace {

// The glyph file of one character code: prefix + two lower-case hex digits + ".x".
std::string glyphName(const std::string& prefix, int code) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02x", code);
    return prefix + digits + ".x";
}

}  // namespace

uint32_t FileArchive::createSprite(const std::string& name, int owner, bool glyph) {
    const std::string texture = glyph ? fontsDdsCompanionName(name) : pngCompanionName(name);
    if (texture.empty()) return 0;
    const std::vector<std::string> names = {name, texture};
    std::vector<FileMemory*> blocks;
    if (!getAll(names, blocks)) return 0;
    const uint32_t sprite = engine.spriteCreate(blocks[0]->data, blocks[0]->size, blocks[1]->data,
                                                blocks[1]->size, textureId(texture), owner);
    return settle(ResourceKind::Sprite, sprite, names);
}

void FileArchive::destroySprite(uint32_t sprite) {
    unregisterHandle(ResourceKind::Sprite, sprite);
    engine.spriteDestroy(sprite);
}

uint32_t FileArchive::createSkinMesh(const std::string& name, const std::vector<std::string>& files) {
    std::vector<std::string> names = {name};
    names.insert(names.end(), files.begin(), files.end());
    std::vector<FileMemory*> blocks;
    if (!getAll(names, blocks)) return 0;

    std::vector<const void*> pointers;
    std::vector<uint32_t> sizes;
    for (size_t i = 1; i < blocks.size(); ++i) {
        pointers.push_back(blocks[i]->data);
        sizes.push_back(blocks[i]->size);
    }
    const uint32_t skinMesh = engine.skinMeshCreate(blocks[0]->data, blocks[0]->size,
                                                    pointers.empty() ? nullptr : pointers.data(),
                                                    sizes.empty() ? nullptr : sizes.data());
    return settle(ResourceKind::SkinMesh, skinMesh, names);
}

void FileArchive::destroySkinMesh(uint32_t skinMesh) {
    unregisterHandle(ResourceKind::SkinMesh, skinMesh);
    engine.skinMeshDestroy(skinMesh);
}

uint32_t FileArchive::createMesh(const std::string& name, const std::string& texture) {
    const std::string companion = texture.empty() ? pngCompanionName(name) : texture;
    if (companion.empty()) return 0;
    const std::vector<std::string> names = {name, companion};
    std::vector<FileMemory*> blocks;
    if (!getAll(names, blocks)) return 0;
    const uint32_t mesh = engine.meshCreate(blocks[0]->data, blocks[0]->size, blocks[1]->data,
                                            blocks[1]->size, textureId(companion));
    return settle(ResourceKind::Mesh, mesh, names);
}

uint32_t FileArchive::createShadowCasterMesh(const std::string& name, int body, float size) {
    FileMemory* block = getFile(name);
    if (!block) return 0;
    const uint32_t mesh = engine.shadowCasterCreate(block->data, block->size, body, size);
    return settle(ResourceKind::Mesh, mesh, {name});
}

void FileArchive::destroyMesh(uint32_t mesh) {
    unregisterHandle(ResourceKind::Mesh, mesh);
    engine.meshDestroy(mesh);
}

uint32_t FileArchive::createBody(const std::string& name) {
    const std::string collision = polCompanionName(name);
    if (collision.empty()) return 0;
    const std::vector<std::string> names = {name, collision};
    std::vector<FileMemory*> blocks;
    if (!getAll(names, blocks)) return 0;
    const uint32_t body = engine.bodyCreate(blocks[0]->data, blocks[0]->size, blocks[1]->data, blocks[1]->size);
    return settle(ResourceKind::Body, body, names);
}

uint32_t FileArchive::createBodySG(const std::string& name, float mass) {
    FileMemory* block = getFile(name);
    if (!block) return 0;
    const uint32_t body = engine.bodySGCreate(block->data, block->size, mass);
    return settle(ResourceKind::Body, body, {name});
}

void FileArchive::destroyBody(uint32_t body) {
    unregisterHandle(ResourceKind::Body, body);
    engine.bodyDestroy(body);
}

uint32_t FileArchive::createFont(const std::string& name, int owner) {
    const std::string texture = ddsCompanionName(name);
    if (texture.empty()) return 0;
    std::vector<std::string> names = {name, texture};
    std::vector<FileMemory*> blocks;
    if (!getAll(names, blocks)) return 0;

    // Glyph names have no length limit: they are built as strings.
    const std::string prefix = (name.size() > 4 ? name.substr(0, name.size() - 4) : std::string()) + "_";
    std::vector<const void*> glyphs(256, nullptr);
    std::vector<uint32_t> glyphSizes(256, 0);
    for (int code = 0; code < 256; ++code) {
        const std::string glyph = glyphName(prefix, code);
        if (FileMemory* block = findFile(glyph)) {
            glyphs[code] = block->data;
            glyphSizes[code] = block->size;
            names.push_back(glyph);
        }
    }
    const uint32_t font = engine.fontCreate(blocks[0]->data, blocks[0]->size, glyphs.data(), glyphSizes.data(),
                                            blocks[1]->data, blocks[1]->size, textureId(texture), owner);
    return settle(ResourceKind::Font, font, names);
}

void FileArchive::destroyFont(uint32_t font) {
    unregisterHandle(ResourceKind::Font, font);
    engine.fontDestroy(font);
}
