// The battle manager's life cycle, match set-up and queries.
#include "fight/BattleManager.h"

#include <cstdio>

#include "audio/SoundScape.h"
#include "fight/ArenaFlybyCamera.h"
#include "fight/DeveloperFlybyCamera.h"
#include "fight/FighterAShoulderCamera.h"
#include "fight/FighterBShoulderCamera.h"
#include "fight/FighterDisplayCamera.h"
#include "fight/FighterInstance.h"
#include "fight/IsoCamera.h"
#include "fight/SideCamera.h"
#include "fight/TopStaticCamera.h"
#include "game/CurrentMasterEH.h"
#include "game/MatchScreenEH.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/win32.h"
#include "script/AIMaster.h"
#include "state/EnemyFighterState.h"

namespace {

// The referee's calls, in the order the rules index them.
const char* const refereeFiles[BattleManager::RefereeSoundCount] = {
    "Tavek_res\\sounds\\Ref Start Match.ogg",      "Tavek_res\\sounds\\Ref Pause Match.ogg",
    "Tavek_res\\sounds\\Ref End Match.ogg",        "Tavek_res\\sounds\\Ref Blue Wins.ogg",
    "Tavek_res\\sounds\\Ref Red Wins.ogg",         "Tavek_res\\sounds\\Ref Blue HalfPenalty.ogg",
    "Tavek_res\\sounds\\Ref Red HalfPenalty.ogg",  "Tavek_res\\sounds\\Ref Blue FullPenalty.ogg",
    "Tavek_res\\sounds\\Ref Red FullPenalty.ogg",  "Tavek_res\\sounds\\Ref Count 01.ogg",
    "Tavek_res\\sounds\\Ref Count 02.ogg",         "Tavek_res\\sounds\\Ref Count 03.ogg",
    "Tavek_res\\sounds\\Ref Count 04.ogg",         "Tavek_res\\sounds\\Ref Count 05.ogg",
    "Tavek_res\\sounds\\Ref Count 06.ogg",         "Tavek_res\\sounds\\Ref Count 07.ogg",
    "Tavek_res\\sounds\\Ref Count 08.ogg",         "Tavek_res\\sounds\\Ref Count 09.ogg",
    "Tavek_res\\sounds\\Ref Count 10.ogg",
};

bool validArena(int index, const char* caller) {
    if (index >= 0 && index <= 4) return true;
    OutputDebugStringA((std::string(caller) + ": there is no arena " + std::to_string(index) +
                        " (arenas are 0 to 4); nothing was changed.\n").c_str());
    return false;
}

}  // namespace

BattleManager::BattleManager(uint32_t camera_, Tavek::ScriptMaster* scriptMaster,
                             Tavek::CurrentMasterEH* master, LoadingProgress* loadingScreen)
    : camera(camera_) {
    // The cameras are made in this order and stored at their indices.
    cameras[0] = std::make_unique<IsoCamera>(camera);
    cameras[1] = std::make_unique<TopStaticCamera>(camera);
    cameras[6] = std::make_unique<SideCamera>(camera);
    cameras[2] = std::make_unique<FighterAShoulderCamera>(camera);
    cameras[3] = std::make_unique<FighterBShoulderCamera>(camera);
    cameras[4] = std::make_unique<DeveloperFlybyCamera>(camera);
    cameras[5] = std::make_unique<FighterDisplayCamera>(camera);
    cameraIndex = 0;
    currentMaster = master;
    aiMaster = std::make_unique<Tavek::AIMaster>(scriptMaster);
    for (int i = 0; i < RefereeSoundCount; ++i) refereeSounds[static_cast<size_t>(i)] = iSoundOggCreate(refereeFiles[i], 0, 0);
    backgroundNoise = iSoundOggCreate("Tavek_res\\sounds\\background noise.ogg", 0, 0);
    tapStep = 0.0f;
    battle.setAIMaster(aiMaster.get());
    battle.setLoadingScreen(loadingScreen);
    battle.buildArena(1);
    iListenerCameraSet(camera);
}

BattleManager::~BattleManager() {
    for (auto& c : cameras) c.reset();
    battle.destroy();
    for (int i = 8; i >= 0; --i) iSoundDestroy(refereeSounds[static_cast<size_t>(i)]);
    for (int i = 9; i < RefereeSoundCount; ++i) iSoundDestroy(refereeSounds[static_cast<size_t>(i)]);
    iSoundDestroy(backgroundNoise);
    flybyCamera.reset();
    aiMaster.reset();
}

Tavek::MatchScreenEH* BattleManager::screen() const {
    return currentMaster ? currentMaster->getMatchScreenEH() : nullptr;
}

FighterInstance* BattleManager::opponentOf(FighterInstance* fighter) {
    return isA(fighter) ? fighterB() : fighterA();
}

void BattleManager::deleteFlybyCamera() { flybyCamera.reset(); }

void BattleManager::applyOptions(const Tavek::OptionsBase& options, bool customRules, bool forceMode3) {
    rules.assign(options);
    if (battle.soundScape) battle.soundScape->setVolume(options.FightVolume);
    if (customRules) {
        battle.headPointValue = options.PointsForHeadKick;
        battle.trunkPointValue = options.PointsForBodyKick;
    } else {
        rules.setGameMode(0);
    }
    if (battle.battleMode == 4) rules.Penalties = false;
    if (forceMode3) rules.setGameMode(3);
}

void BattleManager::start(int mode, int round, bool decideOnTimeUp, int arenaIndex, float clockSeconds,
                          bool swapped) {
    if (mode == 0) {
        OutputDebugStringA("Do not use BattleManager::start(...) to disable battle. Instead use BattleManager::stop().\n");
    }
    if (!validArena(arenaIndex, "BattleManager::start")) return;
    // A fly-by left over from a match stopped during its introduction goes now.
    deleteFlybyCamera();
    sidesSwapped = swapped;
    battle.setUp(mode, round, decideOnTimeUp, arenaIndex, clockSeconds, swapped);
    battle.fightVolume = rules.FightVolume;
    battle.arenaVolume = rules.ArenaVolume;
    if (round == 0) {
        battle.pickRandomLooks();
        battle.fighterA.trackedActions.clear();
        battle.fighterB.trackedActions.clear();
    }
    setBattleState(1);
    endReason = 0;
    if (Tavek::MatchScreenEH* s = screen()) s->setOverlayLevel(1.0f);
    for (int i = 0; i < 3; ++i) {
        if (Tavek::MatchScreenEH* s = screen()) s->setTextLine(i, "");
    }
    tapStep = 0.0f;
    aiTapPeriod = 0.0f;
    aiTapTimer = 0.0f;
    cameraIndex = rules.DefaultCameraAngle == 1 ? 6 : 0;
}

void BattleManager::stop() {
    deleteFlybyCamera();
    battle.setUp(0, 1, true, 0, -1.0f, true);
    iSoundStop(backgroundNoise, 0);
}

void BattleManager::setCurrentMaster(Tavek::CurrentMasterEH* master) { currentMaster = master; }

void BattleManager::loadArena(int index, LoadingProgress* loadingScreen, float from, float to) {
    if (!validArena(index, "BattleManager::loadArena")) return;
    if (battle.sceneCount[static_cast<size_t>(index)] != 0) return;
    for (int i = 0; i < 5; ++i) {
        if (battle.sceneCount[static_cast<size_t>(i)] != 0 || battle.litCount[static_cast<size_t>(i)] != 0) {
            battle.destroyArenaMeshes(i);
        }
    }
    battle.setLoadingScreen(loadingScreen);
    battle.buildArenaMeshes(index, from, to);
}

void BattleManager::loadSoundScape(int arenaIndex, const std::string& voiceGroupA, const std::string& voiceGroupB,
                                   bool withTutorial) {
    if (battle.soundScape) battle.soundScape->load(arenaIndex, voiceGroupA, voiceGroupB, withTutorial);
}

void BattleManager::applyFighterStateA(Tavek::EnemyFighterState& record, LoadingProgress* progress, float from,
                                       float to) {
    record.applyToInstance(battle.fighterA, sidesSwapped ? 0 : 1, progress, from, to);
}

void BattleManager::applyFighterStateB(Tavek::EnemyFighterState& record, LoadingProgress* progress, float from,
                                       float to) {
    record.applyToInstance(battle.fighterB, sidesSwapped ? 1 : 0, progress, from, to);
}

FighterInstance* BattleManager::getFighterFieldA() { return fighterA(); }
FighterInstance* BattleManager::getFighterFieldB() { return fighterB(); }
const std::string* BattleManager::getNameA() { return &battle.fighterA.name; }
const std::string* BattleManager::getNameB() { return &battle.fighterB.name; }

namespace {
void setController(FighterInstance& fighter, int index) {
    fighter.inputMapper.setJoystickIndex(index);
    if (index < 0) {
        fighter.inputMapper.setDefaultKeyboard();
    } else {
        fighter.inputMapper.setDefaultJoystick();
    }
}
}  // namespace

void BattleManager::setControllerA(int index) { setController(battle.fighterA, index); }
void BattleManager::setControllerB(int index) { setController(battle.fighterB, index); }

void BattleManager::attachAIA(const std::string& name, double learnSpeed) { battle.attachFighterAIA(name, learnSpeed); }
void BattleManager::attachAIB(const std::string& name, double learnSpeed) { battle.attachFighterAIB(name, learnSpeed); }

void BattleManager::clearAIA() {
    battle.attachFighterAIA("", 0.0);
    battle.fighterA.aiDriven = false;
}

void BattleManager::clearAIB() {
    battle.attachFighterAIB("", 0.0);
    battle.fighterB.aiDriven = false;
}

void BattleManager::attachSparkAI1(const std::string& name) { battle.attachSparkAI1(name); }
void BattleManager::clearSparkAI1() { battle.attachSparkAI1(""); }
void BattleManager::attachSparkAI2(const std::string& name) { battle.attachSparkAI2(name); }
void BattleManager::clearSparkAI2() { battle.attachSparkAI2(""); }
void BattleManager::attachSparkAI3(const std::string& name) { battle.attachSparkAI3(name); }
void BattleManager::clearSparkAI3() { battle.attachSparkAI3(""); }

void BattleManager::setProtectionA(int corner, int belt) { battle.fighterA.applyProtectionTexture(corner, belt); }
void BattleManager::setProtectionB(int corner, int belt) { battle.fighterB.applyProtectionTexture(corner, belt); }

void BattleManager::setUpMeshesA(int type, LoadingProgress* progress, float from, float to) {
    battle.fighterA.setUpBodyMeshes(type, progress, from, to);
}

void BattleManager::setUpMeshesB(int type, LoadingProgress* progress, float from, float to) {
    battle.fighterB.setUpBodyMeshes(type, progress, from, to);
}

int BattleManager::getBodyTypeA() { return battle.fighterA.getBodyType(); }
int BattleManager::getBodyTypeB() { return battle.fighterB.getBodyType(); }
void BattleManager::setSkinA(int index) { battle.fighterA.applySkinTexture(index); }
void BattleManager::setSkinB(int index) { battle.fighterB.applySkinTexture(index); }
bool BattleManager::isHumanA() { return !battle.fighterA.aiDriven; }
bool BattleManager::isHumanB() { return !battle.fighterB.aiDriven; }
bool BattleManager::isPlayerA() { return !battle.fighterA.aiDriven; }
bool BattleManager::isPlayerB() { return !battle.fighterB.aiDriven; }
int BattleManager::getScoreA() { return netScore(fighterA()); }
int BattleManager::getScoreB() { return netScore(fighterB()); }
void BattleManager::reserved84(int) {}
void BattleManager::reserved85() {}
Tavek::OptionsBase* BattleManager::getRules() { return &rules; }

void BattleManager::pause() {
    for (FighterInstance* f : {fighterA(), fighterB()}) {
        f->setPhysicsEnabled(false);
        f->setAnimationPaused(true);
    }
    savedStateTime = battle.timeInState;
    savedState = battle.battleState;
    battle.setState(2);
    if (currentMaster) currentMaster->pauseMatch();
}

void BattleManager::resume() {
    for (FighterInstance* f : {fighterA(), fighterB()}) {
        f->setPhysicsEnabled(true);
        f->setAnimationPaused(false);
    }
    battle.setState(savedState);
    battle.timeInState = savedStateTime;
}
