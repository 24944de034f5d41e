#include "game/SingleMatchMaster.h"

#include "app/GameMasterEH.h"
#include "fight/BattleManager.h"
#include "game/DaviScreen.h"
#include "game/LoadingScreen.h"
#include "game/MainGuiMasterEH.h"
#include "game/MatchScreen.h"
#include "game/MatchScreenEH.h"
#include "game/SingleMatchSetupScreen.h"
#include "gui/GuiManager.h"
#include "persistence/PersistentObject.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/win32.h"
#include "state/EnemyFighterState.h"
#include "state/Options.h"
#include "state/ProfileState.h"

namespace Tavek {

namespace {

// The loading bar's step once the quick match is built: the menu master's tenth after its nine.
constexpr float BuiltProgress = 0.2605263f;
// Frames the loading screen is drawn before anything loads (its look: the bar at 0 for a moment).
constexpr int WaitFrames = 31;
// Share of the bar for each fighter that must be rebuilt.
constexpr float FighterShare = 0.15f;
constexpr float AdvertisementDelay = 5.0f;

constexpr int KeyboardController = 0;
constexpr int GamepadController = 1;
constexpr int ComputerController = 2;

struct RosterEntry {
    const char* element;
    const char* name;
    const char* school;
    int age, look;
    int stamina, training, defense, agility, footwork;
    KickStats kicks[EnemyFighterState::KickFamilyCount];
    const char* aiModule;
    const char* abilities;
    const char* soundGroup;
};

const RosterEntry Roster[2] = {
    {"QuickFighter0", "Kai Maren", "Harbour Gate Dojang", 32, 11, 90, 90, 85, 85, 100,
     {{75, 70, 75, 70}, {95, 95, 100, 100}, {75, 75, 75, 75}, {75, 70, 75, 70}},
     "hard_ai_1", "PK9O3", "male.ferdolan"},
    {"QuickFighter1", "Tomas Reil", "Northfield Club", 23, 10, 85, 85, 85, 100, 100,
     {{70, 70, 75, 70}, {80, 80, 80, 80}, {70, 70, 70, 65}, {95, 95, 100, 100}},
     "dremoai", "GIQU9", "male.zov"},
};

void logLine(const std::string& text) { OutputDebugStringA((text + "\n").c_str()); }

}  // namespace

SingleMatchMaster::SingleMatchMaster(MainGuiMasterEH* parent)
    : parent(parent), rosterRoot(std::make_unique<PersistentObject>("QMF")) {
    previousArena = 0;
    for (int entry = 0; entry < 2; ++entry) {
        auto* record = new EnemyFighterState(Roster[entry].element, rosterRoot.get());
        fillRosterRecord(entry, *record);
        roster.push_back(record);
    }
    setupScreen = std::make_unique<SingleMatchSetupScreen>(this, parent ? parent->getGuiBlocks() : nullptr);
    if (LoadingScreen* loading = parent ? parent->getLoadingScreen() : nullptr)
        loading->setProgressAndPresent(BuiltProgress);
}

SingleMatchMaster::~SingleMatchMaster() {
    setupScreen.reset();
    for (EnemyFighterState* record : roster) delete record;
    roster.clear();
}

void SingleMatchMaster::fillRosterRecord(int entry, EnemyFighterState& r) {
    const RosterEntry& e = Roster[entry == 0 ? 0 : 1];
    r.name = e.name;
    r.displayName = e.name;
    r.School = e.school;
    r.Age = e.age;
    r.Gender = "M";
    r.BodyType = 2;
    r.Look = e.look;
    r.Stamina = e.stamina;
    r.Training = e.training;
    r.Defense = e.defense;
    r.Agility = e.agility;
    r.Footwork = e.footwork;
    for (int i = 0; i < EnemyFighterState::KickFamilyCount; ++i) r.kicks[i] = e.kicks[i];
    r.groupLabels[0] = "Group 1";
    r.AIModule = e.aiModule;
    r.AILearnSpeed = 0.0f;
    r.abilities.fromString(e.abilities);
    r.SoundGroup = e.soundGroup;
}

GuiManager* SingleMatchMaster::getGuiManager() {
    GameMasterEH* game = parent ? parent->getGameMaster() : nullptr;
    return game ? game->getGuiManager() : nullptr;
}

void SingleMatchMaster::begin() {
    if (GuiManager* gui = getGuiManager()) gui->setScreen(setupScreen.get());
}

void SingleMatchMaster::leave() {
    if (parent) parent->leaveMode();
}

void SingleMatchMaster::startMatch() {
    previousArena = 0;
    LoadingScreen* loading = parent ? parent->getLoadingScreen() : nullptr;
    GuiManager* gui = getGuiManager();
    GameMasterEH* game = parent ? parent->getGameMaster() : nullptr;
    BattleManager* battle = game ? game->getBattleManager() : nullptr;
    if (!loading || !gui || !battle) return;

    loading->setProgress(0.0f);
    static_cast<TickAble*>(loading)->tick();
    gui->setScreen(loading);
    // The frame loop waits here: the setup screen closes and the bar shows, frame by frame.
    for (int pass = 0; pass < WaitFrames; ++pass) {
        gui->pollInput();
        iRender();
        Sleep(static_cast<DWORD>(iFrq(0) * 1000.0f));
    }

    float arenaEnd = 1.0f, aStart = 0.0f, aEnd = 0.0f, bStart = 0.0f, bEnd = 0.0f;
    EnemyFighterState& fA = *roster.at(static_cast<size_t>(setupScreen->getFighterAIndex()));
    EnemyFighterState& fB = *roster.at(static_cast<size_t>(setupScreen->getFighterBIndex()));
    if (battle->getBodyTypeA() != fA.BodyType) {
        arenaEnd = 1.0f - FighterShare;
        aStart = arenaEnd;
        aEnd = 1.0f;
    }
    if (battle->getBodyTypeB() != fB.BodyType) {
        arenaEnd -= FighterShare;
        if (aStart != 0.0f) {
            aStart -= FighterShare;
            aEnd -= FighterShare;
            bStart = aEnd;
        } else {
            bStart = arenaEnd;
        }
        bEnd = bStart + FighterShare;
    }
    const int arena = setupScreen->getArena();
    battle->loadArena(arena, loading, 0.0f, arenaEnd);
    if (aStart != 0.0f) battle->applyFighterStateA(fA, loading, aStart, aEnd);
    if (bStart != 0.0f) battle->applyFighterStateB(fB, loading, bStart, bEnd);
    battle->loadSoundScape(arena, fA.SoundGroup, fB.SoundGroup, false);
    loading->setProgress(1.0f);

    MatchScreen* matchScreen = parent->getMatchScreen();
    gui->setScreen(matchScreen ? static_cast<GuiScreen*>(matchScreen) : nullptr);
}

void SingleMatchMaster::onMatchScreenShown() {
    if (parent) parent->onMatchScreenShown();
    GameMasterEH* game = parent ? parent->getGameMaster() : nullptr;
    BattleManager* battle = game ? game->getBattleManager() : nullptr;
    if (!battle) return;

    ProfileState* profile = game->getProfile();
    Options defaults;
    if (!profile) logLine("Quick match: no player profile, the match plays under the default rules");
    const Options& options = profile ? profile->getOptions() : defaults;
    EnemyFighterState& fA = *roster.at(static_cast<size_t>(setupScreen->getFighterAIndex()));
    EnemyFighterState& fB = *roster.at(static_cast<size_t>(setupScreen->getFighterBIndex()));
    const int rounds = setupScreen->getRoundsChoice();
    const float seconds = setupScreen->getRoundSeconds();
    const int arena = setupScreen->getArena();

    battle->applyOptions(options, true, false);
    battle->start(1, previousArena, previousArena == rounds, arena, seconds, true);
    // The round-0 set-up resets both fighters' statistics: give them their records again.
    battle->applyFighterStateA(fA, nullptr, 0.0f, 1.0f);
    battle->applyFighterStateB(fB, nullptr, 0.0f, 1.0f);
    battle->reserved84(rounds);
    switch (setupScreen->getControllerA()) {
    case KeyboardController:
        battle->clearAIA();
        battle->setControllerA(-1);
        break;
    case GamepadController:
        battle->clearAIA();
        battle->setControllerA(0);
        break;
    case ComputerController:
        battle->attachAIA(fA.AIModule, fA.AILearnSpeed);
        break;
    default:
        break;
    }
    battle->attachAIB(fB.AIModule, fB.AILearnSpeed);
    battle->attachSparkAI1("coach");
    battle->attachSparkAI2("arena");
    battle->setCurrentMaster(static_cast<CurrentMasterEH*>(this));
}

void SingleMatchMaster::onMatchOver(int result) {
    GameMasterEH* game = parent ? parent->getGameMaster() : nullptr;
    BattleManager* battle = game ? game->getBattleManager() : nullptr;
    finishMatch(result, std::to_string(battle ? battle->getEndReason() : 0));
}

void SingleMatchMaster::finishMatch(int result, const std::string& reason) {
    if (parent) {
        parent->onMatchOver(result);
        parent->onMatchClosed(result);
    }
    logLine("Quick match over: result " + std::to_string(result) + ", end reason " + reason);
    DaviScreen* davi = parent ? parent->getDaviScreen() : nullptr;
    if (davi) davi->setDelay(AdvertisementDelay);
    // Taking the match screen down stops the battle.
    if (GuiManager* gui = getGuiManager()) gui->setScreen(davi);
}

void SingleMatchMaster::pauseMatch() {
    if (MatchScreenEH* screen = getMatchScreenEH()) screen->showPauseDialog();
}

void SingleMatchMaster::resumeMatch() {
    if (MatchScreenEH* screen = getMatchScreenEH()) screen->hidePauseDialog();
    GameMasterEH* game = parent ? parent->getGameMaster() : nullptr;
    if (BattleManager* battle = game ? game->getBattleManager() : nullptr) battle->resume();
}

void SingleMatchMaster::forfeitMatch() {
    resumeMatch();
    GameMasterEH* game = parent ? parent->getGameMaster() : nullptr;
    BattleManager* battle = game ? game->getBattleManager() : nullptr;
    const bool humanA = battle && battle->isHumanA();
    const bool humanB = battle && battle->isHumanB();
    const int result = humanA && !humanB ? 1 : (humanB && !humanA ? 0 : 2);
    finishMatch(result, "forfeit");
}

void SingleMatchMaster::onDaviScreenDone() {
    if (GuiManager* gui = getGuiManager()) gui->setScreen(setupScreen.get());
}

MatchScreenEH* SingleMatchMaster::getMatchScreenEH() { return parent ? parent->getMatchScreenEH() : nullptr; }

}  // namespace Tavek
