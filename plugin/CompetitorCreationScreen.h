// The fighter editor: three pages (general information, fighter statistics, kick statistics)
// paged with "Back Options" and "Next Options" without wrapping round, and "Back" (or Esc) to
// leave. The values stay in the pages' widgets. The pages are drawn with the black font.
#pragma once

#include <memory>

#include "gui/PrettyScreen.h"
#include "plugin/BattleLink.h"

class GuiButton;

namespace Vortane::Tavek {

class FighterStatsPanel;
class GeneralInfoPanel;
class KickStatsPanel;
class MainGuiMasterEH;

class CompetitorCreationScreen : public PrettyScreen, public BattleLink {
public:
    CompetitorCreationScreen(GuiBlocks* skin, MainGuiMasterEH* owner);
    ~CompetitorCreationScreen() override;

    void tick() override;  // the screen's own tick, then a linked battle's
    void onLeave() override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    // The page shown: 1 general, 2 fighter statistics, 3 kick statistics.
    int getPageNumber() const;
    GeneralInfoPanel* getGeneralPage() const { return general_; }
    FighterStatsPanel* getFighterPage() const { return fighterStats_; }
    KickStatsPanel* getKickPage() const { return kickStats_; }
    GuiButton* getBackButton() const { return back_; }
    GuiButton* getBackOptionsButton() const { return backOptions_; }
    GuiButton* getNextOptionsButton() const { return nextOptions_; }

private:
    void showPage(int number);

    MainGuiMasterEH* owner_;
    std::unique_ptr<GuiBlocks> pageSkin_;
    GuiButton* back_ = nullptr;
    GeneralInfoPanel* general_ = nullptr;
    FighterStatsPanel* fighterStats_ = nullptr;
    KickStatsPanel* kickStats_ = nullptr;
    GuiButton* backOptions_ = nullptr;
    GuiButton* nextOptions_ = nullptr;
};

}  // namespace Vortane::Tavek
