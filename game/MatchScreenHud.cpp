// The match screen's bars, penalty marks and the texts it prints every frame.
#include <algorithm>
#include <cmath>
#include <string>

#include "game/MatchScreen.h"
#include "game/SpriteFX.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiManager.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace Tavek {

namespace {

constexpr float TextSize = 0.35f;
constexpr float TutorialSize = 0.4f;
constexpr float ScoreSize = 0.7f;
constexpr int PlacesPerSide = 4;

// What a bar shows of value over maximum.
float fraction(float value, float maximum) {
    if (!(maximum > 0.0f)) return 0.0f;
    const float f = value / maximum;
    if (!std::isfinite(f)) return 0.0f;
    return std::clamp(f, 0.0f, 1.0f);
}

void setIfChanged(GuiFillBar* bar, float value) {
    if (bar && bar->getValue() != value) bar->setValue(value);
}

// End reasons as the left side sees them.
enum EndReason { TimeUp = 1, Fighter1LostOnPenalties, Fighter2LostOnPenalties, Fighter1WonOnPoints, Fighter2WonOnPoints };

}  // namespace

void MatchScreen::layoutBars() {
    const float* left = fighter1OnLeft_ ? &barValues_[0] : &barValues_[4];
    const float* right = fighter1OnLeft_ ? &barValues_[4] : &barValues_[0];
    // Each side: maximum health, health, maximum balance, balance.
    setIfChanged(bars_[0], fraction(left[1], left[0]));
    setIfChanged(bars_[1], fraction(right[1], right[0]));
    setIfChanged(bars_[2], fraction(left[3], left[2]));
    setIfChanged(bars_[3], fraction(right[3], right[2]));
}

void MatchScreen::setFighter1Penalties(int total) {
    if (total == penaltyTotal1_) return;
    penaltyTotal1_ = total;
    drawPenaltyMarks(total, 5, 1);
}

void MatchScreen::setFighter2Penalties(int total) {
    if (total == penaltyTotal2_) return;
    penaltyTotal2_ = total;
    drawPenaltyMarks(total, 13, 9);
}

void MatchScreen::drawPenaltyMarks(int total, int fullFirst, int halfFirst) {
    if (!hudPanel_) return;
    for (int k = 0; k < PlacesPerSide; ++k) {
        hudPanel_->setPartVisible(fullFirst + k, false);
        hudPanel_->setPartVisible(halfFirst + k, false);
    }
    total = std::max(total, 0);
    const int half = total % 2;
    const int full = std::min((total - half) / 2, PlacesPerSide);
    for (int k = 0; k < full; ++k) hudPanel_->setPartVisible(fullFirst + k, true);
    if (half != 0 && full < PlacesPerSide) hudPanel_->setPartVisible(halfFirst + full, true);
}

void MatchScreen::tick() {
    GuiScreen::tick();
    printTexts();
    // Paused, the banners wait hidden with their effects held, so nothing of the fight stands
    // over the pause dialog; they come back as they were when the match resumes.
    if (pauseDialogShown()) {
        for (const auto& fx : banners_) iSpriteHide(fx->getSprite());
        return;
    }
    for (const auto& fx : banners_) fx->render();
}

void MatchScreen::printTexts() {
    if (replayActive_) {
        GuiManager::quickPrintText("Instant Replay", -2.5f, 10.0f, TextSize);
    } else if (clockShown_) {
        if (endReason_ == TimeUp)
            GuiManager::quickPrintText("Over!", -1.25f, 8.43f, TextSize);
        else
            GuiManager::quickPrintTime(std::max(clockTime_, 0.0f), -1.25f, 8.43f);
    }
    if (debugTextShown_) {
        const struct {
            const char* caption;
            const Vector3& value;
            float x;
        } readOuts[] = {{"Location", debugLocation_, -15.0f}, {"Target", debugTarget_, 10.0f}};
        for (const auto& readOut : readOuts) {
            GuiManager::quickPrintText(readOut.caption, readOut.x, -8.0f, TextSize);
            GuiManager::quickPrint(readOut.value.x, readOut.x, -9.0f, 3, TextSize);
            GuiManager::quickPrint(readOut.value.y, readOut.x, -10.0f, 3, TextSize);
            GuiManager::quickPrint(readOut.value.z, readOut.x, -11.0f, 3, TextSize);
        }
    }
    if (distanceShown_) {
        GuiManager::quickPrintText("Fighter Distance", -5.0f, -10.0f, TextSize);
        GuiManager::quickPrint(debugDistance_, -1.0f, -11.0f, 2, TextSize);
    }
    GuiManager::quickPrintText(fighter1OnLeft_ ? fighter1Name_ : fighter2Name_, -13.35f, 10.8f, TextSize);
    GuiManager::quickPrintText(fighter1OnLeft_ ? fighter2Name_ : fighter1Name_, 7.75f, 10.8f, TextSize);
    GuiManager::quickPrintText(std::to_string(roundIndex_ + 1), 0.0f, 10.15f, TextSize);
    for (size_t i = 0; i < textLines_.size(); ++i)
        GuiManager::quickPrintCentered(textLines_[i], 0.0f, -8.0f - static_cast<float>(i), TutorialSize);

    int code = endReason_;
    if (!fighter1OnLeft_) {
        if (code == Fighter1LostOnPenalties || code == Fighter2LostOnPenalties)
            code = Fighter1LostOnPenalties + Fighter2LostOnPenalties - code;
        else if (code == Fighter1WonOnPoints || code == Fighter2WonOnPoints)
            code = Fighter1WonOnPoints + Fighter2WonOnPoints - code;
    }
    std::string left, right;
    if (code == Fighter1LostOnPenalties || code == Fighter2WonOnPoints) {
        left = "L";
        right = "W";
    } else if (code == Fighter2LostOnPenalties || code == Fighter1WonOnPoints) {
        left = "W";
        right = "L";
    } else {
        left = std::to_string(fighter1OnLeft_ ? score1_ : score2_);
        right = std::to_string(fighter1OnLeft_ ? score2_ : score1_);
    }
    GuiManager::quickPrintCentered(left, -5.8f, 8.9f, ScoreSize);
    GuiManager::quickPrintCentered(right, 6.7f, 8.9f, ScoreSize);
}

}  // namespace Tavek
