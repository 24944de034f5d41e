// The battle manager's frame: the tick in its fixed order, the HUD feed, the camera keys and
// the pre-fight introduction.
#include "fight/BattleManager.h"

#include "audio/SoundScape.h"
#include "fight/ArenaFlybyCamera.h"
#include "fight/ArenaFlybyList.h"
#include "fight/DeveloperFlybyCamera.h"
#include "fight/FighterInstance.h"
#include "fight/FrameProfile.h"
#include "game/CurrentMasterEH.h"
#include "game/MatchScreenEH.h"
#include "platform/vuzirovari/vuzirovari.h"

void BattleManager::tick() {
    if (battle.battleMode == 0) return;
    FrameProfile::Scope timer(FrameProfile::Manager);
    updateMatchScreen();
    debugKeys();
    forwardTutorialText();
    flushRoundPoints();
    updateHud();
    clampToMat(fighterA(), battle.currentMatBounds);
    clampToMat(fighterB(), battle.currentMatBounds);
    if (rules.Penalties) {
        checkOutOfBounds(fighterA());
        checkOutOfBounds(fighterB());
    }
    updateClock();
    checkMatchEnd();
    updateBattleState();
    battle.stepPhysics();
}

void BattleManager::updateMatchScreen() {
    Tavek::MatchScreenEH* s = screen();
    if (s && s->takePauseRequest()) {
        if (battle.battleState == 0) {
            pause();
        } else if (battle.battleState == 2 && currentMaster) {
            currentMaster->resumeMatch();
        }
    }
    if (battle.battleState == 2) {
        battle.fighterA.placeBodiesAtPose();
        battle.fighterB.placeBodiesAtPose();
    }
}

void BattleManager::debugKeys() {
    int chosen = cameraIndex;
    if (iKeyDown(2)) chosen = 0;
    if (iKeyDown(3)) chosen = 6;
    if (iKeyDown(4)) chosen = 1;
    if (chosen != cameraIndex) {
        const bool leftDeveloper = cameraIndex == 4;
        cameraIndex = chosen;
        if (cameras[static_cast<size_t>(cameraIndex)]) cameras[static_cast<size_t>(cameraIndex)]->snap();
        if (cameraIndex == 4) {
            battle.setDeveloperCameraActive(true);
            if (Tavek::MatchScreenEH* s = screen()) s->setDebugTextShown(true);
        } else if (leftDeveloper) {
            battle.setDeveloperCameraActive(false);
            if (Tavek::MatchScreenEH* s = screen()) s->setDebugTextShown(false);
        }
    }
    const FighterInstance& a = battle.fighterA;
    const FighterInstance& b = battle.fighterB;
    if (flybyCamera) {
        flybyCamera->update(a.location, a.orientation, b.location, b.orientation);
    } else if (TwoPointCameraStrategy* c = cameras[static_cast<size_t>(cameraIndex)].get()) {
        c->update(a.location, a.orientation, b.location, b.orientation);
    }
}

void BattleManager::forwardTutorialText() {
    if (!battle.soundScape || !battle.soundScape->takeNewTutorialText()) return;
    for (unsigned i = 0; i < 3; ++i) {
        if (Tavek::MatchScreenEH* s = screen()) s->setTextLine(static_cast<int>(i), battle.soundScape->tutorialText(i));
    }
}

void BattleManager::flushRoundPoints() {
    if (battle.fighterA.lastPoints != 0) {
        if (Tavek::MatchScreenEH* s = screen()) s->showFighter1Point(battle.fighterA.lastPoints);
        battle.fighterA.lastPoints = 0;
    }
    if (battle.fighterB.lastPoints != 0) {
        if (Tavek::MatchScreenEH* s = screen()) s->showFighter2Point(battle.fighterB.lastPoints);
        battle.fighterB.lastPoints = 0;
    }
}

void BattleManager::markerPosition(FighterInstance* fighter, Vector2& out) {
    iVector3 bone{0.0f, 0.0f, 0.0f};
    iSkinMeshBoneLocation(fighter->getMainBone(3), &bone, 0);
    iVector2 onScreen{0.0f, 0.0f};
    i3DLocationToScreen(&onScreen, &bone, camera);
    out = Vector2(onScreen.x, onScreen.y + 3.5f);
}

void BattleManager::updateHud() {
    Tavek::MatchScreenEH* s = screen();
    if (!s) return;
    FighterInstance& a = battle.fighterA;
    FighterInstance& b = battle.fighterB;
    s->setClockValue(battle.round);
    s->setMatchTime(battle.matchClock);
    s->setEndReason(endReason);
    s->setFighter1Score(netScore(&a));
    s->setFighter2Score(netScore(&b));
    s->setFighter1Penalties(a.halfPenalties + 2 * a.fullPenalties);
    s->setFighter2Penalties(b.halfPenalties + 2 * b.fullPenalties);
    s->setFighter1Name(a.name);
    s->setFighter1MaxHealth(a.maxHealth());
    s->setFighter1Health(a.health());
    s->setFighter1MaxBalance(a.maxBalance());
    s->setFighter1Balance(a.balance());
    if (battle.battleMode == 4) {
        s->setFighter2Name("");
        s->hideClock();
    } else {
        s->setFighter2Name(b.name);
        s->showClock();
    }
    s->setFighter2MaxHealth(b.maxHealth());
    s->setFighter2Health(b.health());
    s->setFighter2MaxBalance(b.maxBalance());
    s->setFighter2Balance(b.balance());
    if (s->isFighter1MarkerShown()) {
        Vector2 p;
        markerPosition(&a, p);
        s->setFighter1MarkerPosition(p);
    }
    if (s->isFighter2MarkerShown()) {
        Vector2 p;
        markerPosition(&b, p);
        s->setFighter2MarkerPosition(p);
    }
    if (cameraIndex == 4) {
        iVector3 location{0.0f, 0.0f, 0.0f};
        iCameraLocation(camera, &location);
        s->setDebugLocation(Vector3(location));
        if (auto* developer = dynamic_cast<DeveloperFlybyCamera*>(cameras[4].get())) {
            Vector3 target;
            developer->mouseRay(target, a.location, b.location);
            s->setDebugTarget(target);
        }
    }
}

bool BattleManager::skipRequested() const {
    if (iKeyDown(1) || iKeyDown(57) || iKeyDown(28)) return true;
    const int joysticks = iJoyCount();
    for (int j = 0; j < joysticks; ++j) {
        for (int button = 0; button < 4; ++button) {
            if (iJoyButtonDown(j, button)) return true;
        }
    }
    return false;
}

void BattleManager::runIntroSequence() {
    const float t = battle.timeInState;
    const bool flyArena = battle.battleMode == 1 && battle.round == 0;
    switch (sequenceStep) {
    case 0:
        sequenceStep = 1;
        iSoundStop(backgroundNoise, 0);
        iSoundVolumeSet(backgroundNoise, rules.ArenaVolume * 0.95f);
        iSoundPlay(backgroundNoise, 1);
        if (flyArena) {
            const Flyby* path = battle.getFlybyList();
            if (!path) path = defaultFlyby;
            if (path) flybyCamera = std::make_unique<ArenaFlybyCamera>(camera, *path);
        }
        if (battle.battleMode != 1) {
            if (Tavek::MatchScreenEH* s = screen()) s->setOverlayLevel(0.0f);
            cameraIndex = battle.battleMode == 4 ? 6 : 5;
            if (cameras[static_cast<size_t>(cameraIndex)]) cameras[static_cast<size_t>(cameraIndex)]->snap();
            sequenceStep = 16;
        }
        break;
    case 1:
        if (Tavek::MatchScreenEH* s = screen()) s->setOverlayLevel(1.0f - t);
        if (t >= 1.0f) sequenceStep = 2;
        break;
    case 2:
        if (flyArena && flybyCamera) {
            sequenceStep = 3;
            flybyCamera->start();
        } else {
            sequenceStep = 4;
        }
        break;
    case 3:
        if (skipRequested()) {
            flybyCamera->jumpToEnd();
            if (cameras[static_cast<size_t>(cameraIndex)]) cameras[static_cast<size_t>(cameraIndex)]->snap();
        }
        if (flybyCamera->isFinished()) sequenceStep = 4;
        break;
    case 4:
        sequenceStep = 5;
        break;
    case 5:
        sequenceStep = 6;
        break;
    case 6:
        if (battle.round == 0) {
            sequenceStep = 7;
            deleteFlybyCamera();
            battle.timeInState = 1.0f;
            playReferee(0);
        } else {
            battle.timeInState = 4.0f;
            sequenceStep = 12;
        }
        break;
    case 7:
        if (t >= 2.0f) sequenceStep = 8;
        break;
    case 8:
        sequenceStep = 9;
        break;
    case 9:
        if (t >= 3.0f) sequenceStep = 10;
        break;
    case 10:
        sequenceStep = 11;
        battle.fighterA.startAction(3, battle.round);
        battle.fighterB.startAction(3, battle.round);
        break;
    case 11:
        if (t >= 4.0f) sequenceStep = 12;
        break;
    case 12:
        sequenceStep = 13;
        if (Tavek::MatchScreenEH* s = screen()) s->showReady();
        break;
    case 13:
        if (t >= 6.0f) sequenceStep = 14;
        break;
    case 14:
        sequenceStep = 15;
        break;
    case 15:
        if (t >= 8.0f) sequenceStep = 16;
        break;
    case 16:
        sequenceStep = -1;
        setBattleState(0);
        if (Tavek::MatchScreenEH* s = screen()) s->showFight();
        break;
    default:
        break;
    }
}
