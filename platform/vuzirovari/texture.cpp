#include "texture.h"

#include <epoxy/gl.h>

#include <utility>

#include "engine_state.h"

namespace vuz {

namespace {
int live = 0;
}

Texture::Texture(std::string name, Image image, int mipLevels)
    : name_(std::move(name)), image_(std::move(image)), mipLevels_(mipLevels < 0 ? 0 : mipLevels) {
    ++live;
}

Texture::~Texture() {
    --live;
    // A texture of an older context died with it; only the current one can be deleted.
    if (gl_ && glSerial_ == engine().window.contextSerial()) glDeleteTextures(1, &gl_);
}

int Texture::liveCount() { return live; }

bool Texture::hasCutOutTexels() {
    if (cutOut_ < 0) {
        cutOut_ = 0;
        for (size_t i = 3; i < image_.rgba.size(); i += 4)
            if (image_.rgba[i] < 128) {
                cutOut_ = 1;
                break;
            }
    }
    return cutOut_ == 1;
}

unsigned Texture::glTexture(unsigned contextSerial) {
    if (contextSerial == 0 || image_.empty()) return 0;
    if (gl_ && glSerial_ == contextSerial) return gl_;
    gl_ = 0;
    glGenTextures(1, &gl_);
    glSerial_ = contextSerial;
    glBindTexture(GL_TEXTURE_2D, gl_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Rows go up top row first, so texture coordinate v = 0 is the picture's top.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image_.width, image_.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image_.rgba.data());
    if (hasMipMaps()) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, mipLevels_ == 0 ? 1000 : mipLevels_ - 1);
        glGenerateMipmap(GL_TEXTURE_2D);
    } else {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    }
    return gl_;
}

}  // namespace vuz
