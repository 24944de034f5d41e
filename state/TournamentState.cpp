#include "state/TournamentState.h"

#include <algorithm>
#include <cstdint>

#include "persistence/AttributeException.h"
#include "persistence/GuardedRead.h"
#include "persistence/PersistentObject.h"
#include "platform/win32/crt.h"
#include "script/ScriptList.h"
#include "state/EnemyFighterState.h"
#include "state/NameGenerator.h"
#include "state/TruncateToInt.h"

namespace Tavek {

// One opponent of the draw. An opponent read from a file reads from a view of its element,
// which the entry keeps; a generated one owns its element object itself.
struct TournamentState::Entry {
    std::unique_ptr<PersistentObject> element;
    std::unique_ptr<EnemyFighterState> record;
};

namespace {

// The scripts.xml level of a belt class: 0 and 1 yellow, up to 5 black.
const char* beltColour(int beltClass) {
    switch (beltClass) {
    case 0:
    case 1: return "yellow";
    case 2: return "green";
    case 3: return "blue";
    case 4: return "red";
    case 5: return "black";
    default: return "";
    }
}

// The difficulty factors of the options: 0.75, 1.0, 1.25, 2.0 for levels 0 to 3.
float levelFactor(int level) {
    switch (level) {
    case 0: return 0.75f;
    case 2: return 1.25f;
    case 3: return 2.0f;
    default: return 1.0f;
    }
}

// value x ratio truncated toward zero, held within the int range.
int scaled(int value, float ratio) { return truncateToInt(static_cast<float>(value) * ratio); }

float strengthScore(const EnemyFighterState& fighter) {
    const float strength = static_cast<float>(static_cast<int64_t>(fighter.StatPoints) + fighter.KickPoints);
    const double r = crt::rand() / 32767.0;
    return static_cast<float>(strength + r * strength / 10.0);
}

}  // namespace

TournamentState::TournamentState() = default;

TournamentState::TournamentState(const std::string& tag, PersistentObject* parent) : element(tag, parent) {
    if (parent) {
        try {
            element.bindExisting();
            read();
            return;
        } catch (const AttributeException&) {
            // No such child yet: start a new one.
            clearDraw(false);
        }
    }
    element.bindNew();
}

TournamentState::~TournamentState() = default;

void TournamentState::read() {
    if (!element.isPersistent()) return;
    const PersistentObject& n = *element.get();
    readGuarded([&] { name = n.getString("name"); });
    readGuarded([&] { boutsLeft = n.getInt("NumOpponents"); });
    readGuarded([&] { level = n.getInt("Difficulty"); });
    // The draw is the file's, not added to what was held before.
    clearDraw(false);
    for (const PersistentObject& child : n.getChildren("Fighter")) {
        auto entry = std::make_unique<Entry>();
        entry->element = std::make_unique<PersistentObject>(child);
        entry->record = std::make_unique<EnemyFighterState>("Fighter", nullptr);
        entry->record->read(entry->element.get());
        draw.push_back(std::move(entry));
    }
}

void TournamentState::write() {
    if (!element.isPersistent()) return;
    PersistentObject& node = *element.get();
    node.removeValue("name");
    node.setString("name", name, true);
    node.setInt("NumOpponents", boutsLeft);
    node.setInt("Difficulty", level);
    for (const auto& entry : draw) entry->record->write(true, 0);
}

EnemyFighterState* TournamentState::getNextOpponent() const {
    return draw.empty() ? nullptr : draw.front()->record.get();
}

EnemyFighterState* TournamentState::getOpponent(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= draw.size()) return nullptr;
    return draw[static_cast<size_t>(index)]->record.get();
}

void TournamentState::generateOpponents(int bouts, const EnemyFighterState& player, float difficulty) {
    bouts = std::clamp(bouts, 0, MaxBouts);
    // Everything that can fail is read before the old draw is touched.
    PersistentObject scripts;
    scripts.load(ScriptsFile);
    ScriptList scriptList(scripts.getChild("level", "Belt", beltColour(player.getBeltClass())), "AI");
    NameGenerator names(NamesFile);

    clearDraw(true);
    const int count = (1 << bouts) - 1;
    for (int i = 0; i < count; ++i) {
        auto entry = std::make_unique<Entry>();
        entry->record = element.isPersistent() ? std::make_unique<EnemyFighterState>("Fighter", element.get())
                                               : std::make_unique<EnemyFighterState>();
        EnemyFighterState& opponent = *entry->record;
        opponent.randomizeFrom(player, difficulty);
        opponent.name = names.makeName(opponent.Gender == "M");
        opponent.AIModule = scriptList.getScript();
        opponent.AILearnSpeed = difficulty;
        draw.push_back(std::move(entry));
    }
    boutsLeft = bouts;
}

void TournamentState::advanceRound() {
    if (draw.empty()) return;
    removeOpponent(0);
    // The rest fight in pairs; the winner keeps its place. A stored draw of the wrong size
    // leaves its last opponent unpaired, where it is.
    for (size_t i = 0; i + 1 < draw.size(); ++i) {
        EnemyFighterState* first = draw[i]->record.get();
        EnemyFighterState* winner = compareStrength(first, draw[i + 1]->record.get());
        removeOpponent(winner == first ? i + 1 : i);
    }
    if (boutsLeft > 0) --boutsLeft;
}

void TournamentState::setDifficulty(int newLevel) {
    if (newLevel == level) return;
    const float ratio = levelFactor(newLevel) / levelFactor(level);
    for (const auto& entry : draw) {
        EnemyFighterState& o = *entry->record;
        for (int* stat : {&o.Stamina, &o.Training, &o.Defense, &o.Agility, &o.Footwork}) *stat = scaled(*stat, ratio);
        for (KickStats& k : o.kicks) {
            k.Power = scaled(k.Power, ratio);
            k.Disruption = scaled(k.Disruption, ratio);
            k.Speed = scaled(k.Speed, ratio);
            k.Mobility = scaled(k.Mobility, ratio);
        }
    }
    level = newLevel;
}

void TournamentState::reset() {
    boutsLeft = 0;
    level = 1;
}

EnemyFighterState* TournamentState::compareStrength(EnemyFighterState* a, EnemyFighterState* b) {
    const float scoreA = strengthScore(*a);
    const float scoreB = strengthScore(*b);
    return scoreB < scoreA ? a : b;
}

void TournamentState::clearDraw(bool removeElements) {
    if (removeElements && element.isPersistent()) element.get()->removeValue("Fighter");
    draw.clear();
}

void TournamentState::removeOpponent(size_t index) {
    EnemyFighterState& opponent = *draw[index]->record;
    if (element.isPersistent() && opponent.getNode()) element.get()->removeChild(*opponent.getNode());
    draw.erase(draw.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace Tavek
