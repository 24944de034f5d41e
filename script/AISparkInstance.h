// A script that watches both fighters from outside the fight (the coach, the arena's crowd),
// built as fighter.Spark(<module or None>, fighterA, fighterB) over the two fighters' ai_fighter
// objects. The battle ticks it on its own timers and plays the text it answers.
#pragma once

#include <string>

#include "script/AIInstance.h"

class FighterInstance;

namespace Tavek {

class AISparkInstance : public virtual AIInstance {
public:
    // Both fighters need a script mirror. Throws ScriptException when one has none or the
    // script fails.
    AISparkInstance(ScriptMaster* scriptMaster, FighterInstance* fighterA, FighterInstance* fighterB,
                    const std::string& moduleName);
    ~AISparkInstance() override;

    PyObject* getScriptObject() override { return decideCallable; }

    virtual void setArenaType(int arenaType);
    virtual Choice tick(bool flag);

private:
    void releaseReferences();

    PyObject* sparkObject = nullptr;
    PyObject* decideCallable = nullptr;
};

}  // namespace Tavek
