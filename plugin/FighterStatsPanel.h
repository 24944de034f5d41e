// The editor's fighter statistics page: six levers sharing a budget of ten points.
#pragma once

#include "plugin/StatsPanel.h"

namespace Vortane::Tavek {

class FighterStatsPanel : public StatsPanel {
public:
    explicit FighterStatsPanel(GuiBlocks* skin);
};

}  // namespace Vortane::Tavek
