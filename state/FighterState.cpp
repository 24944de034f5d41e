#include "state/FighterState.h"

#include <cstdint>

#include "persistence/PersistentObject.h"
#include "state/ChampionshipState.h"

namespace Tavek {

namespace {

int truncated(double value) {
    if (!(value > -2147483648.0)) return value < 0.0 ? INT32_MIN : 0;
    if (value >= 2147483648.0) return INT32_MAX;
    return static_cast<int>(value);
}

}  // namespace

FighterState::FighterState() : championship(std::make_unique<ChampionshipState>()) { applyConfidencePoints(); }

FighterState::FighterState(const std::string& tag, PersistentObject* parent)
    : EnemyFighterState(tag, parent), championship(std::make_unique<ChampionshipState>("Championship", node)) {
    applyConfidencePoints();
}

FighterState::~FighterState() = default;

void FighterState::loadFromFile(const std::string& path) {
    if (!node) return;
    // Parsed aside first: a file that cannot be read leaves the fighter's document as it was.
    PersistentObject loaded;
    loaded.load(path);
    *node = std::move(loaded);
    read();
    if (persistent) championship->read();
}

void FighterState::saveToFile(const std::string& path) {
    if (!node) return;
    write(true, 0);
    if (!persistent) return;
    championship->write();
    node->save(path);
}

void FighterState::applyConfidencePoints() {
    const float c = static_cast<float>(championship->getConfidencePoints() / 100.0);
    StatPoints = truncated(c * 425.0);
    KickPoints = truncated(c * 325.0);
    Rank = truncated(c * 7.0);
}

}  // namespace Tavek
