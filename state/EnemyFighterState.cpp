#include "state/EnemyFighterState.h"

#include <algorithm>

#include "persistence/PersistentObject.h"
#include "persistence/RecordKeys.h"
#include "platform/win32/crt.h"
#include "state/TruncateToInt.h"

namespace Tavek {

namespace {

const char* const kKickFamilyNames[EnemyFighterState::KickFamilyCount] = {
    "RoundhouseKick", "HookKick", "AxeKickAndPushKick", "BackKick"};

const char* const kRankTexts[8] = {"Yellow",  "Green",   "Blue",    "Red",
                                   "1st Dan", "2nd Dan", "3rd Dan", "4th Dan"};

const char* const kMaleVoices[3] = {"male.zov", "male.orig", "male.ferdolan"};
const char* const kFemaleVoices[3] = {"female.quenra", "female.lodrevi", "female.orig"};

static_assert(sizeof(EnemyFighterFields::kicks) / sizeof(KickStats) == EnemyFighterState::KickFamilyCount);

using FighterKey = RecordKey<EnemyFighterFields>;

// The four values of one kick family, stored as <family><value>: RoundhouseKickPower ...
const RecordKey<KickStats> KickKeys[] = {
    {"Power", &KickStats::Power},
    {"Disruption", &KickStats::Disruption},
    {"Speed", &KickStats::Speed},
    {"Mobility", &KickStats::Mobility},
};

// The keys with a form of their own: the kick block, every family in turn, and the abilities
// as their list text ("PK9O3").
constexpr FighterKey::ByHand KickBlock{
    [](PersistentObject& node, const char*, const EnemyFighterFields& f) {
        for (int family = 0; family < EnemyFighterState::KickFamilyCount; ++family)
            writeRecordKeys(node, KickKeys, f.kicks[family], kKickFamilyNames[family]);
    },
    [](const PersistentObject& node, const char*, EnemyFighterFields& f) {
        for (int family = 0; family < EnemyFighterState::KickFamilyCount; ++family)
            readRecordKeys(node, KickKeys, f.kicks[family], kKickFamilyNames[family]);
    }};

constexpr FighterKey::ByHand AbilityList{
    [](PersistentObject& node, const char* name, const EnemyFighterFields& f) {
        node.setText(name, f.abilities.toString());
    },
    [](const PersistentObject& node, const char* name, EnemyFighterFields& f) {
        f.abilities.fromString(node.getString(name));
    }};

// Every key of a fighter record, in the order the file stores them.
const FighterKey FighterKeys[] = {
    {"Age", &EnemyFighterFields::Age},
    {"BodyType", &EnemyFighterFields::BodyType},
    {"Gender", &EnemyFighterFields::Gender, FighterKey::TextChild},
    {"KickPoints", &EnemyFighterFields::KickPoints},
    {"Look", &EnemyFighterFields::Look},
    {"name", &EnemyFighterFields::name, FighterKey::Attribute},
    {"School", &EnemyFighterFields::School, FighterKey::TextChild},
    {"Stance", &EnemyFighterFields::Stance, FighterKey::TextChild},
    {"StatPoints", &EnemyFighterFields::StatPoints},
    {"Rank", &EnemyFighterFields::Rank},
    {"Stamina", &EnemyFighterFields::Stamina},
    {"Training", &EnemyFighterFields::Training},
    {"Defense", &EnemyFighterFields::Defense},
    {"Agility", &EnemyFighterFields::Agility},
    {"Footwork", &EnemyFighterFields::Footwork},
    {"", KickBlock},
    {"Abilities", AbilityList},
    {"AIModule", &EnemyFighterFields::AIModule, FighterKey::TextChild},
    {"AILearnSpeed", &EnemyFighterFields::AILearnSpeed},
    {"SoundGroup", &EnemyFighterFields::SoundGroup, FighterKey::TextChild},
};

constexpr float kRandScale = 1.0f / 32768.0f;  // rand() times this is always below 1

// A draw in [0, 1] (1 included).
float randUnit() { return static_cast<float>(crt::rand()) / 32767.0f; }
// trunc(rand() / 32768 * n): 0 .. n-1.
int randIndex(float n) { return static_cast<int>(static_cast<float>(crt::rand()) * kRandScale * n); }

// Shares a budget out over fields: the first `favoured` get (base + step), the rest base.
void shareOut(int* const* fields, int count, int favoured, float base, float step, int budget) {
    const float total = static_cast<float>(budget);
    for (int i = 0; i < count; ++i) {
        *fields[i] = i < favoured ? static_cast<int>((base + step) * total)
                                  : static_cast<int>(total * base);
    }
}

}  // namespace

const char* EnemyFighterState::kickFamilyName(int family) {
    if (family < 0 || family >= KickFamilyCount) return "";
    return kKickFamilyNames[family];
}

EnemyFighterState::EnemyFighterState() = default;

EnemyFighterState::EnemyFighterState(const std::string& tag, PersistentObject* parent) : element(tag, parent) {
    element.bindNew();
    node = element.get();
}

EnemyFighterState::~EnemyFighterState() = default;

void EnemyFighterState::write(bool keep, int /*extra*/) {
    if (!node) return;
    if (!keep) {
        node->removeChildren();
        return;
    }
    if (!isPersistent()) return;
    writeRecordKeys(*node, FighterKeys, static_cast<const EnemyFighterFields&>(*this));
}

void EnemyFighterState::read(PersistentObject* given) {
    if (!isPersistent()) return;
    if (given) {
        node = given;
    } else if (element.getParent()) {
        // Find the element again: the parent's document may have been reloaded.
        element.bindExisting();
        node = element.get();
    }
    if (!node) return;
    // Every key stands on its own: one bad key never costs the fighter its other fields.
    readRecordKeys(*node, FighterKeys, static_cast<EnemyFighterFields&>(*this));
}

void EnemyFighterState::randomizeFrom(const EnemyFighterState& templ, float difficulty) {
    // One offset of -5..+5 points for both budgets.
    const float offset = randUnit() * 10.0f - 5.0f;
    StatPoints = truncateToInt(static_cast<float>(templ.StatPoints) * difficulty + offset);
    KickPoints = truncateToInt(static_cast<float>(templ.KickPoints) * difficulty + offset);
    // A budget below zero would give negative stats, which the fighter's growth curves
    // cannot take (square roots of them); an empty budget is the weakest opponent.
    StatPoints = std::max(StatPoints, 0);
    KickPoints = std::max(KickPoints, 0);

    const int favouredStats = randIndex(4.0f);  // 0-3
    const int favouredKicks = randIndex(3.0f);  // 0-2

    int* stats[5] = {&Stamina, &Training, &Defense, &Agility, &Footwork};
    if (favouredStats > 0) crt::randomShuffle(std::begin(stats), std::end(stats));
    int* powers[KickFamilyCount];
    for (int f = 0; f < KickFamilyCount; ++f) powers[f] = &kicks[f].Power;
    if (favouredKicks > 0) crt::randomShuffle(std::begin(powers), std::end(powers));

    // The favour step: 5% to 10% of the budget on top of an even share.
    const float step = (randUnit() + 1.0f) * 0.05f;
    const float base = (1.0f - static_cast<float>(favouredStats) * step) / 5.0f;
    shareOut(stats, 5, favouredStats, base, step, StatPoints);
    const float kickBase = (1.0f - static_cast<float>(favouredKicks) * step) / 4.0f;
    shareOut(powers, KickFamilyCount, favouredKicks, kickBase, step, KickPoints);
    for (KickStats& k : kicks) k.Disruption = k.Speed = k.Mobility = k.Power;

    Gender = templ.Gender;
    pickRandomLookId();
    BodyType = templ.BodyType;
    pickRandomLook();
    Stance = "R";
    Rank = templ.Rank;
}

int EnemyFighterState::getUnspentStatPoints() const {
    return StatPoints - (Stamina + Training + Defense + Agility + Footwork);
}

int EnemyFighterState::getUnspentKickPoints() const {
    int spent = 0;
    for (const KickStats& k : kicks) spent += k.Power;
    return KickPoints - spent;
}

std::string EnemyFighterState::getFirstName() const {
    const size_t blank = name.rfind(' ');
    return blank == std::string::npos ? name : name.substr(0, blank);
}

std::string EnemyFighterState::getLastName() const {
    const size_t blank = name.rfind(' ');
    return blank == std::string::npos ? std::string() : name.substr(blank + 1);
}

std::string EnemyFighterState::getGenderText() const { return isMale() ? "Male" : "Female"; }

float EnemyFighterState::getAveragePower() const {
    int sum = 0;
    for (const KickStats& k : kicks) sum += k.Power;
    return 0.25f * static_cast<float>(sum);
}

float EnemyFighterState::getAverageDisruption() const {
    int sum = 0;
    for (const KickStats& k : kicks) sum += k.Disruption;
    return 0.25f * static_cast<float>(sum);
}

float EnemyFighterState::getAverageSpeed() const {
    int sum = 0;
    for (const KickStats& k : kicks) sum += k.Speed;
    return 0.25f * static_cast<float>(sum);
}

int EnemyFighterState::getBeltClass() const { return Rank >= 0 && Rank <= 3 ? Rank + 1 : 5; }

std::string EnemyFighterState::getRankText() const {
    return Rank >= 0 && Rank <= 7 ? kRankTexts[Rank] : kRankTexts[7];
}

void EnemyFighterState::pickRandomLookId() {
    const int index = randIndex(3.0f);
    SoundGroup = isMale() ? kMaleVoices[index] : kFemaleVoices[index];
}

void EnemyFighterState::pickRandomLook() {
    const int k = randIndex(12.0f);
    Look = isMale() ? k : 12 + k;
}

bool EnemyFighterState::isValid() const { return isStatsValid() && isKicksValid() && isLookValid(); }

}  // namespace Tavek
