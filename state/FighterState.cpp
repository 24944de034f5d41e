#include "state/FighterState.h"

#include "persistence/PersistentObject.h"
#include "state/ChampionshipState.h"
#include "state/TruncateToInt.h"

namespace Tavek {

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
    if (isPersistent()) championship->read();
}

void FighterState::saveToFile(const std::string& path) {
    if (!node) return;
    write(true, 0);
    if (!isPersistent()) return;
    championship->write();
    node->save(path);
}

void FighterState::applyConfidencePoints() {
    const float c = static_cast<float>(championship->getConfidencePoints() / 100.0);
    StatPoints = truncateToInt(c * 425.0);
    KickPoints = truncateToInt(c * 325.0);
    Rank = truncateToInt(c * 7.0);
}

}  // namespace Tavek
