// One placed glyph sprite of sprite-mode text. A code whose font has no glyph draws the
// fall-back box with width 0.8.
#pragma once

#include "math/Vector2.h"

class GuiArtist;
class GuiFont;
class IRect;
class IPrimitiveFactory;

class GuiCharacter {
public:
    static constexpr const char* FallbackGlyph = "default_res\\fontwhite\\font_60.x";

    GuiCharacter(GuiArtist* artist, GuiFont* font, char code);
    virtual ~GuiCharacter();
    GuiCharacter(const GuiCharacter&) = delete;
    GuiCharacter& operator=(const GuiCharacter&) = delete;

    virtual bool isVisible() const { return visible; }
    virtual void hide();
    virtual void show();
    virtual const Vector2& getLocation() const { return location; }
    virtual void setLocation(const Vector2& location);
    virtual const Vector2& getSize() const { return size; }
    virtual void setSize(const Vector2& size);
    virtual float getWidth() const { return width; }  // advance in cell widths
    virtual void apply();                              // pushes place, size and visibility
    virtual int getOwner() const { return owner; }

private:
    int owner = 0;
    GuiArtist* artist;
    GuiFont* font;
    IPrimitiveFactory* factory = nullptr;
    IRect* sprite = nullptr;
    float width = 0.8f;
    Vector2 location;
    Vector2 size{1.0f, 1.0f};
    bool visible = true;
};
