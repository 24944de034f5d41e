// A line primitive: a sprite stretched to a length (along x) and a width, turned by an angle in
// degrees counter-clockwise about its location. Every setter re-applies the whole shape.
#pragma once

#include "gui/IPrimitive.h"

class ILine : public virtual IPrimitive {
public:
    virtual float getWidth() const = 0;
    virtual void setWidth(float width) = 0;
    virtual float getAngle() const = 0;
    virtual void setAngle(float degrees) = 0;
    virtual float getLength() const = 0;
    virtual void setLength(float length) = 0;
};
