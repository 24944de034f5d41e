#include "game/GameSetupScreen.h"

#include <string>
#include <vector>

#include "app/GameMasterEH.h"
#include "game/MainGuiMasterEH.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiButton.h"
#include "gui/GuiFonts.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSuperLever.h"
#include "resources/StartupTables.h"
#include "state/OptionsBase.h"

namespace {

constexpr int NoInitialValue = -1;

const std::string selectorPicture = "Tavek_res\\gui\\quickMatchScreen\\00_background_sample.x";

// The caption panel's nine pictures: header, title band, then one caption per selector.
const struct {
    Vector2 size, offset;
} captionLayout[] = {
    {{6.4f, 1.25f}, {1.0f, 10.5f}},       {{30.0f, 1.5f}, {1.0f, 10.5f}},
    {{4.4375f, 0.35f}, {13.8125f, 7.0f}}, {{1.5938f, 0.35f}, {15.2031f, 4.5f}},
    {{3.75f, 0.35f}, {9.0f, 2.0f}},       {{6.25f, 0.35f}, {18.0f, 2.0f}},
    {{5.625f, 0.35f}, {13.1875f, -0.5f}}, {{4.375f, 0.35f}, {13.8125f, -3.0f}},
    {{6.25f, 0.35f}, {12.875f, -5.5f}},
};

const std::vector<std::string> difficultyCaptions = {"Easy", "Medium", "Hard", "Impossible"};
const std::vector<std::string> rulesCaptions = {"Standard", "Official", "Brawl"};
const std::vector<std::string> volumeCaptions = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
const std::vector<std::string> controllerCaptions = {"Keyboard", "Gamepad"};
const std::vector<std::string> rumbleCaptions = {"Off", "On"};
const std::vector<std::string> cameraCaptions = {"Normal", "Close up"};

void setCaption(GuiSuperLever* lever, const std::vector<std::string>& captions) {
    const int value = lever->getIntValue();
    if (value >= 0 && value < static_cast<int>(captions.size())) lever->setText(captions[static_cast<size_t>(value)]);
}

}  // namespace

GameSetupScreen::GameSetupScreen(Tavek::MainGuiMasterEH* master, GuiBlocks* skin)
    : ShinyScreen(master->getGameMaster()->getGuiManager(), skin), master(master) {
    setPartOneVisible(false);
    setPartTwoVisible(false);
    captionPanel =
        new GuiPanel(skin, -1, optionScreenSprites.data(), static_cast<int>(optionScreenSprites.size()), false);
    addChild(captionPanel);
    captionPanel->hideBackground();
    selectorSkin = std::make_unique<GuiBlocks>(*skin);
    selectorSkin->font = fontWhite30;
    layoutParts();

    difficultyLever = makeSelector(Vector2(11.925f, 6.0f), 3, 1, "Medium");
    rulesLever = makeSelector(Vector2(11.925f, 3.5f), 2, 0, "Standard");
    fightVolumeLever = makeSelector(Vector2(7.0f, 1.0f), 10, 0, "0");
    arenaVolumeLever = makeSelector(Vector2(16.85f, 1.0f), 10, 0, "0");
    controllerLever = makeSelector(Vector2(11.925f, -1.5f), 1, 1, "Gamepad");
    rumbleLever = makeSelector(Vector2(11.925f, -4.0f), 1, 0, "Off");
    cameraLever = makeSelector(Vector2(11.925f, -6.5f), 1, NoInitialValue, "Normal");

    backButton = makeButton("button_back1.x", "button_back2.x", 2.0f, skin);
    saveButton = makeButton("button_save1.x", "button_save2.x", 26.0f, skin);
}

GuiSuperLever* GameSetupScreen::makeSelector(const Vector2& location, int maximum, int initialValue,
                                             const char* caption) {
    auto* lever = new GuiSuperLever(selectorSkin.get(), -1, &selectorPicture, 1, nullptr);
    addChild(lever);
    lever->setSize(Vector2(8.15f, 1.0f));
    lever->setLocation(location);
    lever->setShowsValue(false);
    lever->setMaximum(maximum);
    lever->setMinimum(0);
    lever->deactivateLever(0);
    lever->hideBackground();
    lever->setTextAlignment(1);
    if (initialValue != NoInitialValue) lever->setIntValue(initialValue);
    lever->setText(caption);
    return lever;
}

GuiButton* GameSetupScreen::makeButton(const char* upName, const char* downName, float x, GuiBlocks* skin) {
    const std::string folder = "Tavek_res\\gui\\optionScreen\\";
    const std::string up = folder + upName, down = folder + downName;
    auto* button = new GuiButton(skin, -1, &up, &down, nullptr, 0);
    addChild(button);
    button->setSize(Vector2(3.25f, 1.0f));
    button->setLocation(Vector2(x, -10.5f));
    button->hideBackground();
    return button;
}

void GameSetupScreen::layoutParts() {
    captionPanel->setSize(Vector2(32.0f, 24.0f));
    captionPanel->setLocation(Vector2(0.0f, 0.0f));
    for (int i = 0; i < static_cast<int>(std::size(captionLayout)); ++i) {
        captionPanel->setPartSize(i, captionLayout[i].size);
        captionPanel->setPartOffset(i, captionLayout[i].offset);
    }
}

void GameSetupScreen::onLeave() {
    if (master) master->goBack();
}

void GameSetupScreen::loadFromOptions(Tavek::OptionsBase& options) {
    difficultyLever->setIntValue(options.getDifficulty());
    rulesLever->setIntValue(options.getGameMode());
    fightVolumeLever->setLeverValue(options.FightVolume);
    arenaVolumeLever->setLeverValue(options.ArenaVolume);
    controllerLever->setIntValue(options.DefaultController);
    rumbleLever->setLeverValue(options.EnableRumble ? 1.0f : 0.0f);
    cameraLever->setIntValue(options.DefaultCameraAngle);
    updateDifficultyCaption();
    updateRulesCaption();
    updateFightVolumeCaption();
    updateArenaVolumeCaption();
    updateControllerCaption();
    updateRumbleCaption();
    updateCameraCaption();
}

void GameSetupScreen::storeToOptions(Tavek::OptionsBase& options) {
    options.setDifficulty(difficultyLever->getIntValue());
    options.setGameMode(rulesLever->getIntValue());
    options.FightVolume = fightVolumeLever->getLeverValue();
    options.ArenaVolume = arenaVolumeLever->getLeverValue();
    options.DefaultController = controllerLever->getIntValue();
    options.EnableRumble = rumbleLever->getLeverValue() != 0.0f;
    options.DefaultCameraAngle = cameraLever->getIntValue();
}

void GameSetupScreen::handleHighLevelEvent(HighLevelEvent& event) {
    GuiPanel::handleHighLevelEvent(event);
    if (event.actionPerformed) {
        if (event.source == backButton) {
            onLeave();
        } else if (event.source == saveButton && master) {
            master->saveOptions();
            master->goBack();
        }
        return;
    }
    if (!event.valueChanged) return;
    if (event.source == difficultyLever) updateDifficultyCaption();
    else if (event.source == rulesLever) updateRulesCaption();
    else if (event.source == fightVolumeLever) updateFightVolumeCaption();
    else if (event.source == arenaVolumeLever) updateArenaVolumeCaption();
    else if (event.source == controllerLever) updateControllerCaption();
    else if (event.source == rumbleLever) updateRumbleCaption();
    else if (event.source == cameraLever) updateCameraCaption();
}

void GameSetupScreen::updateDifficultyCaption() { setCaption(difficultyLever, difficultyCaptions); }
void GameSetupScreen::updateRulesCaption() { setCaption(rulesLever, rulesCaptions); }
void GameSetupScreen::updateFightVolumeCaption() { setCaption(fightVolumeLever, volumeCaptions); }
void GameSetupScreen::updateArenaVolumeCaption() { setCaption(arenaVolumeLever, volumeCaptions); }
void GameSetupScreen::updateControllerCaption() { setCaption(controllerLever, controllerCaptions); }
void GameSetupScreen::updateRumbleCaption() { setCaption(rumbleLever, rumbleCaptions); }
void GameSetupScreen::updateCameraCaption() { setCaption(cameraLever, cameraCaptions); }
