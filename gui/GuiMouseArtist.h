// The cursor's pictures of a skin and the factory that draws them.
#pragma once

#include <string>

class IPrimitiveFactory;

class GuiMouseArtist {
public:
    explicit GuiMouseArtist(IPrimitiveFactory* factory);
    virtual ~GuiMouseArtist() = default;
    virtual IPrimitiveFactory* getPrimitiveFactory() const { return factory; }

    IPrimitiveFactory* factory;
    std::string cursorPath = "default_res\\sprites\\cursor.x";
    std::string secondCursorPath = "default_res\\fontwhite\\font_62.x";
    std::string thirdCursorPath = "default_res\\fontwhite\\font_63.x";
};
