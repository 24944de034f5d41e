// One of the player's own fighters: a fighter record plus its championship progress, kept in
// a file of its own in the save folder ("fighter" + a number + ".xml"). Its stat and kick
// budgets and its rank grow with the championship's confidence points.
#pragma once

#include <memory>
#include <string>

#include "state/EnemyFighterState.h"

namespace Tavek {

class ChampionshipState;

class FighterState : public EnemyFighterState {
public:
    // Held in memory only; never read from or written to a file.
    FighterState();
    // A record bound to a new element named tag (the root of its own document without a
    // parent), with a Championship child under it.
    FighterState(const std::string& tag, PersistentObject* parent);
    ~FighterState() override;

    // Reads the fighter file at path (a game path). When the file cannot be read the
    // XMLFileException passes to the caller and the fighter keeps what it held.
    virtual void loadFromFile(const std::string& path);
    // Writes every key and the championship, then saves the document to path safely.
    virtual void saveToFile(const std::string& path);
    // Stat points, kick points and rank from the championship's confidence (0..100).
    virtual void applyConfidencePoints();

    ChampionshipState* getChampionship() const { return championship.get(); }

private:
    std::unique_ptr<ChampionshipState> championship;
};

}  // namespace Tavek
