#include "game/SingleMatchSetupScreen.h"

#include <string>
#include <vector>

#include "game/SingleMatchMasterEH.h"
#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiButton.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiFonts.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiText.h"
#include "gui/IRect.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "resources/StartupTables.h"
#include "state/EnemyFighterState.h"

namespace Tavek {

namespace {

const std::string FolderPath = "Tavek_res\\gui\\quickMatchScreen\\";
const std::string FighterSelectorPicture = "Tavek_res\\gui\\global\\null.x";
const std::string ChoiceSelectorPicture = FolderPath + "00_background_sample.x";
const std::string RedFillPath = "Tavek_res\\gui\\general\\red.x";
const char* const InvalidSoundPath = "Tavek_res\\sounds\\invalid selection.ogg";

const char* const ArenaNames[SingleMatchSetupScreen::ArenaCount] = {"Dojang", "Local", "State", "National",
                                                                    "World"};
// The battle's arena number behind each button.
const int ArenaNumbers[SingleMatchSetupScreen::ArenaCount] = {1, 3, 2, 0, 4};
const float ArenaButtonX[SingleMatchSetupScreen::ArenaCount] = {5.0f, 9.5f, 14.0f, 18.5f, 23.0f};

const char* const CaptionTexts[8] = {"Age:",     "Gender:", "Rank:",       "Stamina:",
                                     "Training:", "Power:", "Disruption:", "Speed:"};
const float RowY[8] = {6.0f, 5.25f, 4.5f, 3.75f, 3.0f, 2.25f, 1.5f, 0.75f};
constexpr float SideAX = 9.0f;
constexpr float SideBX = 24.0f;

// The backdrop's pictures, in the order of its path table.
const struct {
    Vector2 size, offset;
} BackdropLayout[] = {
    {{6.0f, 1.25f}, {1.0f, 10.25f}},  {{30.0f, 1.5f}, {1.0f, 10.5f}},  {{11.0f, 7.75f}, {18.0f, 3.85f}},
    {{11.0f, 7.75f}, {3.0f, 3.85f}},  {{11.0f, 1.0f}, {18.0f, 8.0f}},  {{11.0f, 1.0f}, {3.0f, 8.0f}},
    {{11.0f, 1.0f}, {18.0f, -0.5f}},  {{11.0f, 1.0f}, {3.0f, -0.5f}},  {{2.0f, 1.0f}, {15.0f, 4.0f}},
    {{6.0f, 0.5f}, {13.0f, -4.5f}},   {{4.7f, 0.25f}, {6.0f, -2.0f}},  {{4.7f, 0.25f}, {22.0f, -2.0f}},
};

constexpr int KeyboardController = 0;
constexpr int GamepadController = 1;
constexpr int ComputerController = 2;

}  // namespace

SingleMatchSetupScreen::SingleMatchSetupScreen(SingleMatchMasterEH* master, GuiBlocks* skin)
    : ShinyScreen(master ? master->getGuiManager() : nullptr, skin), master(master) {
    arenaChoice = NationalButton;
    backdrop = new GuiPanel(skin, -1, quickMatchScreenSprites.data(), static_cast<int>(quickMatchScreenSprites.size()),
                            false);
    addChild(backdrop);
    textSkin = std::make_unique<GuiBlocks>(*skin);
    // The white 30-point font is made by the game master before any screen; without it the
    // texts keep the shared font.
    if (fontWhite30) textSkin->font = fontWhite30;

    makeTexts(sideB);
    redArtist = std::make_unique<GuiArtist>(skin->artist ? skin->artist->getPrimitiveFactory() : nullptr);
    redArtist->secondFillPath = RedFillPath;
    redBarSkin = std::make_unique<GuiBlocks>(*textSkin);
    redBarSkin->artist = redArtist.get();
    makeBars(sideB, redBarSkin.get());
    makeTexts(sideA);
    makeBars(sideA, textSkin.get());
    controllerBSelector = makeSelector(FighterSelectorPicture);
    fighterBSelector = makeSelector(FighterSelectorPicture);
    controllerASelector = makeSelector(FighterSelectorPicture);
    fighterASelector = makeSelector(FighterSelectorPicture);
    roundsSelector = makeSelector(ChoiceSelectorPicture);
    roundLengthSelector = makeSelector(ChoiceSelectorPicture);
    for (int k = 0; k < ArenaCount; ++k) {
        const std::string name = FolderPath + "Arena-" + ArenaNames[k];
        arenaButtons[k] = makeButton(name + "-2.x", name + "-1.x");
    }
    const std::string backPath = "Tavek_res\\gui\\optionScreen\\button_back";
    backButton = makeButton(backPath + "2.x", backPath + "1.x");
    fightButton = makeButton(FolderPath + "02_fight-now2.x", FolderPath + "02_fight-now1.x");
    invalidSound = iSoundOggCreate(InvalidSoundPath, 0, 0);

    showFighterStats();
    fighterBSelector->setIntValue(1);
    fillFighter(fighterBSelector, sideB);
    fighterASelector->setIntValue(0);
    fillFighter(fighterASelector, sideA);
    setPartOneVisible(false);
    setPartTwoVisible(false);
    fillControllerList();
    applyArenaLook();
}

SingleMatchSetupScreen::~SingleMatchSetupScreen() {
    const std::vector<GuiComponent*> children = getChildren();
    for (GuiComponent* child : children) {
        removeChild(child);
        delete child;
    }
    iSoundDestroy(invalidSound);
}

void SingleMatchSetupScreen::makeTexts(StatPanel& panel) {
    auto makeText = [this]() {
        auto* text = new GuiText(textSkin.get(), -1, nullptr, 0, -1, nullptr);
        backdrop->addChild(text);
        text->setEditable(false);
        return text;
    };
    for (GuiText*& caption : panel.captions) caption = makeText();
    for (GuiText*& value : panel.values) value = makeText();
}

void SingleMatchSetupScreen::makeBars(StatPanel& panel, GuiBlocks* barSkin) {
    for (GuiFillBar*& bar : panel.bars) {
        bar = new GuiFillBar(barSkin, nullptr, 0, nullptr);
        backdrop->addChild(bar);
    }
}

GuiSuperLever* SingleMatchSetupScreen::makeSelector(const std::string& picture) {
    auto* selector = new GuiSuperLever(textSkin.get(), -1, &picture, 1, nullptr);
    backdrop->addChild(selector);
    return selector;
}

GuiButton* SingleMatchSetupScreen::makeButton(const std::string& first, const std::string& second) {
    auto* button = new GuiButton(getBlocks(), -1, &first, &second, nullptr, 0);
    addChild(button);
    return button;
}

void SingleMatchSetupScreen::fillControllerList() {
    controllerBSelector->setIntValue(ComputerController);
    controllerBSelector->setText("CPU");
    if (iJoyCount() == 0) {
        controllerASelector->setIntValue(KeyboardController);
        controllerASelector->setText("Keyboard");
    } else {
        controllerASelector->setIntValue(GamepadController);
        controllerASelector->setText("Gamepad");
    }
}

int SingleMatchSetupScreen::getControllerB() const { return controllerBSelector->getIntValue(); }
int SingleMatchSetupScreen::getControllerA() const { return controllerASelector->getIntValue(); }
int SingleMatchSetupScreen::getFighterBIndex() const { return fighterBSelector->getIntValue(); }
int SingleMatchSetupScreen::getFighterAIndex() const { return fighterASelector->getIntValue(); }

int SingleMatchSetupScreen::getArena() const {
    return arenaChoice >= 0 && arenaChoice < ArenaCount ? ArenaNumbers[arenaChoice] : 4;
}

int SingleMatchSetupScreen::getRoundsChoice() const { return roundsSelector->getIntValue(); }

float SingleMatchSetupScreen::getRoundSeconds() const {
    switch (roundLengthSelector->getIntValue()) {
    case 1: return 90.0f;
    case 2: return 120.0f;
    case 3: return 180.0f;
    default: return 60.0f;
    }
}

void SingleMatchSetupScreen::showFighterStats() {
    backdrop->hideBackground();
    backdrop->setSize(Vector2(32.0f, 24.0f));
    backdrop->setLocation(Vector2(0.0f, 0.0f));
    for (int i = 0; i < static_cast<int>(std::size(BackdropLayout)); ++i) {
        backdrop->setPartSize(i, BackdropLayout[i].size);
        backdrop->setPartOffset(i, BackdropLayout[i].offset);
    }
    layOutPanel(sideB, SideBX);
    layOutPanel(sideA, SideAX);
    fillFighter(fighterASelector, sideA);

    const int lastEntry = static_cast<int>(master && master->getRoster() ? master->getRoster()->size() : 1) - 1;
    layOutSelector(fighterBSelector, Vector2(18.5f, 6.875f));
    fighterBSelector->setMaximum(lastEntry);
    layOutSelector(controllerBSelector, Vector2(18.5f, -0.5f));
    controllerBSelector->setMinimum(ComputerController);
    controllerBSelector->setMaximum(ComputerController);
    controllerBSelector->setIntValue(ComputerController);
    layOutSelector(fighterASelector, Vector2(3.5f, 6.875f));
    fighterASelector->setMaximum(lastEntry);
    layOutSelector(controllerASelector, Vector2(3.5f, -0.5f));
    controllerASelector->setMaximum(0);
    controllerASelector->setMaximum(GamepadController);
    fillFighter(fighterBSelector, sideB);
    layOutSelector(roundsSelector, Vector2(3.5f, -3.0f));
    roundsSelector->setMaximum(0);
    roundsSelector->setMinimum(0);
    roundsSelector->setText("1");
    layOutSelector(roundLengthSelector, Vector2(18.5f, -3.0f));
    roundLengthSelector->setMaximum(0);
    roundLengthSelector->setMinimum(0);
    roundLengthSelector->setText("1:00");

    for (int k = 0; k < ArenaCount; ++k) {
        arenaButtons[k]->setSize(Vector2(4.0f, 4.0f));
        arenaButtons[k]->setLocation(Vector2(ArenaButtonX[k], -7.5f));
        arenaButtons[k]->hideBackground();
    }
    backButton->setSize(Vector2(3.25f, 1.0f));
    backButton->setLocation(Vector2(2.0f, -10.5f));
    backButton->hideBackground();
    fightButton->setSize(Vector2(6.25f, 1.25f));
    fightButton->setLocation(Vector2(23.0f, -10.5f));
    fightButton->hideBackground();
}

void SingleMatchSetupScreen::layOutPanel(StatPanel& panel, float x) {
    for (int i = 0; i < StatPanel::CaptionCount; ++i) {
        GuiText* caption = panel.captions[i];
        caption->setEditable(false);
        caption->setTextAlignment(2);
        caption->setSize(Vector2(0.0f, 0.0f));
        caption->setLocation(Vector2(x, RowY[i]));
        caption->setText(CaptionTexts[i]);
    }
    // The captions end where the values begin.
    for (int i = 0; i < StatPanel::ValueCount; ++i) {
        GuiText* value = panel.values[i];
        value->setEditable(false);
        value->setTextAlignment(0);
        value->setSize(Vector2(0.0f, 0.0f));
        value->setLocation(Vector2(x, RowY[i]));
    }
    for (int i = 0; i < StatPanel::BarCount; ++i) {
        panel.bars[i]->setSize(Vector2(3.5f, 0.4f));
        panel.bars[i]->setLocation(Vector2(x, RowY[StatPanel::ValueCount + i]));
    }
}

void SingleMatchSetupScreen::layOutSelector(GuiSuperLever* selector, const Vector2& location) {
    selector->setSize(Vector2(10.0f, 1.0f));
    selector->setLocation(location);
    selector->setShowsValue(false);
    selector->hideBackground();
    selector->deactivateLever(0);
    selector->setTextAlignment(1);
}

EnemyFighterState* SingleMatchSetupScreen::rosterEntry(int index) const {
    std::vector<EnemyFighterState*>* roster = master ? master->getRoster() : nullptr;
    if (!roster || index < 0 || index >= static_cast<int>(roster->size())) return nullptr;
    return (*roster)[static_cast<size_t>(index)];
}

void SingleMatchSetupScreen::fillFighter(GuiSuperLever* selector, StatPanel& panel) {
    const EnemyFighterState* r = rosterEntry(selector->getIntValue());
    if (!r) return;
    selector->setText(r->getName());
    panel.values[0]->setText(std::to_string(r->Age));
    panel.values[1]->setText(r->getGenderText());
    panel.values[2]->setText(r->getRankText());
    const float shares[StatPanel::BarCount] = {
        static_cast<float>(r->Stamina) / 100.0f, static_cast<float>(r->Training) / 100.0f,
        r->getAveragePower() / 100.0f, r->getAverageDisruption() / 100.0f, r->getAverageSpeed() / 100.0f};
    for (int i = 0; i < StatPanel::BarCount; ++i) panel.bars[i]->setValue(shares[i]);
}

void SingleMatchSetupScreen::onLeave() {
    if (master) master->quit();
}

void SingleMatchSetupScreen::handleHighLevelEvent(HighLevelEvent& event) {
    ShinyScreen::handleHighLevelEvent(event);
    if (!event.actionPerformed) {
        if (!event.valueChanged) return;
        if (event.source == fighterBSelector) {
            fillFighter(fighterBSelector, sideB);
        } else if (event.source == fighterASelector) {
            fillFighter(fighterASelector, sideA);
        } else if (event.source == controllerBSelector) {
            controllerBSelector->setText("CPU");
        } else if (event.source == controllerASelector) {
            const int value = controllerASelector->getIntValue();
            if (value == GamepadController) controllerASelector->setText("Gamepad");
            else if (value == KeyboardController) controllerASelector->setText("Keyboard");
        } else if (event.source == roundsSelector) {
            if (roundsSelector->getIntValue() == 0) roundsSelector->setText("1");
        } else if (event.source == roundLengthSelector) {
            if (roundLengthSelector->getIntValue() == 0) roundLengthSelector->setText("1:00");
        }
        return;
    }
    if (event.source == backButton) {
        onLeave();
    } else if (event.source == fightButton) {
        if (arenaChoice == NationalButton && controllersAvailable()) {
            if (master) master->startMatch();
        } else {
            iSoundPlay(invalidSound, 0);
        }
    } else {
        for (int k = 0; k < ArenaCount; ++k) {
            if (event.source != arenaButtons[k]) continue;
            arenaChoice = k;
            applyArenaLook();
        }
    }
}

bool SingleMatchSetupScreen::controllersAvailable() const {
    const int joysticks = iJoyCount();
    const bool gamepadA = controllerASelector->getIntValue() == GamepadController;
    const bool gamepadB = controllerBSelector->getIntValue() == GamepadController;
    if (joysticks == 1) return !(gamepadA && gamepadB);
    if (joysticks == 0) return !gamepadA && !gamepadB;
    return true;
}

void SingleMatchSetupScreen::tick() {
    ShinyScreen::tick();
    applyArenaLook();
}

void SingleMatchSetupScreen::applyArenaLook() {
    for (int k = 0; k < ArenaCount; ++k) {
        GuiButton* button = arenaButtons[k];
        IRect* first = button->getUpSprite();
        IRect* second = button->getDownSprite();
        // A button out of sight keeps both pictures hidden, as it hides them itself.
        if (!first || !second || !button->isActiveInHierarchy()) continue;
        const bool chosen = k == arenaChoice;
        if (chosen) {
            first->show();
            second->hide();
        } else {
            first->hide();
            second->show();
        }
    }
}

GuiButton* SingleMatchSetupScreen::getArenaButton(int index) const {
    return index >= 0 && index < ArenaCount ? arenaButtons[index] : nullptr;
}

GuiFillBar* SingleMatchSetupScreen::getStatBar(int side, int index) const {
    if (index < 0 || index >= StatPanel::BarCount) return nullptr;
    return (side == 0 ? sideA : sideB).bars[index];
}

}  // namespace Tavek
