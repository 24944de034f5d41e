#include "gui/Primitive2D.h"

#include "platform/vuzirovari/vuzirovari.h"
#include "gui/GuiResources.h"

Primitive2D::Primitive2D(const std::string& file, int owner, IPrimitiveFactory* factory, bool glyph)
    : factory(factory), owner(owner) {
    iTextureMipLevelsSet(1);
    sprite = guiCreateSprite(file, owner, glyph);
    iSpriteMipFilterModeSet(sprite, 0);
    iSpriteTextureModeSet(sprite, 3);
    iTextureMipLevelsSet(0);
    iSpriteLocationSet(sprite, &location);
}

Primitive2D::~Primitive2D() { guiDestroySprite(sprite); }

void Primitive2D::setLocation(const Vector2& newLocation) {
    location = newLocation;
    applyLocation();
}

bool Primitive2D::isPicked() { return iSpritePicked(sprite) != 0; }

void Primitive2D::show() { iSpriteShow(sprite); }

void Primitive2D::hide() { iSpriteHide(sprite); }

void Primitive2D::applyLocation() { iSpriteLocationSet(sprite, &location); }

void Primitive2D::release() {
    acquired = false;
    resetState();
}

void Primitive2D::resetState() {
    const iVector2 origin{0.0f, 0.0f}, unit{1.0f, 1.0f};
    iSpriteShow(sprite);
    iSpriteSet(sprite, &origin, 0.0f, &unit);
    iSpritePrioritySet(sprite, 0);
    iSpriteRenderModeSet(sprite, 5, 6);
    iSpriteColorSet(sprite, 1.0f, 1.0f, 1.0f, 1.0f);
    iSpriteMipFilterModeSet(sprite, 2);
    iSpriteTextureModeSet(sprite, 1);
}

void Primitive2D::setPriority(int priority) { iSpritePrioritySet(sprite, priority); }

void Primitive2D::setRenderMode(int source, int destination) { iSpriteRenderModeSet(sprite, source, destination); }

void Primitive2D::setColour(float r, float g, float b, float a) { iSpriteColorSet(sprite, r, g, b, a); }

void Primitive2D::setTexture(int textureId) { iSpriteTextureSet(sprite, textureId); }

void Primitive2D::resetTexture() { iSpriteTextureReset(sprite); }

void Primitive2D::swapTexture(uint32_t otherSprite) { iSpriteTextureSwap(sprite, otherSprite); }

void Primitive2D::changeTexture(const std::string& texture) { iSpriteTextureChange(sprite, texture.c_str()); }

void Primitive2D::changeAlphaTexture(const std::string& texture) { iSpriteAlphaTextureChange(sprite, texture.c_str()); }

void Primitive2D::setMipFilterMode(int mode) { iSpriteMipFilterModeSet(sprite, mode); }

void Primitive2D::setTextureMode(int mode) { iSpriteTextureModeSet(sprite, mode); }
