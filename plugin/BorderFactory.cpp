#include "plugin/BorderFactory.h"

#include "gui/GuiArtist.h"
#include "gui/GuiBorder.h"

namespace Vortane {

std::unique_ptr<GuiBorderI> BorderFactory::createBorder(GuiArtist* artist, int style) {
    if (!artist || style == -1) return std::make_unique<GuiBorder>(nullptr);
    return std::make_unique<GuiBorder>(style == 1 ? &artist->secondBorderArtist : &artist->firstBorderArtist);
}

}  // namespace Vortane
