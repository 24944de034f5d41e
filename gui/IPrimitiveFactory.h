// Makes, keeps and destroys the primitives of one family. Widgets only ever ask a factory for
// an ILine or an IRect and hand it back here when they are done; the factory owns them.
#pragma once

#include <string>

class ILine;
class IRect;

class IPrimitiveFactory {
public:
    virtual ~IPrimitiveFactory() = default;
    virtual int getOwner() const = 0;  // the camera the primitives are made for
    virtual ILine* createLinePrimitive(const std::string& file) = 0;
    // glyph: the picture is the font atlas (fonts.dds) of the file's folder.
    virtual IRect* createRectPrimitive(const std::string& file, bool glyph) = 0;
    // A pointer this factory does not hold (never made here, or already destroyed) is ignored.
    virtual void destroyLine(ILine* line) = 0;
    virtual void destroyRect(IRect* rect) = 0;
    virtual void update() = 0;  // once a frame
};
