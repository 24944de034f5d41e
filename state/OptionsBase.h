// The player's game options: volumes, AI difficulty, scoring rules, getting up after a
// knock-down, default controller and camera. The fight copies them at the start of a match.
#pragma once

namespace Tavek {

class OptionsBase {
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

    int GameMode;
    int Difficulty;
    float FightVolume;
    float ArenaVolume;
    int KnockdownsMode;
    int DefaultController;
    bool EnableRumble;
    bool Penalties;
    bool Points;
    int PointsForWin;
    int PointsGapForWin;
    int PenaltiesForDisqualification;
    int PointsForHeadKick;
    int PointsForBodyKick;
    int PointsForKnockDown;
    int MinTapsToGetUp;
    int MaxTapsToGetUp;
    int DefaultCameraAngle;
};

}  // namespace Tavek
