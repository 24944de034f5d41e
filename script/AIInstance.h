// The common half of every script AI: a time-limited call of the script's decide() and the
// choice it returned last. Between calls, and while the script asked for a hold, the cached
// choice is handed out again without running the script.
#pragma once

#include <string>
#include <vector>

struct _object;
typedef struct _object PyObject;

namespace Tavek {

class ScriptMaster;

class AIInstance {
public:
    // What decide() returned: kind 0 one control value, 1 a list of them, 3 a text.
    struct Choice {
        int kind = 0;
        int value = 0;
        std::vector<int> values;
        std::string text;
    };

    // The script is called at most once per interval (seconds of iSystemTimer()).
    static constexpr float DecisionInterval = 0.33333334f;

    explicit AIInstance(ScriptMaster* scriptMaster);
    AIInstance(const AIInstance&) = delete;
    AIInstance& operator=(const AIInstance&) = delete;

    // The script's decide callable (borrowed).
    virtual PyObject* getScriptObject() = 0;
    virtual ~AIInstance();
    virtual ScriptMaster* getScriptMaster();
    // The cached choice while a hold runs or the interval is not over; otherwise calls the
    // script with args (a tuple) and caches its answer. Throws ScriptException when the script
    // fails or answers with anything but a tuple whose first item is a number, a list or a text.
    virtual Choice decide(PyObject* args);

    const Choice& getCachedChoice() const { return cached; }

protected:
    ScriptMaster* scriptMaster;   // borrowed; outlives every AI
    // The script module the AI runs ("fighter" for one without a module of its own); names the
    // script when a call runs over its time budget.
    std::string scriptName = "fighter";

private:
    bool decidedOnce = false;
    float lastDecisionTime = 0.0f;
    float decisionInterval = DecisionInterval;
    float holdUntil = 0.0f;
    Choice cached;
};

}  // namespace Tavek
