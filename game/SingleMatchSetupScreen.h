// The quick-match setup screen: a fighter for each side (blue A on the left, red B on the
// right) with a panel of that fighter's record, side A's controller, side B on the computer,
// one round of 1:00, five arena buttons of which only National is accepted, and Back and
// "Fight Now!". A refused fight only plays the invalid-selection sound. The choices stay while
// the screen is away. Owned by the quick-match master, which it reaches only through its
// interface; it owns its widgets and its two skin copies, which outlive the widgets.
#pragma once

#include <cstdint>
#include <memory>

#include "game/ShinyScreen.h"

class GuiArtist;
class GuiButton;
class GuiFillBar;
class GuiPanel;
class GuiSuperLever;
class GuiText;

namespace Tavek {

class EnemyFighterState;
class SingleMatchMasterEH;

class SingleMatchSetupScreen : public ShinyScreen {
public:
    static constexpr int ArenaCount = 5;
    static constexpr int NationalButton = 3;

    SingleMatchSetupScreen(SingleMatchMasterEH* master, GuiBlocks* skin);
    // The children go first, so the skin copies outlive every widget that holds them.
    ~SingleMatchSetupScreen() override;
    SingleMatchSetupScreen(const SingleMatchSetupScreen&) = delete;
    SingleMatchSetupScreen& operator=(const SingleMatchSetupScreen&) = delete;

    // Side B on "CPU"; side A on "Gamepad" when a joystick is plugged in, else "Keyboard".
    virtual void fillControllerList();
    virtual int getControllerB() const;
    // 0 keyboard, 1 gamepad, 2 computer.
    virtual int getControllerA() const;
    virtual int getFighterBIndex() const;
    virtual int getFighterAIndex() const;
    // The battle's arena number of the chosen button: 1, 3, 2, 0, 4 for Dojang .. World.
    virtual int getArena() const;
    virtual int getRoundsChoice() const;
    // 60, 90, 120 or 180 seconds by the round-length choice; 60 for any other.
    virtual float getRoundSeconds() const;
    // Lays the screen out and fills both fighters' panels.
    virtual void showFighterStats();

    // Back: the master's quit.
    void onLeave() override;
    // New values of the selectors refill their captions and panels; the buttons go back, fight
    // (when the choices are allowed) or choose the arena.
    void handleHighLevelEvent(HighLevelEvent& event) override;
    // The shiny screen's step, then the arena buttons' look.
    void tick() override;

    int getArenaChoice() const { return arenaChoice; }
    GuiPanel* getBackdrop() const { return backdrop; }
    GuiSuperLever* getFighterASelector() const { return fighterASelector; }
    GuiSuperLever* getFighterBSelector() const { return fighterBSelector; }
    GuiSuperLever* getControllerASelector() const { return controllerASelector; }
    GuiSuperLever* getControllerBSelector() const { return controllerBSelector; }
    GuiSuperLever* getRoundsSelector() const { return roundsSelector; }
    GuiSuperLever* getRoundLengthSelector() const { return roundLengthSelector; }
    GuiButton* getArenaButton(int index) const;
    GuiButton* getBackButton() const { return backButton; }
    GuiButton* getFightButton() const { return fightButton; }
    uint32_t getInvalidSound() const { return invalidSound; }
    // Side 0 is A, 1 is B; bars 0-4 are stamina, training, power, disruption, speed.
    GuiFillBar* getStatBar(int side, int index) const;

private:
    // One side's record panel: eight captions, the age, gender and rank values, and five bars
    // (stamina, training, power, disruption, speed).
    struct StatPanel {
        static constexpr int CaptionCount = 8;
        static constexpr int ValueCount = 3;
        static constexpr int BarCount = 5;
        GuiText* captions[CaptionCount] = {};
        GuiText* values[ValueCount] = {};
        GuiFillBar* bars[BarCount] = {};
    };

    void makeTexts(StatPanel& panel);
    void makeBars(StatPanel& panel, GuiBlocks* barSkin);
    GuiSuperLever* makeSelector(const std::string& picture);
    GuiButton* makeButton(const std::string& first, const std::string& second);
    void layOutPanel(StatPanel& panel, float x);
    void layOutSelector(GuiSuperLever* selector, const Vector2& location);
    // The selector's caption and its side's panel from the roster entry it stands at.
    void fillFighter(GuiSuperLever* selector, StatPanel& panel);
    // Whether the controllers chosen can be played with the joysticks plugged in.
    bool controllersAvailable() const;
    // The chosen arena button shows its first picture, every other one its second.
    void applyArenaLook();
    EnemyFighterState* rosterEntry(int index) const;

    int arenaChoice = NationalButton;
    SingleMatchMasterEH* master;
    GuiPanel* backdrop = nullptr;
    std::unique_ptr<GuiBlocks> textSkin;      // the shared skin with the white 30-point font
    std::unique_ptr<GuiArtist> redArtist;     // fills bars with red
    std::unique_ptr<GuiBlocks> redBarSkin;    // textSkin with redArtist
    StatPanel sideB;
    StatPanel sideA;
    GuiSuperLever* controllerBSelector = nullptr;
    GuiSuperLever* fighterBSelector = nullptr;
    GuiSuperLever* controllerASelector = nullptr;
    GuiSuperLever* fighterASelector = nullptr;
    GuiSuperLever* roundsSelector = nullptr;
    GuiSuperLever* roundLengthSelector = nullptr;
    GuiButton* arenaButtons[ArenaCount] = {};
    GuiButton* backButton = nullptr;
    GuiButton* fightButton = nullptr;
    uint32_t invalidSound = 0;
};

}  // namespace Tavek
