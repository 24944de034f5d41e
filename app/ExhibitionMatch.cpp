#include "app/ExhibitionMatch.h"

#include <string>

#include "app/GameMasterEH.h"
#include "fight/BattleManager.h"
#include "game/DaviScreen.h"
#include "game/LoadingScreen.h"
#include "game/MainGuiMasterEH.h"
#include "gui/GuiManager.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/win32.h"
#include "state/EnemyFighterState.h"
#include "state/Options.h"
#include "state/ProfileState.h"

namespace Tavek {

namespace {
constexpr int NationalArena = 0;
constexpr float RoundSeconds = 60.0f;
constexpr int NoWinner = 2;
constexpr float AdvertisementDelay = 5.0f;
constexpr int EscKey = 1;
}  // namespace

ExhibitionMatch::ExhibitionMatch(BattleManager* battleManager, MainGuiMasterEH* parent)
    : battleManager(battleManager),
      parent(parent),
      recordA(std::make_unique<EnemyFighterState>()),
      recordB(std::make_unique<EnemyFighterState>()) {
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
    if (!battleManager || !parent) return;
    LoadingScreen* loading = parent->getLoadingScreen();
    loading->setProgress(0.0f);
    if (GuiManager* gui = parent->getGameMaster()->getGuiManager()) gui->setScreen(loading);
    handBackPending = false;
    loadPending = true;
}

void ExhibitionMatch::load() {
    loadPending = false;
    BattleManager& b = *battleManager;
    LoadingScreen* loading = parent->getLoadingScreen();
    GameMasterEH* game = parent->getGameMaster();
    // A fighter whose body type differs from its record's is rebuilt behind the bar.
    const bool rebuildA = b.getBodyTypeA() != recordA->BodyType;
    const bool rebuildB = b.getBodyTypeB() != recordB->BodyType;
    const float arenaEnd = rebuildA && rebuildB ? 0.7f : (rebuildA || rebuildB ? 0.85f : 1.0f);
    b.loadArena(NationalArena, loading, 0.0f, arenaEnd);
    if (rebuildA) b.applyFighterStateA(*recordA, loading, arenaEnd, rebuildB ? 0.85f : 1.0f);
    if (rebuildB) b.applyFighterStateB(*recordB, loading, rebuildA ? 0.85f : arenaEnd, 1.0f);
    b.loadSoundScape(NationalArena, recordA->SoundGroup, recordB->SoundGroup, false);
    loading->setProgress(1.0f);
    if (GuiManager* gui = game->getGuiManager()) gui->setScreen(nullptr);
    parent->onMatchScreenShown();

    if (ProfileState* profile = game->getProfile()) {
        b.applyOptions(profile->getOptions(), true, false);
    } else {
        b.applyOptions(Options(), true, false);
    }
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
}

void ExhibitionMatch::onMatchOver(int result) {
    ++matchesOver;
    const int reason = battleManager ? battleManager->getEndReason() : 0;
    OutputDebugStringA(("Exhibition match over: result " + std::to_string(result) + ", end reason " +
                        std::to_string(reason) + "\n").c_str());
    // Handed back after the battle's frame, never inside it.
    handBackPending = true;
    pendingResult = result;
}

void ExhibitionMatch::handBack(int result) {
    running = false;
    handBackPending = false;
    battleManager->stop();
    parent->onMatchOver(result);
    parent->onMatchClosed(result);
    DaviScreen* advertisement = parent->getDaviScreen();
    advertisement->setDelay(AdvertisementDelay);
    if (GuiManager* gui = parent->getGameMaster()->getGuiManager()) gui->setScreen(advertisement);
}

void ExhibitionMatch::tick() {
    if (!battleManager || !parent) return;
    if (loadPending) {
        GuiManager* gui = parent->getGameMaster()->getGuiManager();
        if (!gui || gui->getPreviousScreen() == nullptr) load();
        return;
    }
    if (handBackPending) {
        handBack(pendingResult);
    } else if (running && iKeyDown(EscKey)) {
        handBack(NoWinner);
    }
}

void ExhibitionMatch::onDaviScreenDone() {
    if (parent) parent->leaveMode();
}

}  // namespace Tavek
