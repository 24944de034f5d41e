// What the two statistics pages share: six stepped levers (0 to 10 each) under a budget of ten
// points. A move that takes the six past the budget is pulled back to fit, and "POINTS LEFT"
// shows what remains (never below 0).
#pragma once

#include <array>
#include <string>

#include "plugin/PrettyPanel.h"

class GuiSuperLever;
class GuiText;

namespace Vortane::Tavek {

class StatsPanel : public PrettyPanel {
public:
    static constexpr int Budget = 10;

    // captions: the six levers' captions, top to bottom.
    StatsPanel(GuiBlocks* skin, const std::array<std::string, 6>& captions);

    // After passing the event up: the budget rule, for a change of one of the six levers.
    void handleHighLevelEvent(HighLevelEvent& event) override;

    GuiSuperLever* getLever(int index) const { return levers_.at(static_cast<size_t>(index)); }
    GuiText* getRemainingText() const { return remaining_; }

private:
    GuiText* addLabel(const std::string& text, float x, float y);

    std::array<GuiSuperLever*, 6> levers_{};
    GuiText* remaining_ = nullptr;
};

}  // namespace Vortane::Tavek
