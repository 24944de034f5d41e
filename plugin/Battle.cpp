#include "plugin/Battle.h"

#include <cstdio>
#include <string>

#include "platform/vuzirovari/vuzirovari.h"
#include "plugin/TestFighter.h"

namespace Vortane {

namespace {

const char* const FontFile = "default_res\\fontwhite\\font.wid";
const char* const LoadingPicture = "default_res\\sprites\\loading.x";
const char* const ArenaFolder = "Tavek_res\\arena1\\";
const char* const MatCollision = "Tavek_res\\arena1\\mat_0.93.ply";
const char* const ArenaMeshes[Battle::ArenaMeshCount] = {
    "audience", "black", "black_beam", "blue", "blue_beam", "blue_light", "bottle", "box1", "box2", "camera",
    "camera_attach", "catwalk_tile", "chair", "flag_au", "flag_ca", "flag_cn", "flag_cu", "flag_eg", "flag_fr",
    "flag_gb", "flag_gr", "flag_ir", "flag_kr", "flag_large_tavek", "flag_large_tavek2", "flag_mx", "flag_se",
    "flag_th", "flag_tr", "flag_tw", "flag_us", "flag_ve", "gate", "grate", "green2", "light", "light_blue", "mat",
    "metal_beam", "metal_light", "red", "scoreboard_led", "seats", "side", "side2", "small_scoreboard",
    "spotlight", "stairs", "table", "wall_tile", "white_beam"};
constexpr int ArenaToggleKey = 38;  // "L"

const Vector3 CameraPlace{0.0f, 1.6f, -3.5f};
const Vector3 CameraTarget{0.0f, 0.9f, 0.0f};
const struct {
    Vector3 place;
    float turn;
} Placement[2] = {{{0.7f, 0.6f, 0.0f}, -90.0f}, {{-0.7f, 0.6f, 0.0f}, 90.0f}};

// The texts, in the battle's font.
const iVector2 TextCell{0.5f, 0.5f};
const iVector2 HintPlaces[2] = {{-15.5f, 11.2f}, {-15.5f, 10.4f}};
const char* const Hints[2] = {"Press: F1, F2, Arrow keys", "Press: 1, 2, E, D, S, F"};
const iVector2 ValuesPlace{-15.5f, 9.6f};
const iVector2 CounterPlace{11.5f, -11.5f};

std::string arenaFile(const char* name) { return std::string(ArenaFolder) + name + ".x"; }

}  // namespace

Battle::Battle(uint32_t camera) : camera_(camera) {
    font_ = iFontCreate(FontFile, camera_);
    loading_ = iSpriteCreate(LoadingPicture, static_cast<int>(camera_));
    iSpriteShow(loading_);
    arenaBody_ = iBodyCreate(MatCollision);
    iBodyEnable(arenaBody_);
    buildArena();
    for (int i = 0; i < 2; ++i) {
        fighters_[static_cast<size_t>(i)] =
            std::make_unique<TestFighter>(this, i, Placement[i].place, Placement[i].turn);
    }
    makeContactPairs();
    iSpriteHide(loading_);
    iCameraLocationSet(camera_, &CameraPlace);
    iCameraLookAt(camera_, &CameraTarget, 1.0f);
}

Battle::~Battle() {
    for (uint32_t pair : pairs_) iBodyBodyDestroy(pair);
    for (auto& fighter : fighters_) fighter.reset();
    for (uint32_t mesh : lightMaps_) iMeshDestroy(mesh);
    for (uint32_t mesh : arenaMeshes_) iMeshDestroy(mesh);
    iBodyDestroy(arenaBody_);
    iSpriteDestroy(loading_);
    iFontDestroy(font_);
}

void Battle::buildArena() {
    for (const char* name : ArenaMeshes) {
        const uint32_t mesh = iMeshCreate(arenaFile(name).c_str());
        iMeshEmissiveSet(mesh, 1.0f, 1.0f, 1.0f, 1.0f);
        iMeshShow(mesh);
        arenaMeshes_.push_back(mesh);
    }
    for (int i = 1; i <= LightMapCount; ++i) {
        const uint32_t mesh = iMeshCreate(arenaFile(("lightmap" + std::to_string(i)).c_str()).c_str());
        iMeshEmissiveSet(mesh, 1.0f, 1.0f, 1.0f, 1.0f);
        iMeshRenderModeSet(mesh, 1, 3, 1, 0);
        iMeshZBiasSet(mesh, 1);
        iMeshShow(mesh);
        lightMaps_.push_back(mesh);
    }
}

// One pair for each body of A with each body of B, reporting every shape's contacts.
void Battle::makeContactPairs() {
    for (int a = 0; a < TestFighter::BoneCount; ++a) {
        for (int b = 0; b < TestFighter::BoneCount; ++b) {
            const uint32_t pair = iBodyBodyCreate(fighters_[0]->getBody(a), fighters_[1]->getBody(b));
            iBodyBodyRestitutionSet(pair, 0.0f);
            iBodyBodyFrictionSet(pair, 0.0f);
            iBodyBodyEnable(pair, 1);
            iBodyBodyFeedbackEnable(pair, -1, -1, 1);
            pairs_.push_back(pair);
        }
    }
}

void Battle::tick() {
    iCameraLookAt(camera_, &CameraTarget, 1.0f);
    fighters_[0]->readKeys(fighters_[1]->getPhase());
    fighters_[1]->readKeys(fighters_[0]->getPhase());
    testContacts();
    const float frameTime = iFrq(0);
    for (auto& fighter : fighters_) fighter->tick(frameTime);
    printTexts();
    elapsed_ += frameTime;
    char counter[64];
    std::snprintf(counter, sizeof counter, "%0.1f - %d", static_cast<double>(elapsed_), iFps());
    iPrint(counter, &CounterPlace, &TextCell, 0.0f, font_);
    if (iKeyClick(ArenaToggleKey)) {
        arenaShown_ = !arenaShown_;
        for (uint32_t mesh : arenaMeshes_) {
            if (arenaShown_) iMeshShow(mesh);
            else iMeshHide(mesh);
        }
    }
}

// A touch between the fighters while one attacks hits the other.
void Battle::testContacts() {
    bool touching = false;
    for (uint32_t pair : pairs_) {
        iVector3 point, direction;
        if (iBodyBodyFeedback(pair, -1, -1, &point, &direction, 0, 0, 0, 0) > 0) {
            touching = true;
            break;
        }
    }
    if (!touching) return;
    for (int i = 0; i < 2; ++i) {
        const int phase = fighters_[static_cast<size_t>(i)]->getPhase();
        if (phase >= 2 && phase <= 4) fighters_[static_cast<size_t>(1 - i)]->takeHit();
    }
}

void Battle::printTexts() {
    for (int i = 0; i < 2; ++i) iPrint(Hints[i], &HintPlaces[i], &TextCell, 0.0f, font_);
    char values[96];
    const double a = fighters_[0]->getValue(), b = fighters_[1]->getValue();
    std::snprintf(values, sizeof values, "Fighter A: %0.1f - Fighter B: %0.1f", a, b);
    iPrint(values, &ValuesPlace, &TextCell, 0.0f, font_);
}

void Battle::onFighterHit(int fighter) {
    if (fighter == 0 || fighter == 1) ++hits_[static_cast<size_t>(fighter)];
}

void Battle::onActionEnded(int fighter) {
    if (fighter == 0 || fighter == 1) ++actionsEnded_[static_cast<size_t>(fighter)];
}

}  // namespace Vortane
