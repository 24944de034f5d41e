#include "state/Options.h"

#include <cmath>

#include "persistence/PersistentObject.h"
#include "persistence/RecordKeys.h"

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

// The keys with a conversion of their own: the volumes in percent, and the difficulty and game
// mode, whose setters apply their presets (so the keys after them in the file win).
template <float OptionsFields::*Volume>
constexpr RecordKey<OptionsBase>::ByHand VolumeInPercent{
    [](PersistentObject& node, const char* name, const OptionsBase& o) { node.setInt(name, volumeToPercent(o.*Volume)); },
    [](const PersistentObject& node, const char* name, OptionsBase& o) { o.*Volume = percentToVolume(node.getInt(name)); }};

constexpr RecordKey<OptionsBase>::ByHand DifficultyWithPreset{
    [](PersistentObject& node, const char* name, const OptionsBase& o) { node.setInt(name, o.getDifficulty()); },
    [](const PersistentObject& node, const char* name, OptionsBase& o) { o.setDifficulty(node.getInt(name)); }};

constexpr RecordKey<OptionsBase>::ByHand GameModeWithPreset{
    [](PersistentObject& node, const char* name, const OptionsBase& o) { node.setInt(name, o.getGameMode()); },
    [](const PersistentObject& node, const char* name, OptionsBase& o) { o.setGameMode(node.getInt(name)); }};

// Every option key, in the order the profile stores them.
const RecordKey<OptionsBase> OptionKeys[] = {
    {"FightVolume", VolumeInPercent<&OptionsFields::FightVolume>},
    {"ArenaVolume", VolumeInPercent<&OptionsFields::ArenaVolume>},
    {"Difficulty", DifficultyWithPreset},
    {"MinTapsToGetUp", &OptionsBase::MinTapsToGetUp},
    {"MaxTapsToGetUp", &OptionsBase::MaxTapsToGetUp},
    {"KnockdownsMode", &OptionsBase::KnockdownsMode},
    {"DefaultController", &OptionsBase::DefaultController},
    {"EnableRumble", &OptionsBase::EnableRumble},
    {"Penalties", &OptionsBase::Penalties},
    {"Points", &OptionsBase::Points},
    {"PointsForWin", &OptionsBase::PointsForWin},
    {"PointsGapForWin", &OptionsBase::PointsGapForWin},
    {"PenaltiesForDisqualification", &OptionsBase::PenaltiesForDisqualification},
    {"PointsForHeadKick", &OptionsBase::PointsForHeadKick},
    {"PointsForBodyKick", &OptionsBase::PointsForBodyKick},
    {"PointsForKnockDown", &OptionsBase::PointsForKnockDown},
    {"GameMode", GameModeWithPreset},
    {"DefaultCameraAngle", &OptionsBase::DefaultCameraAngle},
};

}  // namespace

Options::Options() = default;

void Options::write(PersistentObject& node) const {
    writeRecordKeys(node, OptionKeys, static_cast<const OptionsBase&>(*this));
}

void Options::read(PersistentObject& node) {
    readRecordKeys(node, OptionKeys, static_cast<OptionsBase&>(*this));
    // A hand-edited file must not leave a downed fighter needing no taps, or fewer at most
    // than at least: the tap count is a divisor in the getting-up rule.
    if (MinTapsToGetUp < 1) MinTapsToGetUp = 1;
    if (MaxTapsToGetUp < MinTapsToGetUp) MaxTapsToGetUp = MinTapsToGetUp;
}

}  // namespace Tavek
