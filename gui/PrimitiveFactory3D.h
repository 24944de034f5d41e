// Makes the mesh primitives of the toolkit for one camera and owns them until they are handed
// back. They follow the camera, so update re-places every one of them each frame. Whatever is
// still held when the factory goes is destroyed with it.
#pragma once

#include <vector>

#include "gui/IPrimitiveFactory.h"

class Line3D;
class Rect3D;

class PrimitiveFactory3D : public IPrimitiveFactory {
public:
    explicit PrimitiveFactory3D(int owner);
    ~PrimitiveFactory3D() override;
    PrimitiveFactory3D(const PrimitiveFactory3D&) = delete;
    PrimitiveFactory3D& operator=(const PrimitiveFactory3D&) = delete;

    int getOwner() const override { return owner; }
    ILine* createLinePrimitive(const std::string& file) override;
    // Meshes have no glyph form: the flag is not passed on.
    IRect* createRectPrimitive(const std::string& file, bool glyph) override;
    void destroyLine(ILine* line) override;
    void destroyRect(IRect* rect) override;
    void update() override;  // every line, then every rectangle, re-placed

    virtual Line3D* createLine(const std::string& file);
    virtual Rect3D* createRect(const std::string& file, bool glyph);  // the flag is ignored

    size_t lineCount() const { return lines.size(); }
    size_t rectCount() const { return rects.size(); }

private:
    int owner;
    std::vector<Line3D*> lines;
    std::vector<Rect3D*> rects;
};
