#include "state/Options.h"

#include <cmath>

#include "persistence/GuardedRead.h"
#include "persistence/PersistentObject.h"

namespace Tavek {

namespace {

// Volumes are stored as whole percentages. Rounding (not truncating) keeps a loaded
// volume unchanged by the next save: 0.57 is 56.99... percent in float.
int volumeToPercent(float volume) {
    if (!(volume > 0.0f)) return 0;
    if (volume >= 1.0f) return 100;
    return static_cast<int>(std::lround(volume * 100.0));
}

float percentToVolume(int percent) {
    if (percent < 0) percent = 0;
    if (percent > 100) percent = 100;
    return static_cast<float>(percent * 0.01);
}

}  // namespace

Options::Options() = default;

void Options::write(PersistentObject& node) const {
    node.setInt("FightVolume", volumeToPercent(FightVolume));
    node.setInt("ArenaVolume", volumeToPercent(ArenaVolume));
    node.setInt("Difficulty", getDifficulty());
    node.setInt("MinTapsToGetUp", MinTapsToGetUp);
    node.setInt("MaxTapsToGetUp", MaxTapsToGetUp);
    node.setInt("KnockdownsMode", KnockdownsMode);
    node.setInt("DefaultController", DefaultController);
    node.setBool("EnableRumble", EnableRumble);
    node.setBool("Penalties", Penalties);
    node.setBool("Points", Points);
    node.setInt("PointsForWin", PointsForWin);
    node.setInt("PointsGapForWin", PointsGapForWin);
    node.setInt("PenaltiesForDisqualification", PenaltiesForDisqualification);
    node.setInt("PointsForHeadKick", PointsForHeadKick);
    node.setInt("PointsForBodyKick", PointsForBodyKick);
    node.setInt("PointsForKnockDown", PointsForKnockDown);
    node.setInt("GameMode", getGameMode());
    node.setInt("DefaultCameraAngle", DefaultCameraAngle);
}

void Options::read(PersistentObject& node) {
    readGuarded([&] { FightVolume = percentToVolume(node.getInt("FightVolume")); });
    readGuarded([&] { ArenaVolume = percentToVolume(node.getInt("ArenaVolume")); });
    readGuarded([&] { setDifficulty(node.getInt("Difficulty")); });
    readGuarded([&] { MinTapsToGetUp = node.getInt("MinTapsToGetUp"); });
    readGuarded([&] { MaxTapsToGetUp = node.getInt("MaxTapsToGetUp"); });
    // A hand-edited file must not leave a downed fighter needing no taps, or fewer at most
    // than at least: the tap count is a divisor in the getting-up rule.
    if (MinTapsToGetUp < 1) MinTapsToGetUp = 1;
    if (MaxTapsToGetUp < MinTapsToGetUp) MaxTapsToGetUp = MinTapsToGetUp;
    readGuarded([&] { KnockdownsMode = node.getInt("KnockdownsMode"); });
    readGuarded([&] { DefaultController = node.getInt("DefaultController"); });
    readGuarded([&] { EnableRumble = node.getBool("EnableRumble"); });
    readGuarded([&] { Penalties = node.getBool("Penalties"); });
    readGuarded([&] { Points = node.getBool("Points"); });
    readGuarded([&] { PointsForWin = node.getInt("PointsForWin"); });
    readGuarded([&] { PointsGapForWin = node.getInt("PointsGapForWin"); });
    readGuarded([&] { PenaltiesForDisqualification = node.getInt("PenaltiesForDisqualification"); });
    readGuarded([&] { PointsForHeadKick = node.getInt("PointsForHeadKick"); });
    readGuarded([&] { PointsForBodyKick = node.getInt("PointsForBodyKick"); });
    readGuarded([&] { PointsForKnockDown = node.getInt("PointsForKnockDown"); });
    readGuarded([&] { setGameMode(node.getInt("GameMode")); });
    readGuarded([&] { DefaultCameraAngle = node.getInt("DefaultCameraAngle"); });
}

}  // namespace Tavek
