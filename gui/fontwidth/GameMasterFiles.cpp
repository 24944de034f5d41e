// The font-width editor's file side: reading and writing the width file, and making the
// edited font anew from it.
#include <sys/stat.h>

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>

#include "gui/GuiFont.h"
#include "gui/GuiResources.h"
#include "gui/fontwidth/GameMaster.h"
#include "persistence/SafeFile.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"
#include "platform/win32/hostpath.h"
#include "platform/win32/win32_host.h"

namespace WidEdit {

namespace {

bool isRegularFile(const std::string& hostFile) {
    struct stat status{};
    return stat(hostFile.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool readAll(const std::string& hostFile, std::string* bytes) {
    std::ifstream in(hostFile, std::ios::binary);
    if (!in) return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

void complain(const std::string& line) {
    win32::log(line);
    std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

bool GameMaster::loadWidthFile() {
    const std::string hostFile = hostPath(path_);
    std::string bytes;
    if (!isRegularFile(hostFile) || !readAll(hostFile, &bytes)) return false;
    iTextureMipLevelsSet(2);
    const uint32_t font = iFontCreate(path_.c_str(), camera_);
    iTextureMipLevelsSet(0);
    if (font == 0) return false;  // no texture beside it, say: the samples keep their font
    const uint32_t old = editedFont_->getEngineFont();
    editedFont_->setEngineFont(font);
    if (fontFromArchive_) guiDestroyFont(old);
    else iFontDestroy(old);
    fontFromArchive_ = false;
    widths_ = GuiFont::readWidths(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return true;
}

bool GameMaster::saveWidthFile() {
    const std::string hostFile = hostPath(path_);
    if (!isRegularFile(hostFile)) {
        complain("fontwidth: cannot save " + path_ + ": there is no such file");
        return false;
    }
    std::string text;
    for (int code = 0; code < 256; ++code) text += widthLine(code, widths_[static_cast<size_t>(code)]);
    try {
        replaceWholeFile(hostFile, text, path_);
    } catch (const std::exception& e) {
        complain("fontwidth: cannot save " + path_ + ": " + e.what());
        return false;
    }
    return true;
}

std::string GameMaster::widthLine(int code, float width) {
    std::string line = crt::gcvt(width, 4) + "0 //";
    if (code >= 32 && code <= 126) line += static_cast<char>(code);
    return line + "\n";
}

}  // namespace WidEdit
