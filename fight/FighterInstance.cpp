#include "fight/FighterInstance.h"

#include "fight/BattleInstanceEH.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "resources/FileArchive.h"

namespace {

constexpr int NormalKickSounds[] = {22, 23, 26, 28, 29, 27, 24, 48};
constexpr int LongKickSounds[] = {31, 32, 33, 34, 45, 30, 25, 49};
constexpr int SideSwitchingActions[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 22,
                                        24, 25, 27, 29, 31, 34, 45, 48, 49};

}  // namespace

FighterInstance::FighterInstance() {
    for (int a : NormalKickSounds) actionSound[a] = "kickThrownNormal";
    for (int a : LongKickSounds) actionSound[a] = "kickThrownLong";
    blendDuration.fill(0.3f);
    blendDuration[23] = 0.2f;
    blendDuration[24] = 0.1f;
    blendDuration[28] = 0.3f;
    blendDuration[49] = 0.2f;
    for (int a : SideSwitchingActions) switchesSide[a] = true;
    reset();
}

FighterInstance::~FighterInstance() {
    bool needed = firstSetUpDone || skinMesh != 0 || aiFighter != nullptr;
    for (uint32_t body : bodies) needed = needed || body != 0;
    if (needed) destroy();
}

void FighterInstance::reset() {
    name = "Fighter";
    stats.fill(1.0f);
    isMale = true;
    abilities.clear();
    combos[0].clear();
    combos[1].clear();
    matchPoints = trunkPoints = headPoints = lastPoints = 0;
    halfPenalties = fullPenalties = 0;
    justScored = 0;
    knockedDown = 0;
    groundTouched = tapped = secondWindUsed = false;
    strikeLanded = closeRangeStart = false;
    pushedBack = reportedEvents = eventCooldown = 0;
    inputMask = previousInputMask = 0;
    inputChanged = false;
    lastRequestedControl = 0;
    knockDownPending = false;
    knockDownDelay = 0.0f;
    knockDownForce = Vector3();
    knockDownPart = 0;
    side = sideAtLastStart = 0;
    keepHeld = false;
    generalBlocking = false;
    holdCount = previousHoldCount = 0;
    controlQueue.clear();
    trackedActions.clear();
}

void FighterInstance::setUp(uint32_t partner, BattleInstanceEH* owner, bool isFirstCorner,
                            LoadingProgress* progress, float from, float to) {
    bool alreadySetUp = firstSetUpDone || skinMesh != 0;
    for (uint32_t body : bodies) alreadySetUp = alreadySetUp || body != 0;
    if (alreadySetUp) destroy();
    contactPartner = partner;
    battle = owner;
    createBodies();
    createContactBodies(partner);
    setUpBodyMeshes(2, progress, from, to);
    setStartLocation(isFirstCorner);
}

void FighterInstance::setStartLocation(bool first) {
    startLocation = first ? Vector3(2.0f, 0.65f, 0.0f) : Vector3(-2.0f, 0.65f, 0.0f);
}

void FighterInstance::setVisible(bool visible) {
    if (visible) iSkinMeshShow(skinMesh);
    else iSkinMeshHide(skinMesh);
}

void FighterInstance::hideAll() {
    iSkinMeshHide(skinMesh);
    for (auto& pair : clipMeshes)
        for (uint32_t clip : pair) iSkinMeshHide(clip);
    for (uint32_t mesh : shadowMeshes) iMeshHide(mesh);
    if (debugShapes)
        for (uint32_t mesh : debugMeshes) iMeshHide(mesh);
    stateTimer = 0.0f;
    movementMode = 0;
    requestedControl = 0;
    controlQueue.clear();
    holdCount = previousHoldCount = 0;
    followAction = 0;
    queueActive = false;
    queuedMoveStarted = false;
    generalBlocking = false;
}

void FighterInstance::destroy() {
    destroyJoints();
    destroyClipBones();
    destroyBones();
    destroyDisplayMesh();
    destroyClips();
    destroyContactBodies();
    destroyBodies();
    aiFighter.reset();
    contactPartner = 0;
    firstSetUpDone = false;
    sensorsEnabled = false;
    bodyType = skinIndex = cornerColour = beltColour = -1;
    clothesIndex = 0;
}

void FighterInstance::destroyDisplayMesh() {
    if (skinMesh != 0) FileArchive::instance().destroySkinMesh(skinMesh);
    skinMesh = 0;
}

void FighterInstance::destroyClips() {
    for (int a = 0; a < ClipCount; ++a) {
        for (int s = 0; s < 2; ++s) {
            if (clipMeshes[a][s] != 0) FileArchive::instance().destroySkinMesh(clipMeshes[a][s]);
            clipMeshes[a][s] = 0;
            clipLength[a][s] = 0.0f;
        }
    }
}

FighterInstance* FighterInstance::opponent() const {
    return battle ? battle->getOpponent(const_cast<FighterInstance*>(this)) : nullptr;
}
