#include "game/MainMenuScreen.h"

#include <string>

#include "app/GameMasterEH.h"
#include "game/MainGuiMasterEH.h"
#include "gui/GuiButton.h"

MainMenuScreen::MainMenuScreen(Tavek::MainGuiMasterEH* master, GuiBlocks* skin)
    : ShinyScreen(master->getGameMaster()->getGuiManager(), skin), master(master) {
    quickMatchButton = makeButton("Quick Match", "quickmatch", -0.5f, skin);
    championshipButton = makeButton("Championship", "championship", -2.5f, skin);
    gameOptionsButton = makeButton("Game Options", "options", -4.5f, skin);
    practiceButton = makeButton("Practice", "practice", -6.5f, skin);
    exitButton = makeButton("Exit Game", "exit", -8.5f, skin);
}

GuiButton* MainMenuScreen::makeButton(const char* caption, const char* pictureName, float y, GuiBlocks* skin) {
    const std::string stem = std::string("Tavek_res\\gui\\mainMenu\\main-dot-") + pictureName;
    const std::string pictures[2] = {stem + "-1.x", stem + "-2.x"};
    auto* button = new GuiButton(skin, -1, nullptr, nullptr, pictures, 2);
    addChild(button);
    button->setSquare(true);
    button->setLocation(Vector2(19.0f, y));
    button->setSize(Vector2(7.0f, 1.5f));
    button->setText(caption);
    button->setTextAlignment(3);
    button->setTextOffset(Vector2(2.0f, 0.0f));
    button->hideBackground();
    return button;
}

void MainMenuScreen::onLeave() {
    if (master) master->goBack();
}

void MainMenuScreen::handleHighLevelEvent(HighLevelEvent& event) {
    GuiPanel::handleHighLevelEvent(event);
    if (!event.actionPerformed || !master) return;
    if (event.source == exitButton) {
        onLeave();
    } else if (event.source == quickMatchButton) {
        master->startQuickMatch();
    } else if (event.source == championshipButton || event.source == practiceButton) {
        master->startChampionship();
    } else if (event.source == gameOptionsButton) {
        master->showGameSetup();
    }
}
