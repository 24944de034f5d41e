// A primitive drawn as one engine sprite, made from a resource file through the archive and
// given back to it on destruction. Only its factory makes and deletes one.
#pragma once

#include <cstdint>
#include <string>

#include "gui/IPrimitive.h"

class IPrimitiveFactory;

class Primitive2D : public virtual IPrimitive {
public:
    Primitive2D(const std::string& file, int owner, IPrimitiveFactory* factory, bool glyph);
    ~Primitive2D() override;
    Primitive2D(const Primitive2D&) = delete;
    Primitive2D& operator=(const Primitive2D&) = delete;

    const Vector2& getLocation() const override { return location; }
    void setLocation(const Vector2& location) override;
    bool isPicked() override;  // the engine's own test of the drawn quad
    int getOwner() const override { return owner; }
    void show() override;
    void hide() override;
    void applyLocation() override;
    bool isAcquired() const override { return acquired; }
    void acquire() override { acquired = true; }
    void release() override;
    void resetState() override;
    void setPriority(int priority) override;

    // Sprite-only settings, passed straight to the engine.
    virtual void setRenderMode(int source, int destination);
    virtual void setColour(float r, float g, float b, float a);
    virtual void setTexture(int textureId);
    virtual void resetTexture();
    virtual void swapTexture(uint32_t otherSprite);
    virtual void changeTexture(const std::string& texture);
    virtual void changeAlphaTexture(const std::string& texture);
    virtual void setMipFilterMode(int mode);
    virtual void setTextureMode(int mode);

    uint32_t getSprite() const { return sprite; }
    IPrimitiveFactory* getFactory() const { return factory; }

protected:
    Vector2 location;
    IPrimitiveFactory* factory;
    bool acquired = false;
    int owner;
    uint32_t sprite = 0;
};
