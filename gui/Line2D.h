// A line on a sprite: x scale = length, y scale = width, turned by the angle. Its pick box is
// [x, x + length] by [y, y + width] on the plane height my + 1, the angle ignored.
#pragma once

#include "gui/ILine.h"
#include "gui/Primitive2D.h"

class Line2D : public Primitive2D, public virtual ILine {
public:
    Line2D(const std::string& file, int owner, IPrimitiveFactory* factory);

    bool isPicked() override;
    void applyLocation() override;

    float getWidth() const override { return width; }
    void setWidth(float width) override;
    float getAngle() const override { return angle; }
    void setAngle(float degrees) override;
    float getLength() const override { return length; }
    void setLength(float length) override;

private:
    float width = 0.1f;
    float angle = 0.0f;
    float length = 1.0f;
};
