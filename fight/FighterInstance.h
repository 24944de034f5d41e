// One fighter on the mat: a skinned character whose pose comes from its action clips, and a
// ragdoll of sixteen bodies and fifteen ball joints that follows the pose while the fighter acts
// and takes over when it is knocked down. It carries the fighter's vitals, score counters, look,
// action log and the requests of its input or script. Two live inside the battle, which sets
// them up, drives them once a frame and destroys them; the battle outlives its fighters. The
// fighter owns every engine object it makes (through FileArchive) and its script mirror.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "fight/AIFighterMirror.h"
#include "fight/ActionParams.h"
#include "fight/FighterAbilities.h"
#include "fight/FighterCombos.h"
#include "fight/FighterTables.h"
#include "fight/HumanInputMapper.h"
#include "fight/TrackedActions.h"
#include "math/Quaternion.h"
#include "math/Vector3.h"

class BattleInstanceEH;
class LoadingProgress;

class FighterInstance {
public:
    static constexpr int PartCount = FighterTables::PartCount;
    static constexpr int DetailBoneCount = FighterTables::DetailBoneCount;
    static constexpr int JointCount = FighterTables::JointCount;
    static constexpr int ClipCount = FighterTables::ClipActionCount;

    // A bare fighter: no engine objects, no battle, the record defaults of reset().
    FighterInstance();
    FighterInstance(const FighterInstance&) = delete;
    FighterInstance& operator=(const FighterInstance&) = delete;
    // Destroys whatever engine objects are still alive.
    virtual ~FighterInstance();

    // --- Skeleton and ragdoll ------------------------------------------------------------
    void createBones();
    // The display mesh's main bone of part i; 0 for an index outside 0-15.
    uint32_t getMainBone(int i) const;
    void destroyBones();
    void createClipBones();
    void destroyClipBones();
    void createBodies();
    void destroyBodies();
    // Joins the bodies at the display mesh's rest bones, around the fighter's location.
    void buildRagdoll();
    void destroyJoints();
    void setJointLimits(bool fighting);
    void setPhysicsEnabled(bool enabled);
    void showDebugMeshes(bool show);
    void showShadows(bool show);
    void createContactBodies(uint32_t matBody);
    void destroyContactBodies();
    void enableBodyFeedback(bool on);
    // Whether the hip, a chest part, the head or a hand touched the mat in the last step;
    // false while the sensors are off.
    bool getBodyFeedback() const;
    void captureBodyState();
    void sampleBodies();
    void transferVelocities();
    // Animation to bodies: each body follows its bone of the current (or blended) clip.
    void placeBodiesAtPose();
    // Bodies to animation: the display mesh shows where the bodies are.
    void applyBodiesToPose();

    // --- Construction and look ------------------------------------------------------------
    // Zeroes the per-match counters and flags and restores the record defaults; engine
    // objects, the look, aiDriven and actionParams stay.
    void reset();
    // Makes the bodies, their mat sensors and the default body mesh; the battle calls it once.
    // A fighter already set up is destroyed first. progress may be null.
    void setUp(uint32_t contactPartner, BattleInstanceEH* battle, bool isFirstCorner,
               LoadingProgress* progress, float from, float to);
    void setStartLocation(bool first);
    // Body types 0-8; -1 or the current type does nothing; any other type is refused with a
    // log line and the current mesh stays. The first call also loads the 100 action clips.
    void setUpBodyMeshes(int type, LoadingProgress* progress, float from, float to);
    void setUpDefaultBodyMesh(LoadingProgress* progress, float from, float to);
    void applySkinTexture(int index);
    void applyProtectionTexture(int corner, int belt);
    void applyClothesTexture(int index);
    int getCornerColour() const { return cornerColour; }
    int getBeltColour() const { return beltColour; }
    int getClothesIndex() const { return clothesIndex; }
    int getBodyType() const { return bodyType; }
    int getSkinIndex() const { return skinIndex; }
    void setVisible(bool visible);
    void hideAll();
    // Releases every engine object and the script mirror; the fighter is then as constructed
    // as far as the engine is concerned, and a later setUp builds it afresh.
    void destroy();

    // --- Actions, animation and movement --------------------------------------------------
    void loadClip(int action);
    // Another clip of that side for one that did not load (logged); 0 when none loads.
    uint32_t loadStandInClip(int owner, int clipSide, const std::string& missing);
    // Starts an action (0-49) or resolves a request (51-54). owner -1 asks the battle for its
    // round. Ids outside 0-49 and 51-54 are refused with a log line.
    void startAction(int action, int owner = -1);
    int CalculateWalkingAction() const;
    int CalculateQuickStepAction() const;
    void update();
    void updateAction();
    void updateMovement(bool faceOnly);
    void keepDistance();
    void reanchor();
    void resetPose();
    void setAnimationPaused(bool paused);
    void setMovementMode(int value);
    int getStateIndex() const { return currentAction; }
    int getMovementMode() const { return movementMode; }
    // Lying for the referee's count (mode 5) or waiting to get up (mode 6).
    bool isDown() const { return movementMode == 5 || movementMode == 6; }
    bool stateAllows(int part) const;
    bool isBlendingOut() const;
    void setKeepHeld(bool held) { keepHeld = held; }
    bool getKeepHeld() const { return keepHeld; }
    void setFlag(bool on) { generalBlocking = on; }
    bool getFlag() const { return generalBlocking; }
    // The combo list of the side the fighter started its last action in.
    FighterCombos& getActiveCombos();
    int setHoldCount(int value);
    void turnTowards(const Vector3& point, float weight);
    void moveTowards(const Vector3& point);
    // A strike's reaction: a standing fighter is knocked over (mode 1) and recovers after half
    // its recovery time; a fighter who is down keeps its mode and only has its bodies pushed.
    void knockDown(const Vector3& force, int part);
    // A knock-down 0.05 s from now.
    void scheduleKnockDown(const Vector3& force, int part);
    void pushBodies(float speed);
    void updatePendingKnockDown();
    void showAndTransferVelocities();
    void snapToHip();
    void faceOpponent(FighterInstance* opponent, float weight);
    void enqueueControls(const std::vector<int>& list);
    void registerAction(int action, int owner);
    void recordActionStep(bool flagA, bool flagB, bool flagC, int value, int penalty);

    // --- Vitals, counters and the script mirror --------------------------------------------
    void clampLimits();
    void regenerate(float dt);
    // The balance that starting the action costs.
    float queryAbility(int action) const;
    float maxHealthFifth() const;
    // The score shown: match points less the penalties.
    int computeRemaining() const;
    bool takeEvents();
    // Each pushes one value into the script mirror; a script failure is dropped, every other
    // exception passes on. Nothing happens without a mirror.
    virtual void updateAIHealth();
    virtual void updateAILocation();
    virtual void updateAIScore();
    virtual void updateAIAction();
    virtual void updateAIControl();
    virtual void updateAIGeneralBlocking();
    virtual void updateAIJustScored();   // clears justScored, with or without a mirror
    virtual void updateAIBalance();
    virtual void updateAITimeRemaining(float seconds);

    float& maxHealth() { return stats[1]; }
    float& health() { return stats[2]; }
    float& balanceBase() { return stats[3]; }
    float& maxBalance() { return stats[4]; }
    float& balance() { return stats[5]; }
    float& walkSpeed() { return stats[8]; }
    float& recoveryTime() { return stats[9]; }
    float& turnRate() { return stats[10]; }
    float maxHealth() const { return stats[1]; }
    float health() const { return stats[2]; }
    float balanceBase() const { return stats[3]; }
    float maxBalance() const { return stats[4]; }
    float balance() const { return stats[5]; }
    float walkSpeed() const { return stats[8]; }
    float recoveryTime() const { return stats[9]; }
    float turnRate() const { return stats[10]; }

    // --- 1. Skeleton and ragdoll handles ------------------------------------------------------
    uint32_t contactPartner = 0;
    std::array<uint32_t, PartCount> debugMeshes{};
    std::array<uint32_t, PartCount> shadowMeshes{};
    std::array<uint32_t, PartCount> contactSensors{};
    std::array<uint32_t, JointCount> joints{};
    uint32_t skinMesh = 0;
    std::array<uint32_t, PartCount> mainBones{};
    uint32_t clipMainBones[ClipCount][2][PartCount] = {};
    std::array<uint32_t, DetailBoneCount> detailBones{};
    uint32_t clipDetailBones[ClipCount][2][DetailBoneCount] = {};
    std::array<Vector3, PartCount> restBoneLocation{};
    std::array<Quaternion, PartCount> restBoneOrientation{};
    std::array<Vector3, PartCount> previousPartLocation{};
    std::array<Quaternion, PartCount> previousPartOrientation{};
    std::array<Vector3, PartCount> partLocation{};
    std::array<Quaternion, PartCount> partOrientation{};

    // --- 2. Animation tables ------------------------------------------------------------------
    float animationRate = 25.0f;
    float auxTimer = 0.0f;
    int holdCount = 0;
    int previousHoldCount = 0;
    std::array<float, ClipCount> blendDuration{};
    std::array<Vector3, PartCount> snapshotLocation{};
    std::array<Quaternion, PartCount> snapshotOrientation{};
    int blendBackFlag = 0;
    std::array<bool, ClipCount> switchesSide{};
    std::array<std::string, ClipCount> actionSound;
    float windowEnd = 0.0f;
    float windowStart = 0.0f;
    int followAction = 0;
    float clipLength[ClipCount][2] = {};
    uint32_t clipMeshes[ClipCount][2] = {};

    // --- 3. Action state ----------------------------------------------------------------------
    int side = 0;
    int sideAtLastStart = 0;
    int previousAction = 0;
    int currentAction = 0;
    float actionTimer = 0.0f;
    bool keepHeld = false;
    int movementMode = 0;
    int previousMode = 0;
    float stateTimer = 0.0f;
    bool knockDownPending = false;
    float knockDownDelay = 0.0f;
    Vector3 knockDownForce;
    int knockDownPart = 0;

    // --- 4. Look ------------------------------------------------------------------------------
    int cornerColour = -1;
    int beltColour = -1;
    int clothesIndex = 0;
    int bodyType = -1;
    int skinIndex = -1;

    // --- 5. Battle and placement --------------------------------------------------------------
    BattleInstanceEH* battle = nullptr;   // borrowed; the battle outlives the fighter
    std::array<uint32_t, PartCount> bodies{};
    Vector3 location;
    Quaternion orientation;

    // --- 6. Set-up state, log and identity -------------------------------------------------------
    bool firstSetUpDone = false;
    bool sensorsEnabled = false;
    TrackedActions trackedActions;
    std::string name = "Fighter";
    bool isMale = true;

    // --- 7. Vitals and action parameters -----------------------------------------------------
    std::array<float, 11> stats{};
    std::array<ActionParams, ClipCount> actionParams{};

    // --- 8. What the battle, the match rules and the input work on --------------------------------
    bool aiDriven = false;
    bool externallyDriven = false;
    bool tapped = false;
    uint64_t inputMask = 0;
    uint64_t previousInputMask = 0;
    bool inputChanged = false;
    int lastRequestedControl = 0;
    int lastPoints = 0;
    bool secondWindUsed = false;
    uint8_t knockedDown = 0;
    bool groundTouched = false;
    std::string soundGroup;
    std::string lookId;
    int matchPoints = 0;
    int trunkPoints = 0;
    int headPoints = 0;
    int halfPenalties = 0;
    int fullPenalties = 0;
    uint8_t justScored = 0;
    int pushedBack = 0;
    int reportedEvents = 0;
    int eventCooldown = 0;
    int eventCooldownLimit = 333;
    FighterAbilities abilities;
    FighterCombos combos[2];
    HumanInputMapper inputMapper;
    int requestedControl = 0;
    std::deque<int> controlQueue;
    bool queueActive = false;
    bool queuedMoveStarted = false;
    bool inputLocked = false;
    bool generalBlocking = false;
    bool strikeLanded = false;
    bool closeRangeStart = false;
    bool relativeDirections = false;
    bool ignoreDistance = false;
    std::unique_ptr<AIFighterMirror> aiFighter;   // null without a script AI
    bool debugShapes = false;
    Vector3 startLocation;

private:
    FighterInstance* opponent() const;
    // Interpolated bone pose of part i of clip (action, clipSide) towards another clip.
    void readClipBone(int action, int clipSide, int part, Vector3* location, Quaternion* q) const;
    void timedStart(int action);
    void heldStart();
    void reportProgress(LoadingProgress* progress, float value) const;
    void destroyDisplayMesh();
    void destroyClips();
    // Calls one setter of the mirror and drops a script failure.
    template <typename Call>
    void pushToMirror(Call call);
};
