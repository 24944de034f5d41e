// The referee and director of a match. One lives for the whole process: it owns the battle
// (arena, physics, both fighters and their input machines, the sound scape), the AI master,
// the seven match cameras and the intro's fly-by camera, the referee's calls and the hall's
// background noise, and its own copy of the match rules. The running game mode configures and
// starts matches through it; it reports back only through that mode's CurrentMasterEH and
// reaches the match HUD only through the master's getMatchScreenEH (skipped when either is
// null). Fighter A is the blue corner, fighter B the red one.
//
// Sources: BattleManager.cpp (life cycle, set-up, queries), BattleManagerFrame.cpp (the tick,
// HUD feed, camera keys, introduction), BattleManagerRules.cpp (scoring, penalties, end
// sequences), BattleManagerCounts.cpp (knock-downs, counts and getting up).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "fight/BattleInstance.h"
#include "gui/TickAble.h"
#include "math/Vector2.h"
#include "state/OptionsBase.h"

class ArenaFlybyCamera;
class FighterInstance;
class LoadingProgress;
class TwoPointCameraStrategy;

namespace Tavek {
class AIMaster;
class CurrentMasterEH;
class EnemyFighterState;
class MatchScreenEH;
class ScriptMaster;
}  // namespace Tavek

class BattleManager : public virtual TickAble {
public:
    static constexpr int CameraCount = 7;
    static constexpr int RefereeSoundCount = 19;

    // Builds arena index 0 with both fighters; loadingScreen may be null, master too.
    BattleManager(uint32_t camera, Tavek::ScriptMaster* scriptMaster, Tavek::CurrentMasterEH* currentMaster,
                  LoadingProgress* loadingScreen);
    BattleManager(const BattleManager&) = delete;
    BattleManager& operator=(const BattleManager&) = delete;
    ~BattleManager() override;

    // --- Pause and the rules' own operations -----------------------------------------------
    virtual void pause();
    virtual void resume();
    // Zeroes the sequence step, then changes the battle state (the time in state restarts only
    // on a change).
    virtual void setBattleState(int state);
    // Each returns true when the match is decided by it.
    virtual bool addPoints(FighterInstance* fighter, int points);
    virtual bool halfPenalty(FighterInstance* fighter);
    virtual bool fullPenalty(FighterInstance* fighter);

    // --- The frame ----------------------------------------------------------------------------
    virtual void flushRoundPoints();
    virtual void forwardTutorialText();
    virtual void updateHud();
    virtual void updateMatchScreen();
    virtual void debugKeys();
    virtual void clampToMat(FighterInstance* fighter, const float* bounds);
    virtual void checkOutOfBounds(FighterInstance* fighter);
    virtual void updateClock();
    virtual void checkMatchEnd();
    virtual void runIntroSequence();
    virtual void updateReturnToMarks();
    virtual void updateEndSequence();
    virtual void updatePenaltyLoss();
    virtual void updateKnockDown();
    virtual void updateStandUp();
    virtual void updateCount();
    virtual void updateRefereeCount();
    virtual void updateTimeUpDecision();
    virtual void playResultSounds();
    virtual void updateDraw();
    virtual void updateHalfPenalty();
    virtual void updateFullPenalty();
    virtual void updateBattleState();
    virtual void onIdle();
    virtual bool updateBalance(FighterInstance* fighter);
    virtual float balancePerTap(FighterInstance* fighter);
    virtual float aiTapInterval(FighterInstance* fighter, float tapsNeeded);
    virtual void standUp(FighterInstance* fighter);
    virtual void timeUp();
    virtual bool anyWonOnPoints();
    virtual bool wonOnPoints(FighterInstance* fighter);
    virtual bool anyLostOnPenalties();
    virtual bool lostOnPenalties(FighterInstance* fighter);
    virtual bool walkToMark(FighterInstance* fighter);
    virtual void pauseBy(FighterInstance* fighter, bool flag);
    virtual void declarePointsWin(FighterInstance* fighter);
    virtual void declarePenaltyLoss(FighterInstance* fighter);
    virtual void onHealthDepleted(FighterInstance* fighter);
    virtual void onFighterFell(FighterInstance* fighter);
    virtual void onBalanceDepleted(FighterInstance* fighter);

    // --- Set-up by the game mode ----------------------------------------------------------------
    // Builds the arena (0..4) unless it is built already; another index is refused.
    virtual void loadArena(int index, LoadingProgress* loadingScreen, float from, float to);
    virtual void loadSoundScape(int arenaIndex, const std::string& voiceGroupA, const std::string& voiceGroupB,
                                bool withTutorial);
    // Begins a match: mode 1 is A against B, 4 the tutorial; an arena outside 0..4 is refused.
    // It draws the fly-by path and the looks from crt::rand, so a replay seeds before it.
    virtual void start(int mode, int round, bool decideOnTimeUp, int arenaIndex, float clockSeconds,
                       bool sidesSwapped);
    virtual void stop();
    virtual void setCurrentMaster(Tavek::CurrentMasterEH* master);
    virtual void applyFighterStateA(Tavek::EnemyFighterState& record, LoadingProgress* progress, float from,
                                    float to);
    virtual void applyFighterStateB(Tavek::EnemyFighterState& record, LoadingProgress* progress, float from,
                                    float to);
    // The battle's fighter A / B.
    virtual FighterInstance* getFighterFieldA();
    virtual FighterInstance* getFighterFieldB();
    virtual const std::string* getNameA();
    virtual const std::string* getNameB();
    // A negative index plays on the keyboard, another on that joystick.
    virtual void setControllerA(int index);
    virtual void setControllerB(int index);
    virtual void attachAIA(const std::string& name, double learnSpeed);
    virtual void clearAIA();
    virtual void attachAIB(const std::string& name, double learnSpeed);
    virtual void clearAIB();
    virtual void attachSparkAI1(const std::string& name);
    virtual void clearSparkAI1();
    virtual void attachSparkAI2(const std::string& name);
    virtual void clearSparkAI2();
    virtual void attachSparkAI3(const std::string& name);
    virtual void clearSparkAI3();
    virtual void setProtectionA(int corner, int belt);
    virtual void setProtectionB(int corner, int belt);
    virtual void setUpMeshesA(int type, LoadingProgress* progress, float from, float to);
    virtual void setUpMeshesB(int type, LoadingProgress* progress, float from, float to);
    virtual int getBodyTypeA();
    virtual int getBodyTypeB();
    virtual void setSkinA(int index);
    virtual void setSkinB(int index);
    // True when the fighter is not driven by a script AI.
    virtual bool isHumanA();
    virtual bool isHumanB();
    virtual bool isPlayerA();
    virtual bool isPlayerB();
    // Match points less the penalties.
    virtual int getScoreA();
    virtual int getScoreB();
    virtual void reserved84(int rounds);
    virtual void reserved85();
    virtual void applyOptions(const Tavek::OptionsBase& options, bool customRules, bool forceMode3);
    virtual Tavek::OptionsBase* getRules();

    void tick() override;

    // --- Read-outs for the game and its tests ------------------------------------------------------
    BattleInstance& getBattle() { return battle; }
    int getBattleState() const { return battle.battleState; }
    int getSequenceStep() const { return sequenceStep; }
    int getEndReason() const { return endReason; }
    int getCameraIndex() const { return cameraIndex; }
    TwoPointCameraStrategy* getCamera(int index) const { return cameras.at(static_cast<size_t>(index)).get(); }
    ArenaFlybyCamera* getFlybyCamera() const { return flybyCamera.get(); }
    Tavek::CurrentMasterEH* getCurrentMaster() const { return currentMaster; }
    uint32_t getRefereeSound(int index) const { return refereeSounds.at(static_cast<size_t>(index)); }
    uint32_t getBackgroundNoise() const { return backgroundNoise; }

private:
    // The match HUD, or null when there is no master or it has no screen.
    Tavek::MatchScreenEH* screen() const;
    FighterInstance* fighterA() { return &battle.fighterA; }
    FighterInstance* fighterB() { return &battle.fighterB; }
    bool isA(const FighterInstance* fighter) const { return fighter == &battle.fighterA; }
    FighterInstance* opponentOf(FighterInstance* fighter);
    int netScore(const FighterInstance* fighter) const;
    void playReferee(int index);
    void reportMatchOver(int result);
    void deleteFlybyCamera();
    // The common part of both counts after a knock-down: step 0's call and the counts 1..10.
    bool countStep(FighterInstance* fighter, int step);
    void runPenaltySequence(bool blue, int refereeCall);
    void rumbleFor(FighterInstance* fighter);
    bool skipRequested() const;
    void markerPosition(FighterInstance* fighter, Vector2& out);

    BattleInstance battle;
    std::unique_ptr<Tavek::AIMaster> aiMaster;
    uint32_t camera = 0;
    std::array<std::unique_ptr<TwoPointCameraStrategy>, CameraCount> cameras;
    int cameraIndex = 0;
    std::unique_ptr<ArenaFlybyCamera> flybyCamera;
    Tavek::CurrentMasterEH* currentMaster = nullptr;  // not owned
    int savedState = 0;
    float savedStateTime = 0.0f;
    std::array<uint32_t, RefereeSoundCount> refereeSounds{};
    uint32_t reservedSound = 0;
    uint32_t backgroundNoise = 0;
    int sequenceStep = 0;
    Tavek::OptionsBase rules;
    int endReason = 0;
    bool sidesSwapped = false;
    float tapStep = 0.0f;
    // The AI's tapping rhythm during a count: one pair for the whole manager.
    float aiTapPeriod = 0.0f;
    float aiTapTimer = 0.0f;
};
