#include "plugin/GameMaster.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/hostpath.h"
#include "plugin/Font.h"
#include "plugin/MainGuiMaster.h"
#include "plugin/PersistentFighter.h"
#include "plugin/PersistentProfile.h"
#include "plugin/PluginGlobals.h"
#include "plugin/PluginLog.h"

namespace Vortane::Tavek {

namespace {

const char* const BlackFontFile = "default_res\\fontimpactblack\\Impact.wid";
const char* const WhiteFontFile = "default_res\\fontimpactwhite\\Impact.wid";
const char* const ProfileFile = "c://profile0";
const char* const FighterFile = "c://profile0Fighter0";
const char* const DefaultName = "I AM ERROR";

// The drive's root always exists on Windows; here it is a folder under the working directory.
void makeDriveFolder(const std::string& gamePath) {
    std::error_code ignored;
    const std::filesystem::path host = hostPath(gamePath);
    if (host.has_parent_path()) std::filesystem::create_directories(host.parent_path(), ignored);
}

std::unique_ptr<PersistentProfile> defaultProfile() {
    auto profile = std::make_unique<PersistentProfile>();
    profile->setId(0);
    profile->setName(DefaultName);
    profile->addFighterPath(FighterFile);
    return profile;
}

}  // namespace

GameMaster::GameMaster() {
    camera_ = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    delete fontBlack;
    fontBlack = new Font(BlackFontFile, static_cast<int>(camera_), true);
    delete fontWhite;
    fontWhite = new Font(WhiteFontFile, static_cast<int>(camera_), true);
    const iVector3 cameraPlace{0.0f, 1.0f, 0.0f};
    iCameraLocationSet(camera_, &cameraPlace);
    const iVector3 lightDirection{0.1f, -1.0f, 0.1f};
    const iVector4 lightColour{1.0f, 1.0f, 1.0f, 0.35f};
    iLightDirectionalSet(&lightDirection, &lightColour);
    try {
        guiManager_ = std::make_unique<GuiManager>();
        menuMaster_ = std::make_unique<MainGuiMaster>(this, camera_);
        setUpProfile();
    } catch (...) {
        release();  // a half-made master leaves no font or camera behind
        throw;
    }
}

GameMaster::~GameMaster() { release(); }

void GameMaster::release() {
    profile_.reset();
    menuMaster_.reset();
    guiManager_.reset();
    delete fontWhite;  // the menu master deletes it; here only when the menu master was never made
    fontWhite = nullptr;
    delete fontBlack;
    fontBlack = nullptr;
    iCameraDestroy(camera_);
    camera_ = 0;
}

void GameMaster::tick() {
    menuMaster_->tick();
    guiManager_->pollInput();
}

void GameMaster::quit() { quitRequested = true; }

// The profile if there is one; otherwise the default fighter, then the default profile that
// names it. A fighter that cannot be written is not followed by the profile, so the next start
// tries both again. Nothing here stops the menus.
void GameMaster::setUpProfile() {
    profilePath_ = ProfileFile;
    if (iFileExists(ProfileFile)) {
        auto loaded = std::make_unique<PersistentProfile>();
        try {
            loaded->load(profilePath_);
            profile_ = std::move(loaded);
        } catch (const std::exception& e) {
            report(std::string("Vortane: the profile ") + ProfileFile + " could not be read (" + e.what() +
                   "); it was left as it is and the plug-in runs on the default profile");
            profile_ = defaultProfile();
        }
        return;
    }
    profile_ = defaultProfile();
    PersistentFighter fighter;
    fighter.setAge(18);
    fighter.setGender("M");
    fighter.setId(0);
    fighter.setName(DefaultName);
    fighter.setSchool(DefaultName);
    makeDriveFolder(ProfileFile);
    try {
        fighter.save(profile_->getFighterPath(0));
    } catch (const std::exception& e) {
        report(std::string("Vortane: the fighter ") + FighterFile + " could not be written (" + e.what() +
               "); the profile was not written either, both are tried again at the next start");
        return;
    }
    try {
        profile_->save(profilePath_);
    } catch (const std::exception& e) {
        report(std::string("Vortane: the profile ") + ProfileFile + " could not be written (" + e.what() +
               "); it is tried again at the next start");
    }
}

}  // namespace Vortane::Tavek
