#include "plugin/FighterStatsPanel.h"

namespace Vortane::Tavek {

FighterStatsPanel::FighterStatsPanel(GuiBlocks* skin)
    : StatsPanel(skin, {"STAMINA", "POWER", "DEFENSE", "FOOTWORK", "SPEED", "TRAINING"}) {}

}  // namespace Vortane::Tavek
