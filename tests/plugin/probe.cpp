// Test-only exports of a library made of the plug-in's own objects: what no export of the
// plug-in reaches (the tick list's walk, a failing Init, the test battle).
#include <cstdint>
#include <stdexcept>

#include "plugin/Battle.h"
#include "plugin/PluginGlobals.h"
#include "plugin/TestFighter.h"
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

// The test battle, which nothing in the plug-in builds.
namespace {

Vortane::Battle* battleOf(void* battle) { return static_cast<Vortane::Battle*>(battle); }

}  // namespace

extern "C" {

void* probeBattleNew(uint32_t camera) { return new Vortane::Battle(camera); }
void probeBattleTick(void* battle) { battleOf(battle)->tick(); }
void probeBattleDelete(void* battle) { delete battleOf(battle); }
// What: 0 the loading sprite, 1 the mat's collision set, 2 arena mesh i, 3 light map i, 4 the font,
// 5 fighter i's shown clip mesh, 6 the i-th body of the fighters (A's 16, then B's).
uint32_t probeBattleHandle(void* battle, int what, int i) {
    Vortane::Battle& b = *battleOf(battle);
    switch (what) {
    case 0: return b.getLoadingSprite();
    case 1: return b.getArenaBody();
    case 2: return b.getArenaMeshes().at(static_cast<size_t>(i));
    case 3: return b.getLightMaps().at(static_cast<size_t>(i));
    case 4: return b.getFont();
    case 5: return b.getFighter(i).getClip(b.getFighter(i).getShownClip());
    case 6: return b.getFighter(i / 16).getBody(i % 16);
    default: return 0;
    }
}
// The fighter's command, phase, hit state, value and shown clip, and the battle's reports.
void probeBattleFighter(void* battle, int i, int* command, int* phase, int* hitState, float* value, int* clip,
                        int* hits, int* actionsEnded) {
    const Vortane::Battle& b = *battleOf(battle);
    const Vortane::TestFighter& f = b.getFighter(i);
    *command = f.getCommand();
    *phase = f.getPhase();
    *hitState = f.getHitState();
    *value = f.getValue();
    *clip = f.getShownClip();
    *hits = b.getHits(i);
    *actionsEnded = b.getActionsEnded(i);
}
void probeBattleSetComputer(void* battle, int i, int on) { battleOf(battle)->getFighter(i).setComputerControlled(on); }
void probeBattleSetValue(void* battle, int i, float value) { battleOf(battle)->getFighter(i).setValue(value); }
void probeBattleHit(void* battle, int i) { battleOf(battle)->getFighter(i).takeHit(); }
int probeBattleArenaShown(void* battle) { return battleOf(battle)->areArenaMeshesShown() ? 1 : 0; }

}  // extern "C"
