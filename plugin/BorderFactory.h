// The plug-in's borders: always the four-line frame, never the super border. Style -1 draws no
// lines, style 1 takes the artist's second (white) line set, every other style the first (black).
#pragma once

#include "gui/GuiBorderFactory.h"

namespace Vortane {

class BorderFactory : public GuiBorderFactory {
public:
    std::unique_ptr<GuiBorderI> createBorder(GuiArtist* artist, int style) override;
};

}  // namespace Vortane
