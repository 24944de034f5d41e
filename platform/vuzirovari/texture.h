// A decoded texture, shared by every object that draws with it. The pixels stay in memory so
// the texture can be uploaded again to a new GL context.
#pragma once

#include <string>

#include "image.h"

namespace vuz {

class Texture {
public:
    // mipLevels as the engine's mip level setting was at creation: 1 = no mip maps,
    // n > 1 = n levels, 0 = the full chain.
    Texture(std::string name, Image image, int mipLevels);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    const std::string& name() const { return name_; }
    const Image& image() const { return image_; }
    int width() const { return image_.width; }
    int height() const { return image_.height; }
    int mipLevels() const { return mipLevels_; }
    bool hasMipMaps() const { return mipLevels_ != 1; }

    // The GL texture in the current context (serial from RenderWindow::contextSerial),
    // uploaded on first use there. 0 when it cannot be made.
    unsigned glTexture(unsigned contextSerial);

    static int liveCount();  // textures alive in the process

    // Some texel's alpha is below one half (such texels are cut out of opaque surfaces).
    bool hasCutOutTexels();

private:
    std::string name_;
    Image image_;
    int mipLevels_;
    unsigned gl_ = 0;
    unsigned glSerial_ = 0;
    int cutOut_ = -1;  // -1: not looked at yet
};

}  // namespace vuz
