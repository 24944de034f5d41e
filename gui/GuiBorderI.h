// A frame around a component's rectangle (location = left edge and vertical middle). Setters
// act only on a change and then redraw the frame; a component owns its border.
#pragma once

#include "math/Vector2.h"

class GuiBorderArtist;

class GuiBorderI {
public:
    virtual ~GuiBorderI() = default;
    virtual GuiBorderArtist* getArtist() const = 0;  // null: a frame that draws nothing
    virtual void setLineWidth(float width) = 0;
    virtual float getLineWidth() const = 0;
    virtual const Vector2& getLocation() const = 0;
    virtual void setLocation(const Vector2& location) = 0;
    virtual const Vector2& getSize() const = 0;
    virtual void setSize(const Vector2& size) = 0;
    virtual bool isShown() const = 0;
    virtual void hide() = 0;
    virtual void show() = 0;
    virtual void refresh() = 0;
};
