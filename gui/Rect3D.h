// A rectangle on a mesh in front of the camera: scaled to (size.x, size.y, 1). Picked by the
// same box as the sprite rectangle.
#pragma once

#include "gui/IRect.h"
#include "gui/Primitive3D.h"

class Rect3D : public Primitive3D, public virtual IRect {
public:
    Rect3D(const std::string& file, int owner, IPrimitiveFactory* factory);

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
