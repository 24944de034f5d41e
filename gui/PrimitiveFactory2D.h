// Makes the sprite primitives of the toolkit and owns them until they are handed back.
// Whatever is still held when the factory goes is destroyed with it.
#pragma once

#include <vector>

#include "gui/IPrimitiveFactory.h"

class Line2D;
class Rect2D;

class PrimitiveFactory2D : public IPrimitiveFactory {
public:
    explicit PrimitiveFactory2D(int owner);
    ~PrimitiveFactory2D() override;
    PrimitiveFactory2D(const PrimitiveFactory2D&) = delete;
    PrimitiveFactory2D& operator=(const PrimitiveFactory2D&) = delete;

    int getOwner() const override { return owner; }
    ILine* createLinePrimitive(const std::string& file) override;
    IRect* createRectPrimitive(const std::string& file, bool glyph) override;
    void destroyLine(ILine* line) override;
    void destroyRect(IRect* rect) override;
    void update() override {}

    virtual Line2D* createLine(const std::string& file);
    virtual Rect2D* createRect(const std::string& file, bool glyph);

    size_t lineCount() const { return lines.size(); }
    size_t rectCount() const { return rects.size(); }

private:
    int owner;
    std::vector<Line2D*> lines;
    std::vector<Rect2D*> rects;
};
