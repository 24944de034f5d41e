// One extra picture of a component, placed at an offset from the component's location. While
// fit is set the component's refresh gives it the component's size.
#pragma once

#include <string>

#include "math/Vector2.h"

class IPrimitiveFactory;
class IRect;

class Picture {
public:
    Picture(IPrimitiveFactory* factory, const std::string& path);
    virtual ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    virtual void setSize(const Vector2& size);
    virtual Vector2 getSize() const;
    virtual void setLocation(const Vector2& location);
    virtual Vector2 getLocation() const;
    virtual void hide();
    virtual void applyVisibility();  // shown when visible is set
    // Only on a sprite primitive; anything else ignores them.
    virtual void setColour(float r, float g, float b, float a);
    virtual void setPriority(int priority);

    bool fit = true;
    bool visible = true;
    Vector2 offset;

private:
    IPrimitiveFactory* factory;
    IRect* sprite = nullptr;
};
