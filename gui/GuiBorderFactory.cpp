#include "gui/GuiBorderFactory.h"

#include "gui/GuiArtist.h"
#include "gui/GuiBorder.h"
#include "gui/GuiSuperBorder.h"

std::unique_ptr<GuiBorderI> GuiBorderFactory::createBorder(GuiArtist* artist, int style) {
    if (!artist || style == -1) return std::make_unique<GuiBorder>(nullptr);
    if (style == 0) return std::make_unique<GuiSuperBorder>(&artist->firstBorderArtist);
    return std::make_unique<GuiBorder>(&artist->secondBorderArtist);
}
