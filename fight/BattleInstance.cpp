// The battle's construction, the arena build and teardown, the set-up of a match and what the
// fighters ask of their battle.
#include "fight/BattleInstance.h"

#include "audio/SoundScape.h"
#include "fight/ArenaFiles.h"
#include "fight/LoadingProgress.h"
#include "persistence/GameException.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"
#include "platform/win32/win32.h"
#include "resources/FileArchive.h"
#include "resources/StartupTables.h"

namespace {

// A scenery or light-map mesh of an arena that could not be made: the arena is built without it.
void logMissingArenaMesh(const std::string& path) {
    OutputDebugStringA(("Arena: mesh " + path + " could not be made; the arena goes on without it\n").c_str());
}

constexpr const char* SoundScapeFile = "soundscape.xml";
constexpr const char* FlybyFile = "Tavek_res\\arenas\\arena1\\flybys.xml";

void log(const std::string& line) { OutputDebugStringA((line + "\n").c_str()); }

bool validArena(int index) { return index >= 0 && index < BattleInstance::ArenaCount; }

}  // namespace

BattleInstance::BattleInstance() {
    const float halfSizes[ArenaCount] = {6.0f, 4.0f, 4.5f, 4.5f, 5.25f};
    for (int i = 0; i < ArenaCount; ++i) {
        float s = halfSizes[i];
        matHalfSizes[i] = s;
        matBoundsTable[i][0] = -(s + 1.0f);
        matBoundsTable[i][1] = s + 1.0f;
        matBoundsTable[i][2] = -(s + 1.0f);
        matBoundsTable[i][3] = s + 1.0f;
    }
    // The dojang's mat lies off the middle of its room.
    matBoundsTable[1][0] = -11.7f;
    matBoundsTable[1][1] = 5.3f;
    matBoundsTable[1][2] = -4.7f;
    matBoundsTable[1][3] = 5.3f;
    matHalfSize = matHalfSizes[0];
    currentMatBounds = matBoundsTable[0];
}

BattleInstance::~BattleInstance() {
    bool built = matBody != 0 || soundScape != nullptr;
    for (int i = 0; i < ArenaCount; ++i) built = built || sceneCount[i] != 0 || litCount[i] != 0;
    if (built) destroy();
    releaseSparks();
}

// --- What the fighters ask --------------------------------------------------------------------

FighterInstance* BattleInstance::getOpponent(FighterInstance* fighter) {
    return fighter == &fighterA ? &fighterB : &fighterA;
}

void BattleInstance::playFighterSound(const std::string& event, FighterInstance* fighter,
                                      const std::string& key) {
    if (!soundScape || !fighter) return;
    soundScape->playEvent(key.empty() ? fighter->soundGroup : key, event, fighter == &fighterA);
}

void BattleInstance::applyGravity(FighterInstance* fighter) {
    iFloatTendTo(&extraGravity, 30.0f, extraGravityTarget);
    const iVector3 pull{0.0f, -extraGravity, 0.0f};
    for (uint32_t body : fighter->bodies) iBodyAccelerationApply(body, &pull);
}

bool BattleInstance::isRunning() { return battleState != 13 && battleState != 14; }

int BattleInstance::getRound() { return round; }

bool BattleInstance::isFightMode() { return battleMode == 1; }

// --- Settings ---------------------------------------------------------------------------------

void BattleInstance::setSoundVolume(float volume) {
    if (soundScape) soundScape->setVolume(volume);
}

InputMachine* BattleInstance::getInputMachine(FighterInstance* fighter) {
    return fighter == &fighterA ? &inputMachineA : &inputMachineB;
}

void BattleInstance::reportProgress(LoadingProgress* progress, float value) const {
    if (progress) progress->setProgress(value);
}

// --- Arena ------------------------------------------------------------------------------------

void BattleInstance::buildArena(int what) {
    FileArchive& archive = FileArchive::instance();
    if (matBody != 0) archive.destroyBody(matBody);
    matBody = archive.createBody(MatBodyFile);
    if (matBody == 0) log(std::string("Battle: the mat \"") + MatBodyFile + "\" is missing; nothing has a floor");
    iBodyEnable(matBody);

    for (int i = 0; i < ArenaCount; ++i) destroyArenaMeshes(i);

    delete soundScape;
    soundScape = new Tavek::SoundScape();
    try {
        soundScape->addFile(SoundScapeFile);
    } catch (const GameException& e) {
        log(std::string("Battle: the match sounds \"") + SoundScapeFile + "\" could not be read: " + e.what());
    }

    iTextureMipLevelsSet(1);
    if (what >= 1 && what <= ArenaCount) {
        buildArenaMeshes(what - 1, 0.5f, 0.75f);
    } else if (what == ArenaCount + 1) {
        for (int i = 0; i < ArenaCount; ++i) buildArenaMeshes(i, 0.5f + 0.05f * i, 0.55f + 0.05f * i);
    } else if (what == 0) {
        for (int i = 0; i < ArenaCount; ++i) {
            sceneMeshes[i][0] = archive.createMesh(ArenaFiles::folder(i) + "mat.x", "");
            iMeshHide(sceneMeshes[i][0]);  // shown when a match is set up
            sceneCount[i] = 1;
        }
    }
    iTextureMipLevelsSet(0);

    fighterA.setUp(matBody, this, true, loadingScreen, 0.75f, 0.825f);
    inputMachineA.setFighter(&fighterA);
    fighterB.setUp(matBody, this, false, loadingScreen, 0.825f, 0.9f);
    inputMachineB.setFighter(&fighterB);
    // The fighters' pose reset showed them; like the arena they stay out of sight until a match.
    fighterA.hideAll();
    fighterB.hideAll();

    try {
        flybyLists[0].load(FlybyFile);
    } catch (const GameException& e) {
        log(std::string("Battle: the fly-bys \"") + FlybyFile + "\" could not be read fully: " + e.what());
    }

    reportProgress(loadingScreen, 0.91f);
    createContacts(loadingScreen, 0.91f, 0.98f);
    attachBlankMirrors();
    soundScape->setFighters(&fighterA.location, &fighterB.location);
    // Until a match is set up the fighters' bodies and contacts rest, so the menus' frames
    // step no ragdolls.
    fighterA.setPhysicsEnabled(false);
    fighterB.setPhysicsEnabled(false);
    setContactsEnabled(false);
    reportProgress(loadingScreen, 1.0f);
}

void BattleInstance::buildArenaMeshes(int index, float from, float to) {
    if (!validArena(index)) {
        log("Unknown arena to load");
        return;
    }
    destroyArenaMeshes(index);
    FileArchive& archive = FileArchive::instance();
    const std::string folder = ArenaFiles::folder(index);
    const std::vector<std::string>& scenes = ArenaFiles::sceneFiles(index);
    const std::vector<std::string>& lightMaps = ArenaFiles::lightMapFiles(index);
    float step = (to - from) / static_cast<float>(scenes.size() + 3 * lightMaps.size());
    float progress = from;

    int made = 0;
    for (const std::string& file : scenes) {
        // Made hidden: nothing of an arena is drawn before a match is set up in it.
        const uint32_t scene = archive.createMesh(folder + file, "");
        if (scene == 0) logMissingArenaMesh(folder + file);
        iMeshHide(scene);
        sceneMeshes[index][made++] = scene;
        progress += step;
        reportProgress(loadingScreen, progress);
    }
    if (index == ArenaFiles::MirrorArena) {
        uint32_t mirror = archive.createMesh(ArenaFiles::MirrorFile, "");
        iMeshHide(mirror);
        sceneMeshes[index][made++] = mirror;
        if (mirror != 0) {
            iMeshAlphaTextureChange(mirror, ArenaFiles::MirrorAlphaFile);
            iMeshMirrorMake(mirror, 1);
            const iVector3 point{0.0f, 0.0f, -5.0f};
            const iVector3 normal{0.0f, 0.0f, 1.0f};
            iMirrorPlaneSet(&point, &normal);
        }
    }
    sceneCount[index] = made;

    int lit = 0;
    for (const std::string& file : lightMaps) {
        uint32_t mesh = archive.createMesh(folder + file, "");
        if (mesh == 0) logMissingArenaMesh(folder + file);
        iMeshHide(mesh);
        litMeshes[index][lit++] = mesh;
        if (mesh != 0) {
            iMeshEmissiveSet(mesh, 1.0f, 1.0f, 1.0f, 1.0f);
            iMeshRenderModeSet(mesh, 1, 3, 1, 0);
            iMeshZBiasSet(mesh, 1);
        }
        progress += 3.0f * step;
        reportProgress(loadingScreen, progress);
    }
    litCount[index] = lit;
    reportProgress(loadingScreen, to);
}

void BattleInstance::destroyArenaMeshes(int index) {
    if (!validArena(index)) return;
    FileArchive& archive = FileArchive::instance();
    for (int i = 0; i < sceneCount[index]; ++i) {
        if (sceneMeshes[index][i] != 0) archive.destroyMesh(sceneMeshes[index][i]);
        sceneMeshes[index][i] = 0;
    }
    sceneCount[index] = 0;
    for (int i = 0; i < litCount[index]; ++i) {
        if (litMeshes[index][i] != 0) archive.destroyMesh(litMeshes[index][i]);
        litMeshes[index][i] = 0;
    }
    litCount[index] = 0;
}

void BattleInstance::destroy() {
    if (matBody != 0) FileArchive::instance().destroyBody(matBody);
    matBody = 0;
    for (int i = 0; i < ArenaCount; ++i) destroyArenaMeshes(i);
    destroyContacts();
    fighterB.destroy();
    fighterA.destroy();
    delete soundScape;
    soundScape = nullptr;
}

// --- A match ----------------------------------------------------------------------------------

void BattleInstance::placeFighter(FighterInstance& fighter, const Vector3& location, float yaw) {
    fighter.location = location;
    iQuaternionFromEulerAngles(&fighter.orientation, 0.0f, yaw, 0.0f, "xyz");
}

void BattleInstance::setUp(int mode, int newRound, bool decide, int arena, float clockSeconds,
                           bool /*sidesSwapped*/) {
    if (!validArena(arena)) {
        log("Battle: arena " + std::to_string(arena) + " does not exist; the match was not set up");
        return;
    }
    lastDamageByA = lastDamageByB = 0.0f;
    battleState = 0;
    timeInState = 0.0f;
    loadingScreen = nullptr;
    matchClock = clockSeconds;
    battleMode = mode;
    arenaIndex = arena;
    round = newRound;
    decideOnTimeUp = decide;
    matHalfSize = matHalfSizes[arena];
    currentMatBounds = matBoundsTable[arena];
    hitLog.clear();

    for (int i = 0; i < ArenaCount; ++i) {
        for (int k = 0; k < sceneCount[i]; ++k) iMeshHide(sceneMeshes[i][k]);
        for (int k = 0; k < litCount[i]; ++k) iMeshHide(litMeshes[i][k]);
    }
    fighterA.hideAll();
    fighterB.hideAll();
    if (round == 0) {
        fighterA.reset();
        fighterB.reset();
    }

    if (mode >= 1) {
        for (int k = 0; k < sceneCount[arena]; ++k) iMeshShow(sceneMeshes[arena][k]);
        for (int k = 0; k < litCount[arena]; ++k) iMeshShow(litMeshes[arena][k]);
        const Vector3 centre(0.0f, 0.65f, 0.0f);
        placeFighter(fighterA, centre, 0.0f);
        placeFighter(fighterB, centre, 0.0f);

        if (mode == 3) {
            fighterA.hideAll();
        } else {
            fighterA.aiDriven = false;
            if (mode == 1) placeFighter(fighterA, Vector3(2.0f, 0.65f, 0.0f), -90.0f);
            fighterA.setPhysicsEnabled(true);
            fighterA.resetPose();
            fighterA.startAction(0, -1);
            inputMachineA.reset();
            inputMachineA.enable();
        }
        if (mode == 2 || mode == 4) {
            fighterB.hideAll();
        } else {
            fighterB.aiDriven = false;
            if (mode == 1) placeFighter(fighterB, Vector3(-2.0f, 0.65f, 0.0f), 90.0f);
            fighterB.setPhysicsEnabled(true);
            fighterB.resetPose();
            fighterB.startAction(0, -1);
            inputMachineB.reset();
            inputMachineB.disable();
        }
    }

    setContactsEnabled(isFightMode());
    attachBlankMirrors();

    if (mode == 0 || mode == 1 || mode == 4) {
        if (soundScape) {
            soundScape->stopAll();
            soundScape->setVolume(fightVolume);
            soundScape->setFighters(&fighterA.location, &fighterB.location);
        }
        // A stopped battle flies no path.
        if (mode != 0) currentFlyby = &flybyLists[arena].randomFlyby();
    }
}

void BattleInstance::setState(int state) {
    if (state == battleState) return;
    battleState = state;
    timeInState = 0.0f;
}

void BattleInstance::liftFighter(FighterInstance* fighter) {
    fighter->enableBodyFeedback(true);
    extraGravity = -5.0f;
    extraGravityTarget = 0.5f;
}

void BattleInstance::pickRandomLooks() {
    for (int k = 0; k < 2; ++k) {
        int j = k + crt::rand() / (32767 / (3 - k) + 1);
        std::swap(lookOrder[k], lookOrder[j]);
    }
    fighterA.lookId = lookNames[lookOrder[0]];
    fighterB.lookId = lookNames[lookOrder[1]];
}

void BattleInstance::showFighterB() {
    fighterB.setVisible(true);
    fighterB.showShadows(false);
    fighterBShown = true;
}
