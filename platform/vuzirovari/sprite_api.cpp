// Sprites: made from a .x quad and a texture, placed in the 32 x 24 plane.
#include <memory>

#include "../win32/win32_host.h"
#include "engine_state.h"

using namespace vuz;

namespace {

Sprite* sprite(uint32_t handle) { return engine().sprites.get(handle); }

void refuse(const std::string& what, const std::string& reason) {
    win32::log("engine: " + what + " not made: " + reason);
}

}  // namespace

extern "C" {

uint32_t iSpriteCreateFromMemory(const void* x, uint32_t xSize, const void* texture, uint32_t textureSize,
                                 int textureId, int owner) {
    QuadShape shape;
    std::string error;
    if (!readQuadShape(x, xSize, &shape, &error)) {
        refuse("sprite", "its .x file: " + error);
        return 0;
    }
    std::string name = shape.textureFile.empty() ? "texture " + std::to_string(textureId) : shape.textureFile;
    std::shared_ptr<Texture> picture =
        engine().textures.byId(textureId, texture, textureSize, name, session().mipLevels, &error);
    if (!picture) {
        refuse("sprite", "its texture: " + error);
        return 0;
    }
    return engine().sprites.add(std::make_unique<Sprite>(std::move(shape), std::move(picture), textureId, owner));
}

void iSpriteDestroy(uint32_t handle) { engine().sprites.remove(handle); }

void iSpriteShow(uint32_t handle) {
    if (Sprite* s = sprite(handle)) s->visible = true;
}

void iSpriteHide(uint32_t handle) {
    if (Sprite* s = sprite(handle)) s->visible = false;
}

void iSpriteSet(uint32_t handle, const iVector2* location, float angle, const iVector2* scale) {
    Sprite* s = sprite(handle);
    if (!s) return;
    if (location) s->location = *location;
    s->angle = angle;
    if (scale) s->scale = *scale;
}

void iSpriteLocationSet(uint32_t handle, const iVector2* location) {
    if (Sprite* s = sprite(handle); s && location) s->location = *location;
}

void iSpriteScaleSet(uint32_t handle, const iVector2* scale) {
    if (Sprite* s = sprite(handle); s && scale) s->scale = *scale;
}

void iSpriteOrientationSet(uint32_t handle, float angle) {
    if (Sprite* s = sprite(handle)) s->angle = angle;
}

void iSpriteColorSet(uint32_t handle, float r, float g, float b, float a) {
    if (Sprite* s = sprite(handle)) s->colour = {r, g, b, a};
}

void iSpritePrioritySet(uint32_t handle, int priority) {
    if (Sprite* s = sprite(handle)) s->priority = priority;
}

void iSpriteRenderModeSet(uint32_t handle, int source, int destination) {
    Sprite* s = sprite(handle);
    if (!s) return;
    s->blendSource = validBlendFactor(source) ? source : BlendSourceAlpha;
    s->blendTarget = validBlendFactor(destination) ? destination : BlendInverseSourceAlpha;
}

void iSpriteMipFilterModeSet(uint32_t handle, int mode) {
    if (Sprite* s = sprite(handle)) s->mipFilterMode = mode;
}

void iSpriteTextureModeSet(uint32_t handle, int mode) {
    if (Sprite* s = sprite(handle)) s->textureMode = mode;
}

int iSpritePicked(uint32_t handle) {
    Sprite* s = sprite(handle);
    if (!s || !s->visible) return 0;
    // The pointer's own pixel lies half a unit above the height iMouseY reports.
    float x = 32.0f * iMouseX() - 16.0f;
    float y = 12.0f - 24.0f * iMouseY() + 0.5f;
    return s->covers(x, y) ? 1 : 0;
}

void iSpriteTextureSet(uint32_t handle, int textureId) {
    Sprite* s = sprite(handle);
    if (!s) return;
    if (std::shared_ptr<Texture> texture = engine().textures.liveId(textureId)) s->texture = texture;
    else win32::log("engine: no texture " + std::to_string(textureId) + " to put on a sprite");
}

void iSpriteTextureReset(uint32_t handle) {
    if (Sprite* s = sprite(handle)) s->texture = s->createdTexture;
}

void iSpriteTextureSwap(uint32_t handle, uint32_t other) {
    Sprite* a = sprite(handle);
    Sprite* b = sprite(other);
    if (a && b) std::swap(a->texture, b->texture);
}

void iSpriteTextureChange(uint32_t handle, const char* texturePath) {
    Sprite* s = sprite(handle);
    if (!s || !texturePath) return;
    std::string error;
    if (std::shared_ptr<Texture> texture = engine().textures.fromFile(texturePath, session().mipLevels, &error))
        s->texture = texture;
    else win32::log("engine: sprite texture unchanged: " + error);
}

void iSpriteAlphaTextureChange(uint32_t handle, const char* texturePath) {
    Sprite* s = sprite(handle);
    if (!s || !texturePath || !s->texture) return;
    std::string error;
    std::shared_ptr<Texture> mask = engine().textures.fromFile(texturePath, 1, &error);
    if (!mask) {
        win32::log("engine: sprite alpha unchanged: " + error);
        return;
    }
    // The mask is stretched over the picture; its red channel becomes the alpha.
    Image image = s->texture->image();
    const Image& m = mask->image();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            size_t mx = static_cast<size_t>(x) * m.width / image.width, my = static_cast<size_t>(y) * m.height / image.height;
            image.rgba[(static_cast<size_t>(y) * image.width + x) * 4 + 3] = m.rgba[(my * m.width + mx) * 4];
        }
    s->texture = std::make_shared<Texture>(s->texture->name() + " + " + texturePath, std::move(image),
                                           s->texture->mipLevels());
}

}  // extern "C"
