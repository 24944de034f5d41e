#include "state/Options.h"

#include <cmath>

#include "persistence/AttributeException.h"
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

template <typename Read>
void guarded(Read read) {
    try {
        read();
    } catch (const AttributeException&) {
        // The field keeps its value; the next key is read.
    }
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
    guarded([&] { FightVolume = percentToVolume(node.getInt("FightVolume")); });
    guarded([&] { ArenaVolume = percentToVolume(node.getInt("ArenaVolume")); });
    guarded([&] { setDifficulty(node.getInt("Difficulty")); });
    guarded([&] { MinTapsToGetUp = node.getInt("MinTapsToGetUp"); });
    guarded([&] { MaxTapsToGetUp = node.getInt("MaxTapsToGetUp"); });
    // A hand-edited file must not leave a downed fighter needing no taps, or fewer at most
    // than at least: the tap count is a divisor in the getting-up rule.
    if (MinTapsToGetUp < 1) MinTapsToGetUp = 1;
    if (MaxTapsToGetUp < MinTapsToGetUp) MaxTapsToGetUp = MinTapsToGetUp;
    guarded([&] { KnockdownsMode = node.getInt("KnockdownsMode"); });
    guarded([&] { DefaultController = node.getInt("DefaultController"); });
    guarded([&] { EnableRumble = node.getBool("EnableRumble"); });
    guarded([&] { Penalties = node.getBool("Penalties"); });
    guarded([&] { Points = node.getBool("Points"); });
    guarded([&] { PointsForWin = node.getInt("PointsForWin"); });
    guarded([&] { PointsGapForWin = node.getInt("PointsGapForWin"); });
    guarded([&] { PenaltiesForDisqualification = node.getInt("PenaltiesForDisqualification"); });
    guarded([&] { PointsForHeadKick = node.getInt("PointsForHeadKick"); });
    guarded([&] { PointsForBodyKick = node.getInt("PointsForBodyKick"); });
    guarded([&] { PointsForKnockDown = node.getInt("PointsForKnockDown"); });
    guarded([&] { setGameMode(node.getInt("GameMode")); });
    guarded([&] { DefaultCameraAngle = node.getInt("DefaultCameraAngle"); });
}

}  // namespace Tavek
