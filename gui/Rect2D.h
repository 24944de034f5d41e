// A rectangle on a sprite: scale = size. Picked exactly where it is drawn (see PointerPlane.h).
#pragma once

#include "gui/IRect.h"
#include "gui/Primitive2D.h"

class Rect2D : public Primitive2D, public virtual IRect {
public:
    Rect2D(const std::string& file, int owner, IPrimitiveFactory* factory, bool glyph);

    bool isPicked() override;
    void applyLocation() override;

    const Vector2& getSize() const override { return size; }
    void setSize(const Vector2& size) override;
    float getExtra() const override { return extra; }
    void setExtra(float extra) override;

private:
    Vector2 size{1.0f, 1.0f};
    float extra = 0.0f;
};
