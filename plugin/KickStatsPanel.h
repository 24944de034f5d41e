// The editor's kick statistics page: six levers sharing a budget of ten points.
#pragma once

#include "plugin/StatsPanel.h"

namespace Vortane::Tavek {

class KickStatsPanel : public StatsPanel {
public:
    explicit KickStatsPanel(GuiBlocks* skin);
};

}  // namespace Vortane::Tavek
