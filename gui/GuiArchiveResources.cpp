// The game's toolkit resources: everything through the resource archive.
#include "gui/GuiResources.h"

#include "resources/FileArchive.h"

uint32_t guiCreateSprite(const std::string& file, int owner, bool glyph) {
    return FileArchive::instance().createSprite(file, owner, glyph);
}

void guiDestroySprite(uint32_t sprite) { FileArchive::instance().destroySprite(sprite); }

uint32_t guiCreateMesh(const std::string& file) { return FileArchive::instance().createMesh(file, ""); }

void guiDestroyMesh(uint32_t mesh) { FileArchive::instance().destroyMesh(mesh); }

uint32_t guiCreateFont(const std::string& widthFile, int owner) {
    return FileArchive::instance().createFont(widthFile, owner);
}

void guiDestroyFont(uint32_t font) { FileArchive::instance().destroyFont(font); }

bool guiReadFile(const std::string& path, std::string* bytes) {
    FileArchive& files = FileArchive::instance();
    FileMemory* block = files.getFile(path);
    if (!block) return false;
    bytes->assign(reinterpret_cast<const char*>(block->data), block->size);
    files.releaseFile(path);
    return true;
}

bool guiFileExists(const std::string& path) { return FileArchive::instance().fileExists(path); }
