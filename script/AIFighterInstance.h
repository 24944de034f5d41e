// A fighter's script mirror: the script's Fighter object, built from the fighter's AI module,
// whose ai_fighter attributes the fighter keeps current through the mirror's setters. For a
// script-driven fighter it also asks the script for moves (tick) and turns the held control 50
// into a press and a release of the input machine's fifth button.
#pragma once

#include <string>

#include "fight/AIFighterMirror.h"
#include "script/AIInstance.h"

class FighterInstance;

namespace Tavek {

class AIFighterInstance : public virtual AIInstance, public AIFighterMirror {
public:
    // The control value that stands for a held button.
    static constexpr int HeldControl = 50;

    // Builds fighter.Fighter(<module or None>, <learnSpeed>) and pushes the fighter's health,
    // score and location. moduleName must already be imported (AIMaster does that). Throws
    // ScriptException when the script fails.
    AIFighterInstance(ScriptMaster* scriptMaster, FighterInstance* fighter, const std::string& moduleName,
                      double learnSpeed);
    ~AIFighterInstance() override;

    PyObject* getScriptObject() override { return decideCallable; }

    // Asks the script for a move against opponent (at most every third of a second) and feeds
    // the answer through the latch. Throws ScriptException when the opponent has no mirror or
    // the script fails.
    virtual Choice tick(FighterInstance* opponent);
    virtual void feedControl(int value);
    virtual bool wasPressed();
    virtual bool wasReleased();
    void setHealth(float health) override;
    void setScore(int score) override;
    void setControl(int control) override;
    void setAction(int action) override;
    void setLocation(const Vector3& location) override;
    void setGeneralBlocking(bool blocking) override;
    void setJustScored(bool justScored) override;
    void setBalance(float balance) override;
    void setTimeRemaining(float seconds) override;
    // The script's ai_fighter object (borrowed).
    virtual PyObject* getFighter();

    // The script's Fighter object (borrowed), handed to the opponent's decide().
    PyObject* getScriptFighter() const { return fighterObject; }
    FighterInstance* getMirroredFighter() const { return fighter; }

private:
    void setAttribute(const char* name, PyObject* value);
    void releaseReferences();

    FighterInstance* fighter;   // borrowed; owns this mirror
    PyObject* fighterObject = nullptr;
    PyObject* aiFighterObject = nullptr;
    PyObject* locationSequence = nullptr;
    PyObject* decideCallable = nullptr;
    bool pressed = false;
    bool held = false;
    bool released = false;
};

}  // namespace Tavek
