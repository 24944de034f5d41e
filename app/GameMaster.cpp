#include "app/GameMaster.h"

#include "app/ProcessState.h"
#include "math/Vector3.h"
#include "math/Vector4.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace Tavek {

GameMaster::GameMaster() {
    camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    iTextureMipLevelsSet(1);
    iTextureMipLevelsSet(0);
    Vector3 location(0.0f, 1.0f, 0.0f);
    iCameraLocationSet(camera, &location);
    Vector3 lightDirection(0.1f, -1.0f, 0.1f);
    Vector4 lightColour(1.0f, 1.0f, 1.0f, 0.35f);
    iLightDirectionalSet(&lightDirection, &lightColour);
}

GameMaster::~GameMaster() { iCameraDestroy(camera); }

void GameMaster::saveProfile() {}

void GameMaster::reloadProfile() {}

void GameMaster::tick() {}

void GameMaster::requestQuit() { quitRequested = true; }

void GameMaster::idle() {}

uint32_t GameMaster::getCamera() { return camera; }

GuiManager* GameMaster::getGuiManager() { return guiManager; }

ProfileState* GameMaster::getProfile() { return profile; }

void GameMaster::releaseProfile() {}

void GameMaster::loadProfile(const std::string&, const std::string& fileName) { profileFileName = fileName; }

void GameMaster::createProfile(const std::string&, const std::string&) {}

BattleManager* GameMaster::getBattleManager() { return battleManager; }

SongPlayer* GameMaster::getSongPlayer() { return songPlayer; }

}  // namespace Tavek
