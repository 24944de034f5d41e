#include "texture_store.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "../win32/hostpath.h"

namespace vuz {

std::shared_ptr<Texture> TextureStore::decode(const void* bytes, size_t size, const std::string& name, int mipLevels,
                                              std::string* error) {
    Image image;
    if (!decodeImage(bytes, size, &image, error)) return nullptr;
    return std::make_shared<Texture>(name, std::move(image), mipLevels);
}

std::shared_ptr<Texture> TextureStore::liveId(int id) {
    auto it = ids_.find(id);
    if (it == ids_.end()) return nullptr;
    std::shared_ptr<Texture> texture = it->second.lock();
    if (!texture) ids_.erase(it);
    return texture;
}

std::shared_ptr<Texture> TextureStore::byId(int id, const void* bytes, size_t size, const std::string& name,
                                            int mipLevels, std::string* error) {
    if (std::shared_ptr<Texture> texture = liveId(id)) return texture;
    std::shared_ptr<Texture> texture = decode(bytes, size, name, mipLevels, error);
    if (texture) ids_[id] = texture;
    return texture;
}

std::shared_ptr<Texture> TextureStore::fromFile(const std::string& gamePath, int mipLevels, std::string* error) {
    auto it = files_.find(gamePath);
    if (it != files_.end()) {
        if (std::shared_ptr<Texture> texture = it->second.lock()) return texture;
        files_.erase(it);
    }
    std::string bytes;
    if (!readGameFile(gamePath, &bytes)) {
        *error = "cannot read \"" + gamePath + "\"";
        return nullptr;
    }
    std::shared_ptr<Texture> texture = decode(bytes.data(), bytes.size(), gamePath, mipLevels, error);
    if (texture) files_[gamePath] = texture;
    return texture;
}

void TextureStore::clear() {
    ids_.clear();
    files_.clear();
}

bool readGameFile(const std::string& gamePath, std::string* bytes) {
    if (gamePath.empty()) return false;
    std::ifstream in(hostPath(gamePath), std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    if (in.bad()) return false;
    *bytes = all.str();
    return true;
}

}  // namespace vuz
