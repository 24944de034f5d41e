// A rectangle primitive: a textured quad of a size in plane units. The extra value is kept for
// callers and changes nothing drawn.
#pragma once

#include "gui/IPrimitive.h"

class IRect : public virtual IPrimitive {
public:
    virtual const Vector2& getSize() const = 0;
    virtual void setSize(const Vector2& size) = 0;
    virtual float getExtra() const = 0;
    virtual void setExtra(float extra) = 0;
};
