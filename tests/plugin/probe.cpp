// Test-only exports of a library made of the plug-in's own objects: what no export of the
// plug-in reaches (the tick list's walk, a failing Init).
#include <stdexcept>

#include "plugin/PluginGlobals.h"
#include "plugin/TickAble.h"
#include "plugin/TickManager.h"

namespace {

// A ticker that counts its ticks and, on its next tick, does one thing to itself or another.
class ProbeTicker : public Vortane::TickAble {
public:
    void tick() override {
        ++ticks;
        const int now = action;
        action = 0;
        if (now == 1) delete other;
        else if (now == 2) setTicking(false);
        else if (now == 3) other->setTicking(true);
        else if (now == 4) delete this;
    }
    int ticks = 0;
    int action = 0;
    ProbeTicker* other = nullptr;
};

void throwOnce() {
    Vortane::beforeInit = nullptr;
    throw std::runtime_error("the probe made Init fail");
}

}  // namespace

extern "C" {

void* probeTickerNew() { return new ProbeTicker(); }
void probeTickerDelete(void* ticker) { delete static_cast<ProbeTicker*>(ticker); }
void probeTickerSetTicking(void* ticker, int on) { static_cast<ProbeTicker*>(ticker)->setTicking(on != 0); }
int probeTickerTicks(void* ticker) { return static_cast<ProbeTicker*>(ticker)->ticks; }
// On its next tick: 1 deletes other, 2 leaves the list, 3 makes other join, 4 deletes itself.
void probeTickerOnNextTick(void* ticker, int action, void* other) {
    static_cast<ProbeTicker*>(ticker)->action = action;
    static_cast<ProbeTicker*>(ticker)->other = static_cast<ProbeTicker*>(other);
}
void probeTickAll() { Vortane::TickManager::instance().tickAll(); }
int probeTickListSize() { return static_cast<int>(Vortane::TickManager::instance().size()); }
void probeFailNextInit() { Vortane::beforeInit = &throwOnce; }

}  // extern "C"
