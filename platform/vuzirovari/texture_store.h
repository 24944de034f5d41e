// Where textures come from: shared by texture id (the game numbers its texture names), shared
// by file path, or private to one object. A texture lives while some object holds it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "texture.h"

namespace vuz {

class TextureStore {
public:
    // The texture of an id. When no live texture has the id, the bytes are decoded into a new
    // one; otherwise the bytes are not read at all. Null (with *error) when decoding fails.
    std::shared_ptr<Texture> byId(int id, const void* bytes, size_t size, const std::string& name, int mipLevels,
                                  std::string* error);
    // A live texture of an id, or null.
    std::shared_ptr<Texture> liveId(int id);
    // A picture file by game path, shared with other users of the same path.
    std::shared_ptr<Texture> fromFile(const std::string& gamePath, int mipLevels, std::string* error);
    // A texture of its own, not shared.
    static std::shared_ptr<Texture> decode(const void* bytes, size_t size, const std::string& name, int mipLevels,
                                           std::string* error);

    void clear();

private:
    std::map<int, std::weak_ptr<Texture>> ids_;
    std::map<std::string, std::weak_ptr<Texture>> files_;
};

// Reads a whole file by game path; false when it cannot be read.
bool readGameFile(const std::string& gamePath, std::string* bytes);

}  // namespace vuz
