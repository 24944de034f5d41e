// A decoded texture, shared by every object that draws with it. Once uploaded, the GPU holds the
// only copy of the pixels: they are read back when something asks for them, and before the GL
// context closes, so the texture can be uploaded again to a new one.
#pragma once

#include <cstddef>
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
    // The pixels, read back from the GPU when only it holds them.
    const Image& image();
    int width() const { return width_; }
    int height() const { return height_; }
    int mipLevels() const { return mipLevels_; }
    bool hasMipMaps() const { return mipLevels_ != 1; }

    // The GL texture in the current context (serial from RenderWindow::contextSerial),
    // uploaded on first use there. 0 when it cannot be made.
    unsigned glTexture(unsigned contextSerial);

    static int liveCount();  // textures alive in the process
    // Before the current GL context closes: every texture only it holds is read back.
    static void keepAllOffGpu();

    // Some texel's alpha is below one half (such texels are cut out of opaque surfaces).
    bool hasCutOutTexels();
    // Some texel is not fully opaque.
    bool hasSeeThroughTexels() const { return seeThrough_; }

private:
    std::string name_;
    Image image_;
    int mipLevels_;
    int width_, height_;
    unsigned gl_ = 0;
    unsigned glSerial_ = 0;
    bool onGpuOnly_ = false;  // the pixels were dropped after the upload
    bool cutOut_ = false;
    bool seeThrough_ = false;
    size_t liveIndex_ = 0;  // in the list of live textures
};

}  // namespace vuz
