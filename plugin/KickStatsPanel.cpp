#include "plugin/KickStatsPanel.h"

namespace Vortane::Tavek {

KickStatsPanel::KickStatsPanel(GuiBlocks* skin)
    : StatsPanel(skin, {"AXE KICK", "ROUNDHOUSE", "FRONT HOOK", "PUSH KICK", "BACK KICK", "SPIN HOOK"}) {}

}  // namespace Vortane::Tavek
