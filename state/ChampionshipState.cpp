#include "state/ChampionshipState.h"

#include <algorithm>

#include "persistence/AttributeException.h"
#include "persistence/GuardedRead.h"
#include "persistence/ElementNotFoundException.h"
#include "persistence/PersistentObject.h"
#include "state/TournamentCatalog.h"
#include "state/TournamentState.h"

namespace Tavek {

const char* ChampionshipState::medalText(int medal) {
    switch (medal) {
    case Gold: return "gold";
    case Silver: return "silver";
    case Bronze: return "bronze";
    default: return "none";
    }
}

int ChampionshipState::medalFromText(const std::string& text) {
    if (text == "gold") return Gold;
    if (text == "silver") return Silver;
    if (text == "bronze") return Bronze;
    return None;
}

ChampionshipState::ChampionshipState() { reset(); }

ChampionshipState::ChampionshipState(const std::string& tag, PersistentObject* parent) : element(tag, parent) {
    element.bindNew();
    reset();
}

ChampionshipState::~ChampionshipState() = default;

void ChampionshipState::read() {
    if (!element.isPersistent()) return;
    // The running tournament may look into a document that has since been replaced.
    current.reset();
    if (element.getParent()) {
        try {
            element.bindExisting();
        } catch (const ElementNotFoundException&) {
            // A fighter without championship data starts the ladder afresh.
            element.bindNew();
            reset();
            return;
        }
    }
    const PersistentObject& n = *element.get();
    readGuarded([&] { confidencePoints = n.getFloat("ConfidencePoints"); });
    readGuarded([&] { currentTier = n.getInt("CurrentTier"); });

    current = std::make_unique<TournamentState>("CurrentTournament", element.get());
    if (current->getNumOpponents() <= 0) current.reset();

    for (const PersistentObject& child : n.getChildren("TournamentResult")) {
        try {
            std::string name = child.getString("name");
            results[name] = medalFromText(child.getString("result"));
        } catch (const AttributeException&) {
            // A result without name or medal is left out.
        }
    }
}

void ChampionshipState::write() {
    if (!element.isPersistent()) return;
    PersistentObject& node = *element.get();
    node.setFloat("ConfidencePoints", confidencePoints);
    node.setInt("CurrentTier", currentTier);
    if (current) current->write();
    node.removeValue("TournamentResult");
    for (const auto& [name, medal] : results) {
        PersistentObject child("TournamentResult", &node);
        child.setString("name", name, true);
        child.setString("result", medalText(medal), true);
    }
}

int ChampionshipState::getResult(const std::string& tournamentName) const {
    auto found = results.find(tournamentName);
    return found == results.end() ? None : found->second;
}

void ChampionshipState::endTournament() {
    if (element.isPersistent()) element.get()->removeValue("CurrentTournament");
    current.reset();
}

void ChampionshipState::startTournament(const EnemyFighterState& player, const std::string& tournamentName,
                                        float difficulty) {
    endTournament();
    const TournamentRecord* record = catalog->findByName(tournamentName);
    if (!record) return;
    auto started = element.isPersistent() ? std::make_unique<TournamentState>("CurrentTournament", element.get())
                                          : std::make_unique<TournamentState>();
    started->setName(tournamentName);
    try {
        started->generateOpponents(record->getOpponents(), player, difficulty);
    } catch (...) {
        // No half-made tournament stays in the fighter's file.
        if (element.isPersistent()) element.get()->removeValue("CurrentTournament");
        throw;
    }
    current = std::move(started);
}

bool ChampionshipState::recordResult(const std::string& tournamentName, int medal) {
    const TournamentRecord* record = catalog->findByName(tournamentName);
    if (!record) return false;
    medal = std::clamp(medal, static_cast<int>(None), static_cast<int>(Gold));
    const int old = getResult(tournamentName);
    const int tier = record->getTier();

    const float gain = confidenceGain(medal, old, tier);
    if (gain != 0.0f) confidencePoints += gain;
    if (medal > old) results[tournamentName] = medal;

    if (currentTier == tier) {
        bool tierComplete = true;
        for (const TournamentRecord* inTier : catalog->getTournamentsInTier(tier))
            tierComplete = tierComplete && getResult(inTier->getName()) != None;
        if (tierComplete) ++currentTier;
    }
    return gain != 0.0f;
}

void ChampionshipState::reset() {
    // A tournament that was running is over, in memory and in the file.
    endTournament();
    currentTier = 1;
    catalog = std::make_unique<TournamentCatalog>(CatalogFile);
    results.clear();
    for (int tier : catalog->getTiers())
        for (const TournamentRecord* record : catalog->getTournamentsInTier(tier)) results[record->getName()] = None;
    confidencePoints = static_cast<float>(100.0 / (catalog->getTierCount() + 1));
}

float ChampionshipState::confidenceGain(int newMedal, int oldMedal, int tier) const {
    const int count = catalog ? catalog->countTournamentsInTier(tier) : 0;
    if (count <= 0) return 0.0f;
    const float tierShare = static_cast<float>(100.0 / (catalog->getTierCount() + 1));
    const float share = tierShare / static_cast<float>(count);
    auto value = [share](int medal) {
        switch (medal) {
        case Bronze: return 0.75f * share;
        case Silver: return 0.9f * share;
        case Gold: return share;
        default: return 0.0f;
        }
    };
    const float gain = value(newMedal) - value(oldMedal);
    return gain < 0.0f ? 0.0f : gain;
}

}  // namespace Tavek
