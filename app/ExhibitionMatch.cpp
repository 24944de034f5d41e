#include "app/ExhibitionMatch.h"

#include <string>

#include "fight/BattleManager.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/win32.h"
#include "state/EnemyFighterState.h"
#include "state/Options.h"

namespace Tavek {

namespace {
constexpr int NationalArena = 0;
constexpr float RoundSeconds = 60.0f;
constexpr float PauseBetweenMatches = 5.0f;
}  // namespace

ExhibitionMatch::ExhibitionMatch()
    : recordA(std::make_unique<EnemyFighterState>()), recordB(std::make_unique<EnemyFighterState>()) {
    fillRosterRecord(0, *recordA);
    fillRosterRecord(1, *recordB);
}

ExhibitionMatch::~ExhibitionMatch() = default;

void ExhibitionMatch::fillRosterRecord(int entry, EnemyFighterState& r) {
    const bool first = entry == 0;
    r.name = first ? "Kai Maren" : "Tomas Reil";
    r.displayName = r.name;
    r.School = first ? "Harbour Gate Dojang" : "Northfield Club";
    r.Age = first ? 32 : 23;
    r.Gender = "M";
    r.BodyType = 2;
    r.Look = first ? 11 : 10;
    r.Stamina = first ? 90 : 85;
    r.Training = first ? 90 : 85;
    r.Defense = 85;
    r.Agility = first ? 85 : 100;
    r.Footwork = 100;
    const KickStats firstKicks[4] = {{75, 70, 75, 70}, {95, 95, 100, 100}, {75, 75, 75, 75}, {75, 70, 75, 70}};
    const KickStats secondKicks[4] = {{70, 70, 75, 70}, {80, 80, 80, 80}, {70, 70, 70, 65}, {95, 95, 100, 100}};
    for (int i = 0; i < 4; ++i) r.kicks[i] = first ? firstKicks[i] : secondKicks[i];
    r.groupLabels[0] = "Group 1";
    r.AIModule = first ? "hard_ai_1" : "dremoai";
    r.AILearnSpeed = 0.0f;
    r.abilities.fromString(first ? "PK9O3" : "GIQU9");
    r.SoundGroup = first ? "male.ferdolan" : "male.zov";
}

void ExhibitionMatch::begin() {
    if (!battleManager) return;
    BattleManager& b = *battleManager;
    b.loadArena(NationalArena, nullptr, 0.0f, 1.0f);
    if (b.getBodyTypeA() != recordA->BodyType) b.applyFighterStateA(*recordA, nullptr, 0.0f, 1.0f);
    if (b.getBodyTypeB() != recordB->BodyType) b.applyFighterStateB(*recordB, nullptr, 0.0f, 1.0f);
    b.loadSoundScape(NationalArena, recordA->SoundGroup, recordB->SoundGroup, false);
    Options options;
    b.applyOptions(options, true, false);
    b.start(1, 0, true, NationalArena, RoundSeconds, true);
    b.applyFighterStateA(*recordA, nullptr, 0.0f, 1.0f);
    b.applyFighterStateB(*recordB, nullptr, 0.0f, 1.0f);
    b.reserved84(1);
    b.attachAIA(recordA->AIModule, recordA->AILearnSpeed);
    b.attachAIB(recordB->AIModule, recordB->AILearnSpeed);
    b.attachSparkAI1("coach");
    b.attachSparkAI2("arena");
    b.setCurrentMaster(this);
    running = true;
    nextMatchIn = -1.0f;
}

void ExhibitionMatch::onMatchOver(int result) {
    ++matchesOver;
    const int reason = battleManager ? battleManager->getEndReason() : 0;
    OutputDebugStringA(("Exhibition match over: result " + std::to_string(result) + ", end reason " +
                        std::to_string(reason) + "\n").c_str());
    if (onFinished) {
        finishPending = true;  // handed back after the battle's frame, not inside it
    } else {
        nextMatchIn = PauseBetweenMatches;
    }
}

void ExhibitionMatch::finish() {
    running = false;
    finishPending = false;
    nextMatchIn = -1.0f;
    if (battleManager) battleManager->stop();
    if (onFinished) onFinished();
}

void ExhibitionMatch::tick() {
    if (finishPending || (running && onFinished && iKeyDown(1))) {
        finish();
        return;
    }
    if (nextMatchIn < 0.0f) return;
    nextMatchIn -= iFrq(0);
    if (nextMatchIn <= 0.0f) begin();
}

}  // namespace Tavek
