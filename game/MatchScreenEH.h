// The match HUD as the fight sees it: every value and event of a match is pushed through these
// operations, most of them every frame. The slot order is the order below. The interface has
// no destructor slot; nobody deletes a screen through it.
#pragma once

#include <string>

#include "math/Vector2.h"
#include "math/Vector3.h"

namespace Tavek {

class MatchScreenEH {
public:
    virtual void setSidesSwapped(bool fighter1OnLeft) = 0;
    virtual void setFighter1Name(const std::string& name) = 0;
    virtual void setFighter2Name(const std::string& name) = 0;  // "" hides the second name
    virtual void setFighter1MaxHealth(float value) = 0;
    virtual void setFighter2MaxHealth(float value) = 0;
    virtual void setFighter1Health(float value) = 0;
    virtual void setFighter2Health(float value) = 0;
    virtual void setFighter1MaxBalance(float value) = 0;
    virtual void setFighter2MaxBalance(float value) = 0;
    virtual void setFighter1Balance(float value) = 0;
    virtual void setFighter2Balance(float value) = 0;
    virtual void setFighter1Score(int netScore) = 0;
    virtual void setFighter2Score(int netScore) = 0;
    // Penalty totals in half-penalty units (half penalties + 2 × full penalties).
    virtual void setFighter1Penalties(int total) = 0;
    virtual void setFighter2Penalties(int total) = 0;
    virtual void setClockValue(int roundIndex) = 0;  // zero-based
    virtual void setMatchTime(float seconds) = 0;
    // 0 none, 1 time up, 2/3 fighter 1/2 lost on penalties, 4/5 fighter 1/2 won on points.
    virtual void setEndReason(int reason) = 0;
    virtual void setReplayActive(bool active) = 0;
    virtual void setTextLine(int index, const std::string& text) = 0;  // index 0..2; "" clears
    virtual void showReady() = 0;
    virtual void showFight() = 0;
    virtual void showFighter1Wins() = 0;
    virtual void showFighter2Wins() = 0;
    virtual void showYouWin() = 0;
    virtual void showYouLose() = 0;
    virtual void showKnockdown(bool critical) = 0;
    virtual void hideCount() = 0;
    virtual void showKnockout() = 0;
    virtual void showCount(int n) = 0;  // 1..10
    virtual void showEndOfRound() = 0;
    virtual void showSuddenDeath() = 0;
    virtual void showFighter1Penalty() = 0;
    virtual void showFighter2Penalty() = 0;
    virtual void showFighter1Point(int points) = 0;
    virtual void showFighter2Point(int points) = 0;
    virtual void showFighter1Disqualified() = 0;
    virtual void showFighter2Disqualified() = 0;
    virtual void showSecondWind() = 0;
    // The point banner of that fighter follows this screen position.
    virtual void setFighter1MarkerPosition(const Vector2& position) = 0;
    virtual void setFighter2MarkerPosition(const Vector2& position) = 0;
    virtual bool isFighter1MarkerShown() = 0;
    virtual bool isFighter2MarkerShown() = 0;
    virtual void showPauseDialog() = 0;
    virtual void hidePauseDialog() = 0;
    virtual void setOverlayLevel(float alpha) = 0;  // 1 covered, 0 clear
    virtual void showClock() = 0;
    virtual void hideClock() = 0;
    // Returns the player's pause request and clears it.
    virtual bool takePauseRequest() = 0;
    virtual void setDebugTextShown(bool shown) = 0;
    virtual void setDebugLocation(const Vector3& location) = 0;
    virtual void setDebugTarget(const Vector3& target) = 0;
    virtual bool toggleDebugInfo() = 0;
    virtual void setDebugDistance(float distance) = 0;

protected:
    ~MatchScreenEH() = default;
};

}  // namespace Tavek
