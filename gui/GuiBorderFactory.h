// Makes the border a component's style asks for: -1 (or no artist) a frame that draws nothing,
// 0 the eight-piece frame, anything else the four-line frame.
#pragma once

#include <memory>

#include "gui/GuiBorderI.h"

class GuiArtist;

class GuiBorderFactory {
public:
    virtual ~GuiBorderFactory() = default;
    virtual std::unique_ptr<GuiBorderI> createBorder(GuiArtist* artist, int style);
};
