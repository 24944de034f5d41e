// One player fighter's progress through the championship ladder: confidence points, the tier
// reached, the best medal of every tournament and the tournament now running. Stored as the
// Championship child of the fighter's file.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "state/RecordElement.h"

class PersistentObject;
class TournamentCatalog;

namespace Tavek {

class EnemyFighterState;
class TournamentState;

class ChampionshipState {
public:
    // Medal results, written "none", "bronze", "silver", "gold".
    enum Medal { None = 0, Bronze = 1, Silver = 2, Gold = 3 };
    static constexpr const char* CatalogFile = "Tavek_res\\championship\\tournaments.xml";

    static const char* medalText(int medal);
    // "gold" 3, "silver" 2, "bronze" 1, any other text 0.
    static int medalFromText(const std::string& text);

    // Held in memory only.
    ChampionshipState();
    // Bound to a new child named tag under the parent's element.
    ChampionshipState(const std::string& tag, PersistentObject* parent);
    virtual ~ChampionshipState();
    ChampionshipState(const ChampionshipState&) = delete;
    ChampionshipState& operator=(const ChampionshipState&) = delete;

    // Reads the parent's child named tag. A fighter file without one gets a fresh championship
    // (and the child, written at the next save). Each key is read on its own.
    virtual void read();
    virtual void write();
    virtual TournamentState* getCurrentTournament() const { return current.get(); }
    // The best medal won in that tournament; 0 for a name without entry.
    virtual int getResult(const std::string& tournamentName) const;
    virtual float getConfidencePoints() const { return confidencePoints; }
    virtual int getCurrentTier() const { return currentTier; }
    virtual const TournamentCatalog* getCatalog() const { return catalog.get(); }
    virtual void endTournament();
    // Starts the named tournament of the catalog with a new draw; an unknown name starts none.
    virtual void startTournament(const EnemyFighterState& player, const std::string& tournamentName,
                                 float difficulty);
    virtual void setCurrentTier(int tier) { currentTier = tier; }
    // Adds the confidence a better medal earns and keeps the better medal; a full tier of
    // medals opens the next tier. Returns true when confidence was gained. A name the
    // catalog does not hold changes nothing.
    virtual bool recordResult(const std::string& tournamentName, int medal);
    // A fresh ladder: no tournament, tier 1, every tournament without medal, and the
    // confidence of one tier's share.
    virtual void reset();
    // The confidence a change from oldMedal to newMedal in a tournament of tier earns (never negative).
    virtual float confidenceGain(int newMedal, int oldMedal, int tier) const;

    const std::map<std::string, int>& getResults() const { return results; }
    PersistentObject* getNode() const { return element.get(); }

private:
    RecordElement element;
    std::unique_ptr<TournamentState> current;
    std::map<std::string, int> results;
    float confidencePoints = 0.0f;
    int currentTier = 1;
    std::unique_ptr<TournamentCatalog> catalog;
};

}  // namespace Tavek
