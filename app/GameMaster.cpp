#include "app/GameMaster.h"

#include <cstdio>
#include <exception>

#include "app/ProcessState.h"
#include "app/WinMain.h"
#include "audio/SongPlayer.h"
#include "fight/BattleManager.h"
#include "game/LoadingScreen.h"
#include "game/MainGuiMaster.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "math/Vector3.h"
#include "math/Vector4.h"
#include "persistence/XMLFileException.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"
#include "platform/win32/hostpath.h"
#include "platform/win32/win32.h"
#include "resources/StartupTables.h"
#include "script/ScriptMaster.h"
#include "state/ProfileState.h"

namespace Tavek {

namespace {

bool existsOnDisk(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Moves an unreadable profile file aside (path + ".broken", or with a number when that is
// taken) so that a fresh profile can take its place; returns the new name. When it cannot be
// moved, the file stays where it is and the game stops with the original error.
std::string keepBrokenFile(const std::string& path, const XMLFileException& error) {
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::string kept = path + ".broken" + (attempt == 1 ? "" : std::to_string(attempt));
        if (existsOnDisk(kept)) continue;
        if (std::rename(hostPath(path).c_str(), hostPath(kept).c_str()) == 0) return kept;
        break;
    }
    throw XMLFileException(error.getMessage() + "\nThe file was left as it is, since no copy of it could be kept.");
}

// The five GUI fonts, in this order. They live as long as the process; a second game master
// (only ever made by tests) replaces the first one's.
void makeGuiFonts(uint32_t camera) {
    const struct {
        GuiFont** font;
        const char* widthFile;
    } fonts[] = {
        {&fontBlack, "default_res\\fontblairblack\\BlairMdITC TT.wid"},
        {&fontBlack30, "default_res\\fontblairblack30\\BlairMdITC TT.wid"},
        {&fontWhite30, "default_res\\fontblairwhite30\\BlairMdITC TT.wid"},
        {&fontBlue30, "default_res\\fontblairblue30\\BlairMdITC TT.wid"},
        {&fontWhite, "default_res\\fontblairwhite\\BlairMdITC TT.wid"},
    };
    for (const auto& entry : fonts) {
        delete *entry.font;
        *entry.font = new GuiFont(entry.widthFile, static_cast<int>(camera), true);
        if ((*entry.font)->getEngineFont() == 0) {
            OutputDebugStringA((std::string("The font ") + entry.widthFile + " could not be made; its text will not show.\n").c_str());
        }
    }
}

}  // namespace

GameMaster::GameMaster() {
    camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    iTextureMipLevelsSet(1);
    makeGuiFonts(camera);
    iTextureMipLevelsSet(0);
    Vector3 location(0.0f, 1.0f, 0.0f);
    iCameraLocationSet(camera, &location);
    Vector3 lightDirection(0.1f, -1.0f, 0.1f);
    Vector4 lightColour(1.0f, 1.0f, 1.0f, 0.35f);
    iLightDirectionalSet(&lightDirection, &lightColour);
    songPlayer = std::make_unique<SongPlayer>();
    guiManager.reset(makeGuiManager());
    mainGuiMaster = std::make_unique<MainGuiMaster>(this, camera);
    scriptMaster = std::make_unique<ScriptMaster>(scriptsFolder);
    // The battle reports to the menu master and moves the loading bar while it builds.
    battleManager = new BattleManager(camera, scriptMaster.get(), static_cast<CurrentMasterEH*>(mainGuiMaster.get()),
                                      mainGuiMaster->getLoadingScreen());
    mainGuiMaster->getLoadingScreen()->setProgress(1.0f);
    mainGuiMaster->showMainMenu();
}

GameMaster::~GameMaster() {
    // Every script object goes with the battle, before the interpreter stops.
    delete battleManager;
    battleManager = nullptr;
    mainGuiMaster.reset();
    guiManager.reset();
    songPlayer.reset();
    if (profile) {
        try {
            profile->saveAll(profileFileName);
        } catch (const XMLFileException& e) {
            OutputDebugStringA(("The profile could not be saved: " + e.getMessage() + "\n").c_str());
        } catch (const std::exception& e) {
            OutputDebugStringA((std::string("The profile could not be saved: ") + e.what() + "\n").c_str());
        }
        profile.reset();
    }
    iCameraDestroy(camera);
    scriptMaster.reset();
}

void GameMaster::saveProfile() {
    if (profile) profile->saveAll(profileFileName);
}

void GameMaster::reloadProfile() {
    if (!profile) return;
    const std::string folder = profile->getDirectory();
    loadProfile(folder, profileFileName);
}

void GameMaster::tick() {
    if (battleManager) static_cast<TickAble*>(battleManager)->tick();
    if (guiManager) guiManager->pollInput();
    if (mainGuiMaster) mainGuiMaster->tick();
    songPlayer->tick();
}

void GameMaster::requestQuit() { quitRequested = true; }

void GameMaster::idle() {}

uint32_t GameMaster::getCamera() { return camera; }

GuiManager* GameMaster::getGuiManager() { return guiManager.get(); }

ProfileState* GameMaster::getProfile() {
    if (profile) return profile.get();
    char workingDirectory[4096];
    const char* cwd = _getcwd(workingDirectory, sizeof workingDirectory);
    try {
        loadProfile(std::string(cwd ? cwd : ".") + "\\saveData\\", "profile.xml");
    } catch (const std::exception& e) {
        // Neither read nor made: play on with a profile in memory, leaving every file as it is.
        // It has no file name, so each later save of it fails and is reported.
        profile = std::make_unique<ProfileState>(0);
        profile->setName("Profile");
        profileFileName.clear();
        reportProfileProblems({std::string("The profile could not be loaded or made (") + e.what() +
                               "). A profile held in memory is used; nothing of it will be saved."},
                              "Your profile could not be loaded.", "Changes will not be kept after you quit.");
    }
    return profile.get();
}

void GameMaster::releaseProfile() { profile.reset(); }

void GameMaster::loadProfile(const std::string& folderGiven, const std::string& fileName) {
    // The caller may hand us the current profile's own folder text, which goes with it below.
    const std::string folder = folderGiven;
    profile.reset();
    profileFileName = fileName;
    std::vector<std::string> problems;

    auto loaded = std::make_unique<ProfileState>(1);
    loaded->setDirectory(folder);
    std::string keptName;
    try {
        loaded->load(fileName);
    } catch (const XMLFileException& e) {
        const std::string path = folder + fileName;
        // Only a missing or unreadable profile file is replaced, and an unreadable one is kept aside.
        if (existsOnDisk(path)) {
            std::string kept = keepBrokenFile(path, e);
            keptName = kept.substr(kept.find_last_of("\\/") + 1);
            problems.push_back("The profile " + hostPath(path) + " could not be read (" + e.getMessage() +
                               "). It was kept as " + hostPath(kept) + " and a new profile was started.");
        }
        try {
            createProfile(folder, fileName);
            // A fresh object: nothing of the failed attempt carries over.
            loaded = std::make_unique<ProfileState>(1);
            loaded->setDirectory(folder);
            loaded->load(fileName);
        } catch (const std::exception&) {
            // What was done with the broken file still goes to the log.
            for (const std::string& problem : problems) OutputDebugStringA((problem + "\n").c_str());
            throw;
        }
    }
    const bool fightersLeftOut = !loaded->getLoadProblems().empty();
    for (const std::string& problem : loaded->getLoadProblems()) problems.push_back(problem);
    profile = std::move(loaded);
    if (!keptName.empty()) {
        reportProfileProblems(problems, "Your profile could not be read.", "A copy was kept as " + keptName + ".");
    } else if (fightersLeftOut) {
        reportProfileProblems(problems, "Some fighter files could not be read.", "They were left as they are.");
    }
}

void GameMaster::createProfile(const std::string& folder, const std::string& fileName) {
    _mkdir(folder.c_str());
    ProfileState fresh(1);
    fresh.setName("Profile");
    fresh.setDirectory(folder);
    fresh.saveAll(fileName);
}

void GameMaster::reportProfileProblems(const std::vector<std::string>& problems, const std::string& lineA,
                                       const std::string& lineB) {
    std::string text = "Some of your saved data could not be read:\n";
    for (const std::string& problem : problems) {
        OutputDebugStringA((problem + "\n").c_str());
        text += "\n" + problem;
    }
    if (guiManager && guiManager->getMessageBox()) {
        guiManager->showMessageBox(0, lineA, lineB, nullptr);
    } else {
        MessageBoxA(nullptr, text.c_str(), productName, MB_OK);
    }
}

BattleManager* GameMaster::getBattleManager() { return battleManager; }

SongPlayer* GameMaster::getSongPlayer() { return songPlayer.get(); }

}  // namespace Tavek
