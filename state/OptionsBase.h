// The player's game options: volumes, AI difficulty, scoring rules, getting up after a
// knock-down, default controller and camera. The fight copies them at the start of a match.
#pragma once

namespace Tavek {

// Every option as a plain value, copied with `=`.
struct OptionsFields {
    int GameMode = 0;
    int Difficulty = 1;
    float FightVolume = 1.0f;
    float ArenaVolume = 1.0f;
    int KnockdownsMode = 0;
    int DefaultController = 1;
    bool EnableRumble = true;
    bool Penalties = true;
    bool Points = true;
    int PointsForWin = 100;
    int PointsGapForWin = 10;
    int PenaltiesForDisqualification = 4;
    int PointsForHeadKick = 2;
    int PointsForBodyKick = 1;
    int PointsForKnockDown = 1;
    int MinTapsToGetUp = 14;
    int MaxTapsToGetUp = 65;
    int DefaultCameraAngle = 0;
};

class OptionsBase : public OptionsFields {
public:
    OptionsBase();
    virtual ~OptionsBase() = default;

    // 0.75, 1.0, 1.25 or 2.0 for difficulties 0 to 3; 1.0 for any other value.
    virtual float getDifficultyFactor() const;
    // Copies every field as it stands; no preset is applied.
    virtual OptionsBase& assign(const OptionsBase& other);
    // Stores the difficulty; 0 to 3 also set the taps needed to get up.
    virtual void setDifficulty(int difficulty);
    virtual int getDifficulty() const;
    // Stores the game mode; 0 to 3 also apply that mode's scoring rules.
    virtual void setGameMode(int mode);
    virtual int getGameMode() const;
};

}  // namespace Tavek
