// The pictures of a skin's frames: four line pictures for a line border, eight pieces (edges and
// corners, from the top clockwise) for a super border.
#pragma once

#include <string>

class IPrimitiveFactory;

class GuiBorderArtist {
public:
    explicit GuiBorderArtist(IPrimitiveFactory* factory);
    virtual ~GuiBorderArtist() = default;
    virtual IPrimitiveFactory* getPrimitiveFactory() const { return factory; }

    IPrimitiveFactory* factory;
    std::string linePaths[4];
    // Top, Top-Right, Right, Bot-Right, Bot, Bot-Left, Left, Top-Left.
    std::string piecePaths[8];
};
