// One drawn piece of the toolkit (a sprite today): a line or a rectangle, made and destroyed
// by its factory. The location is the left edge and the vertical middle, in plane units.
#pragma once

#include "math/Vector2.h"

class IPrimitive {
public:
    virtual ~IPrimitive() = default;
    virtual const Vector2& getLocation() const = 0;
    virtual void setLocation(const Vector2& location) = 0;  // stores, then applyLocation
    virtual bool isPicked() = 0;                            // the pointer is over it
    virtual int getOwner() const = 0;
    virtual void show() = 0;  // at once; the primitive keeps no visibility of its own
    virtual void hide() = 0;
    virtual void applyLocation() = 0;  // pushes location and shape to the engine
    virtual bool isAcquired() const = 0;
    virtual void acquire() = 0;
    virtual void release() = 0;     // clears the mark, then resetState
    virtual void resetState() = 0;  // shown, untransformed, white, priority 0; keeps the stored shape
    virtual void setPriority(int priority) = 0;
};
