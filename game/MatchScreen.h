// The head-up display of a fight, laid over the arena: names, blue and red health and balance
// bars on their plates, clock and round, scores or the result letters, penalty marks, three
// tutorial lines, thirty banners for the referee's calls and results, the pause dialog and the
// developer read-outs. It holds no logic of the fight: the battle pushes every value and event
// through MatchScreenEH, every frame. Shown, it tells the running mode (which starts the
// battle); taken down, it clears its banners and stops the battle.
//
// It owns the pause dialog, the banners and the red skin of the right-hand bars; the bars and
// the picture panel are its children. The menu master, the skin and everything reached through
// the master are borrowed, and each is checked before use.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game/MatchScreenEH.h"
#include "gui/GuiScreen.h"

class GuiArtist;
class GuiFillBar;

namespace Tavek {

class MainGuiMasterEH;
class PauseDLG;
class SpriteFX;

class MatchScreen : public virtual GuiScreen, public virtual MatchScreenEH {
public:
    // The banners in the order they are made and drawn.
    enum Banner {
        Ready, Fight, BlueWins, RedWins, YouWin, YouLose, Knockdown, Knockout,
        Counting1, Counting10 = Counting1 + 9,
        EndOfRound, RedPenalty, BluePenalty, Point1Blue, Point2Blue, Point1Red, Point2Red,
        BlueDisqualified, RedDisqualified, CriticalHit, SecondWind, SuddenDeath,
        BannerCount
    };

    MatchScreen(MainGuiMasterEH* owner, GuiBlocks* skin);
    ~MatchScreen() override;

    // MatchScreenEH, in its order.
    void setSidesSwapped(bool fighter1OnLeft) override { fighter1OnLeft_ = fighter1OnLeft; }
    void setFighter1Name(const std::string& name) override;
    void setFighter2Name(const std::string& name) override;
    void setFighter1MaxHealth(float value) override { setBarValue(0, value); }
    void setFighter2MaxHealth(float value) override { setBarValue(4, value); }
    void setFighter1Health(float value) override { setBarValue(1, value); }
    void setFighter2Health(float value) override { setBarValue(5, value); }
    void setFighter1MaxBalance(float value) override { setBarValue(2, value); }
    void setFighter2MaxBalance(float value) override { setBarValue(6, value); }
    void setFighter1Balance(float value) override { setBarValue(3, value); }
    void setFighter2Balance(float value) override { setBarValue(7, value); }
    void setFighter1Score(int netScore) override;
    void setFighter2Score(int netScore) override;
    void setFighter1Penalties(int total) override;
    void setFighter2Penalties(int total) override;
    void setClockValue(int roundIndex) override { roundIndex_ = roundIndex; }
    void setMatchTime(float seconds) override { clockTime_ = seconds; }
    void setEndReason(int reason) override { endReason_ = reason; }
    void setReplayActive(bool active) override { replayActive_ = active; }
    void setTextLine(int index, const std::string& text) override;
    void showReady() override;
    void showFight() override;
    void showFighter1Wins() override;
    void showFighter2Wins() override;
    void showYouWin() override;
    void showYouLose() override;
    void showKnockdown(bool critical) override;
    void hideCount() override;
    void showKnockout() override;
    void showCount(int n) override;
    void showEndOfRound() override;
    void showSuddenDeath() override;
    void showFighter1Penalty() override;
    void showFighter2Penalty() override;
    void showFighter1Point(int points) override { showPoint(1, points); }
    void showFighter2Point(int points) override { showPoint(2, points); }
    void showFighter1Disqualified() override;
    void showFighter2Disqualified() override;
    void showSecondWind() override;
    void setFighter1MarkerPosition(const Vector2& position) override;
    void setFighter2MarkerPosition(const Vector2& position) override;
    bool isFighter1MarkerShown() override;
    bool isFighter2MarkerShown() override;
    void showPauseDialog() override;
    void hidePauseDialog() override;
    void setOverlayLevel(float alpha) override;
    void showClock() override { clockShown_ = true; }
    void hideClock() override { clockShown_ = false; }
    bool takePauseRequest() override;
    void setDebugTextShown(bool shown) override { debugTextShown_ = shown; }
    void setDebugLocation(const Vector3& location) override { debugLocation_ = location; }
    void setDebugTarget(const Vector3& target) override { debugTarget_ = target; }
    bool toggleDebugInfo() override;
    void setDebugDistance(float distance) override { debugDistance_ = distance; }

    // The panel's refresh, then the bars.
    void refresh() override;
    // Starts the battle through the running mode.
    void activate() override;
    // Hides and clears every banner, then stops the battle.
    void deactivate() override;
    // Esc: a pause request for the battle to take.
    void onLeave() override { pauseRequested_ = true; }
    // The texts of this frame, then every banner (hidden and held while the pause dialog shows).
    void tick() override;

    // Sets each bar whose fraction changed (health or balance over its maximum, 0 for a
    // maximum that is not above 0 or a quotient that is not finite, within 0..1).
    virtual void layoutBars();
    // Shows total half-penalty units on one side's four places: full marks from the outside
    // in, then a half mark. A negative total shows nothing; more than four full marks do not fit.
    virtual void drawPenaltyMarks(int total, int fullFirst, int halfFirst);

    // For tests and the frame's read-outs.
    SpriteFX* getBanner(Banner banner) const { return banners_[banner].get(); }
    PauseDLG* getPauseDialog() const { return pauseDialog_.get(); }
    GuiPanel* getHudPanel() const { return hudPanel_; }
    GuiFillBar* getBar(int index) const { return bars_[index]; }  // health 1, health 2, balance 1, balance 2

private:
    void setBarValue(int index, float value);
    void makeBanners();
    SpriteFX& banner(Banner which) { return *banners_[which]; }
    // The announcement pattern: scale, show, fade in, grow to twice the scale, an optional
    // shake, fade out.
    void announce(Banner which, float speed, bool shake, float fadeOutDelay);
    bool isBlue(int fighter) const { return fighter1OnLeft_ == (fighter == 1); }
    void showPoint(int fighter, int points);
    void printTexts();
    bool pauseDialogShown() const;

    MainGuiMasterEH* owner_;
    std::unique_ptr<PauseDLG> pauseDialog_;
    std::array<GuiFillBar*, 4> bars_{};  // health 1, health 2, balance 1, balance 2
    GuiPanel* hudPanel_ = nullptr;
    std::vector<std::unique_ptr<SpriteFX>> banners_;
    SpriteFX* marker1_ = nullptr;
    SpriteFX* marker2_ = nullptr;
    std::unique_ptr<GuiArtist> redArtist_;
    std::unique_ptr<GuiBlocks> redSkin_;

    bool fighter1OnLeft_ = true;
    std::string fighter1Name_ = "Fighter 1";
    std::string fighter2Name_ = "Fighter 2";
    std::array<float, 8> barValues_;
    int score1_ = 0;
    int score2_ = 0;
    int penaltyTotal1_ = 0;
    int penaltyTotal2_ = 0;
    int roundIndex_ = 0;
    float clockTime_ = 0.0f;
    int endReason_ = 0;
    bool replayActive_ = false;
    bool clockShown_ = true;
    std::array<std::string, 3> textLines_;
    bool debugTextShown_ = false;
    Vector3 debugLocation_;
    Vector3 debugTarget_;
    bool distanceShown_ = false;
    float debugDistance_ = 0.0f;
    bool pauseRequested_ = false;
};

}  // namespace Tavek
