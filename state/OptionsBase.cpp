#include "state/OptionsBase.h"

namespace Tavek {

namespace {

struct TapsPreset {
    int minTaps;
    int maxTaps;
};
constexpr TapsPreset TapsByDifficulty[] = {{9, 56}, {14, 65}, {19, 74}, {47, 74}};
constexpr float FactorByDifficulty[] = {0.75f, 1.0f, 1.25f, 2.0f};

struct ScoringPreset {
    bool penalties;
    bool points;
    int pointsForWin;
    int pointsGapForWin;
    int penaltiesForDisqualification;
    int pointsForHeadKick;
    int pointsForBodyKick;
    int pointsForKnockDown;
};
constexpr ScoringPreset ScoringByMode[] = {
    {true, true, 100, 10, 4, 2, 1, 1},
    {true, true, 12, 7, 4, 2, 1, 1},
    {false, true, 0, 0, 0, 0, 0, 1},
    {true, true, 100, 1, 1, 1, 1, 1},
};

bool isPreset(int index) {
    return index >= 0 && index <= 3;
}

}  // namespace

OptionsBase::OptionsBase() = default;

float OptionsBase::getDifficultyFactor() const {
    return isPreset(Difficulty) ? FactorByDifficulty[Difficulty] : 1.0f;
}

OptionsBase& OptionsBase::assign(const OptionsBase& other) {
    static_cast<OptionsFields&>(*this) = other;
    GameMode = other.getGameMode();
    return *this;
}

void OptionsBase::setDifficulty(int difficulty) {
    Difficulty = difficulty;
    if (!isPreset(difficulty)) return;
    MinTapsToGetUp = TapsByDifficulty[difficulty].minTaps;
    MaxTapsToGetUp = TapsByDifficulty[difficulty].maxTaps;
}

int OptionsBase::getDifficulty() const {
    return Difficulty;
}

void OptionsBase::setGameMode(int mode) {
    GameMode = mode;
    if (!isPreset(mode)) return;
    const ScoringPreset& preset = ScoringByMode[mode];
    Penalties = preset.penalties;
    Points = preset.points;
    PointsForWin = preset.pointsForWin;
    PointsGapForWin = preset.pointsGapForWin;
    PenaltiesForDisqualification = preset.penaltiesForDisqualification;
    PointsForHeadKick = preset.pointsForHeadKick;
    PointsForBodyKick = preset.pointsForBodyKick;
    PointsForKnockDown = preset.pointsForKnockDown;
}

int OptionsBase::getGameMode() const {
    return GameMode;
}

}  // namespace Tavek
