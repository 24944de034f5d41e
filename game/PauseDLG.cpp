#include "game/PauseDLG.h"

#include "app/GameMasterEH.h"
#include "game/MainGuiMasterEH.h"
#include "gui/GuiButton.h"
#include "gui/GuiText.h"
#include "gui/HighLevelEvent.h"
#include "resources/StartupTables.h"

namespace Tavek {

namespace {

// Places in dialog units (the dialog is 16 x 12 at the plane's (-8, 0)).
const Vector2 WindowPictureSize(19.625f, 9.75f);
const Vector2 TitlePlace(1.3125f, 2.0f);
const Vector2 ButtonSize(3.25f, 1.0f);
const Vector2 ForfeitPlace(10.3125f, -3.5f);
const Vector2 ResumePlace(15.3125f, -3.5f);

GuiManager* guiManagerOf(MainGuiMasterEH* master) {
    GameMasterEH* game = master ? master->getGameMaster() : nullptr;
    return game ? game->getGuiManager() : nullptr;
}

GuiButton* textButton(GuiBlocks* skin, const Vector2& place, const char* caption) {
    auto* button = new GuiButton(skin, -1, nullptr, nullptr, nullptr, 0);
    button->setSize(ButtonSize);
    button->setLocation(place);
    button->hideBackground();
    button->setText(caption);
    return button;
}

}  // namespace

PauseDLG::PauseDLG(MainGuiMasterEH* master, GuiBlocks* skin)
    : GuiDLG(guiManagerOf(master), skin, nullptr, 0), master_(master), skin_(skin) {
    hideBorder();
    hideBackground();

    window_ = new GuiPanel(skin_, -1, pauseDialogSprites.data(), static_cast<int>(pauseDialogSprites.size()), false);
    addChild(window_);
    window_->hideBackground();
    doLayout();

    title_ = new GuiText(skin_, -1, nullptr, 0, -1, nullptr);
    addChild(title_);
    title_->setEditable(false);
    title_->setTextAlignment(0);
    title_->setSize(Vector2(0.0f, 0.0f));
    title_->setLocation(TitlePlace);
    title_->setText("Game paused");

    forfeitButton_ = textButton(skin_, ForfeitPlace, "Forfeit");
    addChild(forfeitButton_);
    resumeButton_ = textButton(skin_, ResumePlace, "Resume");
    addChild(resumeButton_);
}

void PauseDLG::deactivate() {
    if (master_) master_->useMatchCursor();
    GuiDLG::deactivate();
}

void PauseDLG::activate() {
    if (master_) master_->useMenuCursor();
    GuiDLG::activate();
}

void PauseDLG::handleHighLevelEvent(HighLevelEvent& event) {
    GuiDLG::handleHighLevelEvent(event);
    if (!event.actionPerformed || !master_) return;
    CurrentMasterEH* current = nullptr;
    if (event.source == forfeitButton_) {
        current = master_->getCurrentMaster();
        if (current) current->forfeitMatch();
    } else if (event.source == resumeButton_) {
        current = master_->getCurrentMaster();
        if (current) current->resumeMatch();
    }
}

void PauseDLG::tick() { GuiDLG::tick(); }

void PauseDLG::doLayout() {
    window_->setSize(Vector2(32.0f, 24.0f));
    window_->setLocation(Vector2(0.0f, 0.0f));
    window_->setPartSize(0, WindowPictureSize);
    window_->setPartOffset(0, Vector2(0.0f, 0.0f));
}

}  // namespace Tavek
