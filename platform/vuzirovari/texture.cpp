#include "texture.h"

#include <epoxy/gl.h>

#include <utility>
#include <vector>

#include "engine_state.h"

namespace vuz {

namespace {

std::vector<Texture*>& liveTextures() {
    static std::vector<Texture*> live;
    return live;
}

}  // namespace

Texture::Texture(std::string name, Image image, int mipLevels)
    : name_(std::move(name)), image_(std::move(image)), mipLevels_(mipLevels < 0 ? 0 : mipLevels),
      width_(image_.width), height_(image_.height) {
    for (size_t i = 3; i < image_.rgba.size() && !cutOut_; i += 4) {
        seeThrough_ = seeThrough_ || image_.rgba[i] < 255;
        cutOut_ = image_.rgba[i] < 128;
    }
    liveIndex_ = liveTextures().size();
    liveTextures().push_back(this);
    // With a GL context the picture goes to the GPU at once, so no two copies pile up while a
    // level loads.
    if (unsigned serial = engine().window.contextSerial()) glTexture(serial);
}

Texture::~Texture() {
    std::vector<Texture*>& live = liveTextures();
    live[liveIndex_] = live.back();
    live[liveIndex_]->liveIndex_ = liveIndex_;
    live.pop_back();
    // A texture of an older context died with it; only the current one can be deleted.
    if (gl_ && glSerial_ == engine().window.contextSerial()) glDeleteTextures(1, &gl_);
}

int Texture::liveCount() { return static_cast<int>(liveTextures().size()); }

bool Texture::hasCutOutTexels() { return cutOut_; }

const Image& Texture::image() {
    if (onGpuOnly_) {
        onGpuOnly_ = false;
        image_.width = width_;
        image_.height = height_;
        image_.rgba.assign(static_cast<size_t>(width_) * height_ * 4, 0);
        if (gl_ && glSerial_ == engine().window.contextSerial()) {
            glBindTexture(GL_TEXTURE_2D, gl_);
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image_.rgba.data());
            glBindTexture(GL_TEXTURE_2D, 0);
        }
    }
    return image_;
}

void Texture::keepAllOffGpu() {
    unsigned serial = engine().window.contextSerial();
    for (Texture* t : liveTextures())
        if (t->onGpuOnly_ && t->glSerial_ == serial) t->image();
}

unsigned Texture::glTexture(unsigned contextSerial) {
    if (contextSerial == 0 || width_ <= 0 || height_ <= 0) return 0;
    if (gl_ && glSerial_ == contextSerial) return gl_;
    if (onGpuOnly_) return 0;  // its context closed without reading it back: nothing to upload
    gl_ = 0;
    glGenTextures(1, &gl_);
    glSerial_ = contextSerial;
    glBindTexture(GL_TEXTURE_2D, gl_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Rows go up top row first, so texture coordinate v = 0 is the picture's top.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE, image_.rgba.data());
    if (hasMipMaps()) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, mipLevels_ == 0 ? 1000 : mipLevels_ - 1);
        glGenerateMipmap(GL_TEXTURE_2D);
    } else {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    }
    // The GPU keeps the picture from here on.
    image_.rgba = std::vector<uint8_t>();
    onGpuOnly_ = true;
    return gl_;
}

}  // namespace vuz
