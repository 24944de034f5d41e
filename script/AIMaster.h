// Imports the shared AI modules and attaches script AIs: a mirror to every fighter (driving it
// when a module is named) and the battle's three spark scripts. Lives as long as the battle
// manager; the fighters own their mirrors and the battle owns its sparks.
#pragma once

#include <memory>
#include <string>

#include "script/AISparkInstance.h"

class FighterInstance;

namespace Tavek {

class ScriptMaster;

class AIMaster {
public:
    // Imports "fighter", then "controls". Throws ScriptException when either fails.
    explicit AIMaster(ScriptMaster* scriptMaster);
    virtual ~AIMaster();
    AIMaster(const AIMaster&) = delete;
    AIMaster& operator=(const AIMaster&) = delete;

    // Gives the fighter a new mirror built from moduleName ("" for none: the fighter is then
    // not AI-driven). A named module is imported and reloaded first, so edits to the file count.
    // The fighter keeps its old mirror when this throws.
    virtual void attachFighterAI(FighterInstance* fighter, const std::string& moduleName, double learnSpeed);

    // The battle's spark slots; "" empties the slot. The battle passes itself: it has
    // fighterA and fighterB (FighterInstance) and sparkAI1..3, each a std::unique_ptr or an
    // owning pointer of AISparkInstance (the slot's old instance is deleted). Private members
    // need the battle to befriend Tavek::AIMaster.
    template <class Battle>
    void attachSparkAI1(Battle* battle, const std::string& moduleName) {
        attachSparkAI(battle->fighterA, battle->fighterB, battle->sparkAI1, moduleName);
    }
    template <class Battle>
    void attachSparkAI2(Battle* battle, const std::string& moduleName) {
        attachSparkAI(battle->fighterA, battle->fighterB, battle->sparkAI2, moduleName);
    }
    template <class Battle>
    void attachSparkAI3(Battle* battle, const std::string& moduleName) {
        attachSparkAI(battle->fighterA, battle->fighterB, battle->sparkAI3, moduleName);
    }

    virtual ScriptMaster* getScriptMaster();

    // What the three spark operations do with their battle's fighters and slot.
    virtual void attachSparkAI(FighterInstance& fighterA, FighterInstance& fighterB,
                               std::unique_ptr<AISparkInstance>& slot, const std::string& moduleName);
    void attachSparkAI(FighterInstance& fighterA, FighterInstance& fighterB, AISparkInstance*& slot,
                       const std::string& moduleName);

    // Whether name may be imported as an AI module: a plain identifier naming a .py file of the
    // scripts folder. Anything else fails like a missing module.
    static bool isAIModuleName(const std::string& name);

private:
    // Imports and reloads a named AI module; refuses names that are not AI modules.
    void loadModule(const std::string& moduleName);

    ScriptMaster* scriptMaster;   // borrowed; the game master's
};

}  // namespace Tavek
