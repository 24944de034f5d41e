// The script AI's copy of a fighter's state. The fighter owns its mirror and pushes every change
// into it; a setter may throw Tavek::ScriptException when the script fails.
#pragma once

#include "math/Vector3.h"

class AIFighterMirror {
public:
    virtual ~AIFighterMirror() = default;

    virtual void setHealth(float health) = 0;
    virtual void setScore(int score) = 0;
    virtual void setControl(int control) = 0;
    virtual void setAction(int action) = 0;
    virtual void setLocation(const Vector3& location) = 0;
    virtual void setGeneralBlocking(bool blocking) = 0;
    virtual void setJustScored(bool justScored) = 0;
    virtual void setBalance(float balance) = 0;
    virtual void setTimeRemaining(float seconds) = 0;
};
