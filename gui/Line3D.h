// A line on a mesh in front of the camera: scaled to (length, width, 1) and turned by the angle
// about the view axis. Picked by the same box as the sprite line.
#pragma once

#include "gui/ILine.h"
#include "gui/Primitive3D.h"

class Line3D : public Primitive3D, public virtual ILine {
public:
    Line3D(const std::string& file, int owner, IPrimitiveFactory* factory);

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
