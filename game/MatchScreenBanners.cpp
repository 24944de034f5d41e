// The match screen's thirty banners: which picture each is, the size it is shown at, and the
// effects each show operation gives it. Banners stand centred on the screen; only the point
// banners move, following the scorer.
#include <memory>

#include "game/BlinkEffect.h"
#include "game/FadeInEffect.h"
#include "game/FadeOutEffect.h"
#include "game/MatchScreen.h"
#include "game/ScaleEffect.h"
#include "game/ShakeEffect.h"
#include "game/SpriteFX.h"

namespace Tavek {

namespace {

struct BannerLook {
    const char* picture;
    Vector2 scale;  // as shown, before any effect
};

// In the order of MatchScreen::Banner.
const BannerLook Looks[MatchScreen::BannerCount] = {
    {"Ready", Vector2(6.21f, 2.5f)},
    {"Fight", Vector2(19.6f, 13.244f)},
    {"Blue-wins", Vector2(10.37f, 2.5f)},
    {"Red-wins", Vector2(9.33f, 2.5f)},
    {"You-win", Vector2(8.62f, 2.5f)},
    {"You-lose", Vector2(8.93f, 2.5f)},
    {"Knockdown", Vector2(17.78f, 7.79f)},
    {"Knockout", Vector2(10.11f, 2.5f)},
    {"Counting-1", Vector2(5.0f, 5.0f)},
    {"Counting-2", Vector2(5.0f, 5.0f)},
    {"Counting-3", Vector2(5.0f, 5.0f)},
    {"Counting-4", Vector2(5.0f, 5.0f)},
    {"Counting-5", Vector2(5.0f, 5.0f)},
    {"Counting-6", Vector2(5.0f, 5.0f)},
    {"Counting-7", Vector2(5.0f, 5.0f)},
    {"Counting-8", Vector2(5.0f, 5.0f)},
    {"Counting-9", Vector2(5.0f, 5.0f)},
    {"Counting-10", Vector2(5.0f, 5.0f)},
    {"End-of-round", Vector2(12.72f, 2.5f)},
    {"Red-penalty", Vector2(11.97f, 2.5f)},
    {"Blue-penalty", Vector2(12.95f, 2.5f)},
    {"Point-1-Blue", Vector2(2.0f, 2.0f)},
    {"Point-2-Blue", Vector2(2.0f, 2.0f)},
    {"Point-1-Red", Vector2(2.0f, 2.0f)},
    {"Point-2-Red", Vector2(2.0f, 2.0f)},
    {"00_blue_disqualified", Vector2(16.62f, 2.84f)},
    {"00_red_disqualified", Vector2(15.68f, 2.84f)},
    {"00_critical_hit", Vector2(18.53f, 10.04f)},
    {"00_second_wind", Vector2(15.39f, 8.34f)},
    {"Sudden-death", Vector2(14.2f, 2.5f)},
};

const std::string Folder = "Tavek_res\\gui\\matchScreen\\";

// Long calls hold for 2.9 s, short ones for 1.9 s; each then fades out in 0.1 s.
constexpr float LongCall = 2.9f;
constexpr float ShortCall = 1.9f;
constexpr float QuickGrowth = 2.0f;

}  // namespace

void MatchScreen::makeBanners() {
    banners_.reserve(BannerCount);
    for (const BannerLook& look : Looks) banners_.push_back(std::make_unique<SpriteFX>(Folder + look.picture + ".x", owner_));
}

void MatchScreen::announce(Banner which, float speed, bool shake, float fadeOutDelay) {
    SpriteFX& fx = banner(which);
    const Vector2 scale = Looks[which].scale;
    fx.setScale(scale);
    fx.show();
    fx.addEffect(std::make_unique<FadeInEffect>(0.0f, 0.333f));
    fx.addEffect(std::make_unique<ScaleEffect>(0.0f, scale * 2.0f, speed));
    if (shake) fx.addEffect(std::make_unique<ShakeEffect>(0.0f, 2.0f, -1.5f, 20.0f, 2.0f));
    fx.addEffect(std::make_unique<FadeOutEffect>(fadeOutDelay, 0.1f));
}

void MatchScreen::showReady() { announce(Ready, 1.2f, false, LongCall); }

void MatchScreen::showFight() {
    SpriteFX& fx = banner(Fight);
    fx.setScale(Looks[Fight].scale);
    fx.show();
    fx.addEffect(std::make_unique<ShakeEffect>(0.0f, 1.0f, -0.75f, 20.0f, 1.0f));
    fx.addEffect(std::make_unique<FadeOutEffect>(0.5f, 0.5f));
}

void MatchScreen::showFighter1Wins() { announce(isBlue(1) ? BlueWins : RedWins, QuickGrowth, false, LongCall); }

void MatchScreen::showFighter2Wins() { announce(isBlue(2) ? BlueWins : RedWins, QuickGrowth, false, LongCall); }

void MatchScreen::showYouWin() { announce(YouWin, QuickGrowth, false, LongCall); }

void MatchScreen::showYouLose() { announce(YouLose, QuickGrowth, false, LongCall); }

void MatchScreen::showKnockdown(bool critical) { announce(critical ? CriticalHit : Knockdown, QuickGrowth, true, ShortCall); }

void MatchScreen::hideCount() {
    banner(Knockdown).hide();
    for (int n = Counting1; n <= Counting10; ++n) banner(static_cast<Banner>(n)).hide();
}

void MatchScreen::showKnockout() { announce(Knockout, QuickGrowth, true, ShortCall); }

void MatchScreen::showCount(int n) {
    if (n < 1 || n > 10) return;
    const Banner which = static_cast<Banner>(Counting1 + n - 1);
    SpriteFX& fx = banner(which);
    fx.setScale(Looks[which].scale);
    fx.show();
    fx.setAlpha(1.0f);
    fx.addEffect(std::make_unique<ScaleEffect>(0.0f, Vector2(2.5f, 2.5f), 1.0f));  // the number shrinks
    fx.addEffect(std::make_unique<FadeOutEffect>(0.4f, 0.6f));
}

void MatchScreen::showEndOfRound() { announce(EndOfRound, QuickGrowth, false, ShortCall); }

void MatchScreen::showSuddenDeath() { announce(SuddenDeath, QuickGrowth, false, LongCall); }

void MatchScreen::showFighter1Penalty() { announce(isBlue(1) ? BluePenalty : RedPenalty, QuickGrowth, false, ShortCall); }

void MatchScreen::showFighter2Penalty() { announce(isBlue(2) ? BluePenalty : RedPenalty, QuickGrowth, false, ShortCall); }

void MatchScreen::showFighter1Disqualified() {
    announce(isBlue(1) ? BlueDisqualified : RedDisqualified, 0.666f, false, LongCall);
}

void MatchScreen::showFighter2Disqualified() {
    announce(isBlue(2) ? BlueDisqualified : RedDisqualified, 0.666f, false, LongCall);
}

void MatchScreen::showSecondWind() { announce(SecondWind, QuickGrowth, false, ShortCall); }

void MatchScreen::showPoint(int fighter, int points) {
    const bool blue = isBlue(fighter);
    const Banner one = blue ? Point1Blue : Point1Red;
    const Banner two = blue ? Point2Blue : Point2Red;
    SpriteFX& shown = banner(points == 1 ? one : two);
    SpriteFX& other = banner(points == 1 ? two : one);
    (fighter == 1 ? marker1_ : marker2_) = &shown;
    other.hide();
    other.clearEffects();
    shown.show();
    shown.setScale(Vector2(2.0f, 2.0f));
    shown.setAlpha(1.0f);
    shown.clearEffects();
    shown.addEffect(std::make_unique<BlinkEffect>(0.0f, 0.2f, 0.75f));
    shown.addEffect(std::make_unique<FadeOutEffect>(1.0f, 0.5f));
}

}  // namespace Tavek
