// The stage of a fight: the mat, the scenery of the five arenas, the two fighters (blue A and
// red B) with their input machines, the match's sound scape, the links to the script AIs, the
// strike contacts between the fighters and the arenas' fly-by paths. The battle manager holds
// one for the whole process: it builds an arena once, sets the battle up for every match and
// steps it every frame. The battle is also what its fighters ask for their opponent, sounds,
// contacts and gravity. It owns its sound scape, its spark AIs' slots are filled by the AI
// master, and every engine object it makes goes back through the resource archive.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fight/ArenaFlybyList.h"
#include "fight/BattleInstanceEH.h"
#include "fight/FighterInstance.h"
#include "fight/HitInformation.h"
#include "fight/InputMachine.h"
#include "math/Vector3.h"

class LoadingProgress;

namespace Tavek {
class AIMaster;
class AISparkInstance;
class SoundScape;
}  // namespace Tavek

class BattleInstance : public virtual BattleInstanceEH {
public:
    static constexpr int ArenaCount = 5;
    static constexpr int MaxSceneMeshes = 80;
    static constexpr int MaxLightMaps = 10;
    static constexpr int PartCount = FighterInstance::PartCount;
    // The mat every arena stands on.
    static constexpr const char* MatBodyFile = "Tavek_res\\arenas\\mat_0.93.ply";

    BattleInstance();
    BattleInstance(const BattleInstance&) = delete;
    BattleInstance& operator=(const BattleInstance&) = delete;
    // Releases whatever destroy() has not.
    virtual ~BattleInstance();

    // --- Own hooks -----------------------------------------------------------------------------
    virtual void showFighterB();
    virtual void onIdle() {}
    // A fighter reported events this frame (nothing here; a derived battle may react).
    virtual void onEvent(FighterInstance*) {}
    // An externally driven fighter stands idle (nothing here).
    virtual void onEvent2(FighterInstance*) {}

    // --- What the fighters ask of their battle --------------------------------------------------
    FighterInstance* getOpponent(FighterInstance* fighter) override;
    void playFighterSound(const std::string& event, FighterInstance* fighter,
                          const std::string& key) override;
    void setContactsEnabled(bool enabled) override;
    void applyGravity(FighterInstance* fighter) override;
    bool isRunning() override;
    int getRound() override;
    bool isFightMode() override;

    // --- Links and settings ---------------------------------------------------------------------
    void setLoadingScreen(LoadingProgress* screen) { loadingScreen = screen; }
    void setAIMaster(Tavek::AIMaster* master) { aiMaster = master; }
    void setFightActive(bool active) { fightActive = active; }
    void setSoundVolume(float volume);
    // The fighters get no control while the developer camera is in use.
    void setDeveloperCameraActive(bool active) { developerCameraActive = active; }
    bool isDeveloperCameraActive() const { return developerCameraActive; }
    InputMachine* getInputMachine(FighterInstance* fighter);
    // The path the introduction's camera flies in this match.
    const Flyby* getFlybyList() const { return currentFlyby; }

    // --- Script AIs -----------------------------------------------------------------------------
    // A script AI for a fighter (an empty name: none, the fighter keeps a mirror).
    void attachFighterAIA(const std::string& name, double value);
    void attachFighterAIB(const std::string& name, double value);
    void attachSparkAI1(const std::string& name);
    // The arena's ambient spark; it is told the arena it speaks for.
    void attachSparkAI2(const std::string& name);
    void attachSparkAI3(const std::string& name);

    // --- Arena ----------------------------------------------------------------------------------
    // The mat, the sound scape, the scenery (1-5: that arena; 6: all five; 0: only their mats),
    // both fighters, the fly-bys, the contacts and the fighters' mirrors.
    void buildArena(int what);
    // One arena's scenery and light maps; an index outside 0-4 builds nothing.
    void buildArenaMeshes(int index, float from, float to);
    void destroyArenaMeshes(int index);
    // Releases the mat, every arena, the contacts, both fighters and the sound scape.
    void destroy();
    // Readies a match (mode 0 stops the battle); an arena index outside 0-4 changes nothing.
    void setUp(int mode, int round, bool decideOnTimeUp, int arenaIndex, float clockSeconds,
               bool sidesSwapped);
    // A new state restarts timeInState; the same state keeps it running.
    void setState(int state);
    // Turns the fighter's mat sensors on and lifts it while it falls.
    void liftFighter(FighterInstance* fighter);
    // Two different looks for the two fighters.
    void pickRandomLooks();

    // --- Contacts and hits ----------------------------------------------------------------------
    void createContacts(LoadingProgress* progress, float from, float to);
    void destroyContacts();
    // Resolves the first strike contact that touched in this physics step.
    void detectHits();
    // Decides one strike: kind, points, balance, health, sounds and the attacker's log.
    HitKind resolveHit(FighterInstance* attacker, FighterInstance* defender, int attackerPart,
                       int defenderPart, const Vector3& push, bool* guarded, bool* blocked);
    float balanceDamage(FighterInstance* attacker, FighterInstance* defender, float blockWeight);
    float healthDamage(FighterInstance* attacker, FighterInstance* defender, float blockWeight);
    void recordHitInformation(FighterInstance* attacker, FighterInstance* defender, HitKind kind,
                              float clock);
    void pruneHitInformation();
    const std::vector<HitInformation>& getHitLog() const { return hitLog; }

    // --- The frame ------------------------------------------------------------------------------
    void stepPhysics();
    void controlFighter(FighterInstance* fighter);
    void handleAIResult(FighterInstance* fighter);
    void pollInput(FighterInstance* fighter);
    void applyInputMask(FighterInstance* fighter, uint64_t mask);
    void nextQueuedAction(FighterInstance* fighter);
    // Both machines reset, both fighters' requests and queues emptied.
    void resetInput();
    void updateAIMirrors();
    void updateControlFlags(FighterInstance* fighter);

    // --- State (read and written by the battle manager and the match rules) ------------------------
    LoadingProgress* loadingScreen = nullptr;   // borrowed; null after setUp
    uint32_t matBody = 0;
    uint32_t litMeshes[ArenaCount][MaxLightMaps] = {};
    int litCount[ArenaCount] = {};
    ArenaFlybyList flybyLists[ArenaCount];
    const Flyby* currentFlyby = nullptr;
    uint32_t contacts[PartCount][PartCount] = {};
    float lastDamageByB = 0.0f;
    float lastDamageByA = 0.0f;
    std::vector<HitInformation> hitLog;
    Tavek::AIMaster* aiMaster = nullptr;        // borrowed
    Tavek::AISparkInstance* sparkAI1 = nullptr;  // filled by the AI master
    Tavek::AISparkInstance* sparkAI2 = nullptr;
    Tavek::AISparkInstance* sparkAI3 = nullptr;
    Tavek::SoundScape* soundScape = nullptr;    // owned
    uint32_t sceneMeshes[ArenaCount][MaxSceneMeshes] = {};
    int sceneCount[ArenaCount] = {};
    FighterInstance fighterA;
    FighterInstance fighterB;
    InputMachine inputMachineA;
    InputMachine inputMachineB;
    int battleState = 0;
    float timeInState = 0.0f;
    int battleMode = 0;
    float matchClock = -1.0f;
    float extraGravity = 9.80665f;
    float extraGravityTarget = 0.0f;
    int round = 0;
    bool decideOnTimeUp = false;
    int headPointValue = 2;
    int trunkPointValue = 1;
    bool fightActive = false;
    float matHalfSizes[ArenaCount] = {};
    float matHalfSize = 0.0f;
    float matBoundsTable[ArenaCount][4] = {};   // minimum x, maximum x, minimum z, maximum z
    const float* currentMatBounds = matBoundsTable[0];
    int arenaIndex = 0;
    float fightVolume = 1.0f;
    float arenaVolume = 1.0f;
    bool fighterBShown = false;

    // Per battle, so that a second battle in one process starts like the first.
    std::array<int, 3> lookOrder{0, 1, 2};
    bool contactsEnabled = false;
    bool developerCameraActive = false;
    bool arenaSparkStarted = false;
    float arenaSparkTime = 0.0f;
    bool tutorialSparkStarted = false;
    float tutorialSparkTime = 0.0f;

private:
    void reportProgress(LoadingProgress* progress, float value) const;
    void placeFighter(FighterInstance& fighter, const Vector3& location, float yaw);
    void pushStrike(FighterInstance* attacker, FighterInstance* defender, int defenderPart,
                    float push, const Vector3& direction, bool guarded, bool blocked);
    void arenaSparkStep();
    void tutorialSparkStep();
    // Gives each fighter a script mirror without an AI, when there is an AI master.
    void attachBlankMirrors();
    // Deletes the spark AIs the battle holds.
    void releaseSparks();
};
