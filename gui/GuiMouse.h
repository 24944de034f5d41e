// The game's own mouse pointer: three cursor pictures drawn over every other sprite, at most one
// shown (type 0 the arrow, 1 and 2 the glyph cursors, 3 none, any other keeps what is shown),
// kept on the engine's pointer by update() once a frame.
#pragma once

#include "math/Vector2.h"

class GuiMouseArtist;
class IRect;

class GuiMouse {
public:
    explicit GuiMouse(GuiMouseArtist* artist);
    virtual ~GuiMouse();
    GuiMouse(const GuiMouse&) = delete;
    GuiMouse& operator=(const GuiMouse&) = delete;

    // Follows the pointer: the arrow's tip (the pictures' left edge, vertical middle) on it.
    virtual void update();
    virtual int getMode() const { return mode; }
    virtual void setMode(int mode);
    virtual Vector2 getCursorLocation() const;
    virtual Vector2 getSize() const { return size; }
    virtual int getFactoryOwner() const { return factoryOwner; }
    virtual GuiMouseArtist* getArtist() const { return artist; }
    virtual void refresh();
    virtual void setPosition(const Vector2& position);

private:
    int mode = 0;
    Vector2 size{1.0f, 1.0f};
    Vector2 position;
    int factoryOwner = 0;
    GuiMouseArtist* artist;
    IRect* cursors[3] = {nullptr, nullptr, nullptr};
};
