#include "plugin/CompetitorCreationScreen.h"

#include "gui/GuiBlocks.h"
#include "gui/GuiButton.h"
#include "gui/GuiFonts.h"
#include "gui/HighLevelEvent.h"
#include "plugin/FighterStatsPanel.h"
#include "plugin/GameMasterEH.h"
#include "plugin/GeneralInfoPanel.h"
#include "plugin/KickStatsPanel.h"
#include "plugin/MainGuiMasterEH.h"
#include "plugin/MenuButton.h"

namespace Vortane::Tavek {

namespace {

const Vector2 PagePlace{16.0f, 0.0f};

}  // namespace

CompetitorCreationScreen::CompetitorCreationScreen(GuiBlocks* skin, MainGuiMasterEH* owner)
    : PrettyScreen(owner->getGameMaster()->getGuiManager(), skin), owner_(owner) {
    pageSkin_ = std::make_unique<GuiBlocks>(*skin);
    pageSkin_->font = fontBlack;
    back_ = addMenuButton(this, skin, "Back", Vector2(1.0f, 10.0f));
    general_ = new GeneralInfoPanel(pageSkin_.get());
    fighterStats_ = new FighterStatsPanel(pageSkin_.get());
    kickStats_ = new KickStatsPanel(pageSkin_.get());
    for (GuiPanel* page : {static_cast<GuiPanel*>(general_), static_cast<GuiPanel*>(fighterStats_),
                           static_cast<GuiPanel*>(kickStats_)}) {
        addChild(page);
        page->setLocation(PagePlace);
    }
    backOptions_ = addMenuButton(this, skin, "Back Options", Vector2(6.0f, -10.0f));
    nextOptions_ = addMenuButton(this, skin, "Next Options", Vector2(20.0f, -10.0f));
    showPage(1);
}

CompetitorCreationScreen::~CompetitorCreationScreen() = default;

void CompetitorCreationScreen::tick() {
    PrettyScreen::tick();
    tickBattle();
}

void CompetitorCreationScreen::onLeave() { owner_->goBack(); }

void CompetitorCreationScreen::handleHighLevelEvent(HighLevelEvent& event) {
    PrettyScreen::handleHighLevelEvent(event);
    if (!event.actionPerformed) return;
    const int page = getPageNumber();
    if (event.source == back_) owner_->goBack();
    else if (event.source == nextOptions_ && page < 3) showPage(page + 1);
    else if (event.source == backOptions_ && page > 1) showPage(page - 1);
}

int CompetitorCreationScreen::getPageNumber() const {
    if (fighterStats_->isActive()) return 2;
    if (kickStats_->isActive()) return 3;
    return 1;
}

void CompetitorCreationScreen::showPage(int number) {
    GuiPanel* pages[3] = {general_, fighterStats_, kickStats_};
    for (int i = 0; i < 3; ++i) {
        if (i + 1 == number) pages[i]->activate();
        else pages[i]->deactivate();
    }
}

}  // namespace Vortane::Tavek
