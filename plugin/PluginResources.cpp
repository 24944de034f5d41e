// The toolkit's resources inside the plug-in: everything by file path through the engine's
// table (the plug-in has no archive), file bytes straight from disk.
#include <fstream>
#include <iterator>

#include "gui/GuiResources.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/hostpath.h"

// A glyph quad has no path form of its own: the pack keeps a picture beside each one the
// toolkit makes, so it is made like any sprite.
uint32_t guiCreateSprite(const std::string& file, int owner, bool) {
    return iSpriteCreate(file.c_str(), owner);
}

void guiDestroySprite(uint32_t sprite) { iSpriteDestroy(sprite); }

uint32_t guiCreateMesh(const std::string& file) { return iMeshCreate(file.c_str()); }

void guiDestroyMesh(uint32_t mesh) { iMeshDestroy(mesh); }

// Only a width file that opens as a text stream gets an engine font.
uint32_t guiCreateFont(const std::string& widthFile, int owner) {
    if (widthFile.empty() || !std::ifstream(hostPath(widthFile))) return 0;
    return iFontCreate(widthFile.c_str(), static_cast<uint32_t>(owner));
}

void guiDestroyFont(uint32_t font) { iFontDestroy(font); }

bool guiReadFile(const std::string& path, std::string* bytes) {
    std::ifstream in(hostPath(path), std::ios::binary);
    if (!in) return false;
    std::string read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    *bytes = std::move(read);
    return true;
}

bool guiFileExists(const std::string& path) { return iFileExists(path.c_str()) != 0; }
