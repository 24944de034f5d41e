// The options screen: seven selectors (difficulty, rules, the two volumes, controller, rumble,
// camera) beside their caption pictures, and the Back and Save picture buttons. It edits an
// options record only through loadFromOptions and storeToOptions, which the menu master
// calls; it never touches the profile or a file. Save stores through the menu master and goes
// back; Back and Esc go back without storing. The selectors use the white 30-point font
// through the screen's own copy of the skin, which it owns.
#pragma once

#include <memory>

#include "game/ShinyScreen.h"
#include "gui/GuiBlocks.h"

class GuiButton;
class GuiPanel;
class GuiSuperLever;

namespace Tavek {
class MainGuiMasterEH;
class OptionsBase;
}  // namespace Tavek

// The selectors' skin, held by a base that is destroyed after the screen's panel has deleted
// its children, so that it outlives every selector that holds it.
struct SelectorSkinHolder {
    std::unique_ptr<GuiBlocks> selectorSkin;  // the skin with the white 30-point font
};

class GameSetupScreen : private SelectorSkinHolder, public ShinyScreen {
public:
    GameSetupScreen(Tavek::MainGuiMasterEH* master, GuiBlocks* skin);

    void onLeave() override;
    // Every selector from the record (values outside a selector's range are clamped), then
    // every caption.
    virtual void loadFromOptions(Tavek::OptionsBase& options);
    // Every selector into the record; the difficulty and the rules bring their presets.
    virtual void storeToOptions(Tavek::OptionsBase& options);
    virtual void layoutParts();
    void handleHighLevelEvent(HighLevelEvent& event) override;

    // Each sets its selector's caption from its value; a value outside the table keeps it.
    void updateDifficultyCaption();
    void updateRulesCaption();
    void updateFightVolumeCaption();
    void updateArenaVolumeCaption();
    void updateControllerCaption();
    void updateRumbleCaption();
    void updateCameraCaption();

    GuiPanel* getCaptionPanel() const { return captionPanel; }
    GuiSuperLever* getDifficultyLever() const { return difficultyLever; }
    GuiSuperLever* getRulesLever() const { return rulesLever; }
    GuiSuperLever* getFightVolumeLever() const { return fightVolumeLever; }
    GuiSuperLever* getArenaVolumeLever() const { return arenaVolumeLever; }
    GuiSuperLever* getControllerLever() const { return controllerLever; }
    GuiSuperLever* getRumbleLever() const { return rumbleLever; }
    GuiSuperLever* getCameraLever() const { return cameraLever; }
    GuiButton* getBackButton() const { return backButton; }
    GuiButton* getSaveButton() const { return saveButton; }

private:
    GuiSuperLever* makeSelector(const Vector2& location, int maximum, int initialValue, const char* caption);
    GuiButton* makeButton(const char* upName, const char* downName, float x, GuiBlocks* skin);

    Tavek::MainGuiMasterEH* master;
    GuiPanel* captionPanel = nullptr;
    GuiSuperLever* difficultyLever = nullptr;
    GuiSuperLever* rulesLever = nullptr;
    GuiSuperLever* fightVolumeLever = nullptr;
    GuiSuperLever* arenaVolumeLever = nullptr;
    GuiSuperLever* controllerLever = nullptr;
    GuiSuperLever* rumbleLever = nullptr;
    GuiSuperLever* cameraLever = nullptr;
    GuiButton* backButton = nullptr;
    GuiButton* saveButton = nullptr;
};
