// What a fighter asks of the battle that owns it: its opponent, event sounds, the strike
// contacts, the pull on a lying fighter and the battle's state. The battle outlives its fighters
// and is never deleted through this interface.
#pragma once

#include <string>

class FighterInstance;

class BattleInstanceEH {
public:
    virtual FighterInstance* getOpponent(FighterInstance* fighter) = 0;
    // Plays a sound event for the fighter; key selects the voice group ("" for none).
    virtual void playFighterSound(const std::string& event, FighterInstance* fighter,
                                  const std::string& key) = 0;
    virtual void setContactsEnabled(bool enabled) = 0;
    // Moves the bodies of a lying fighter (its movement mode 5).
    virtual void applyGravity(FighterInstance* fighter) = 0;
    virtual bool isRunning() = 0;
    virtual int getRound() = 0;
    virtual bool isFightMode() = 0;

protected:
    ~BattleInstanceEH() = default;
};
