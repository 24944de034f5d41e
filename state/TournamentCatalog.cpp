#include "state/TournamentCatalog.h"

#include "persistence/AttributeException.h"
#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "platform/win32/win32.h"

namespace {

std::unique_ptr<TournamentRecord> readRecord(const PersistentObject& element) {
    std::string name = element.getString("name");
    int opponents = element.getInt("opponents");
    float difficulty = element.getFloat("difficulty");
    int tier = element.getInt("tier");
    int rounds = element.getInt("rounds");
    float roundLength = element.getFloat("roundlength");
    int arena = TournamentRecord::arenaFromName(element.getString("arena"));
    return std::make_unique<TournamentRecord>(name, opponents, difficulty, tier, arena, rounds, roundLength);
}

}  // namespace

TournamentCatalog::TournamentCatalog(const std::string& path) {
    PersistentObject document;
    try {
        document.load(path);
    } catch (const XMLFileException& e) {
        loadError = e.getMessage();
        OutputDebugStringA(("The tournament table is empty: " + loadError + "\n").c_str());
        return;
    }
    for (const PersistentObject& element : document.getChildren("Tournament")) {
        try {
            std::unique_ptr<TournamentRecord> record = readRecord(element);
            if (!record->getName().empty()) add(std::move(record));
        } catch (const AttributeException&) {
            // An incomplete tournament is left out; the others still load.
        }
    }
}

void TournamentCatalog::add(std::unique_ptr<TournamentRecord> record) {
    const TournamentRecord* entry = record.get();
    records.push_back(std::move(record));
    byTier[entry->getTier()].push_back(entry);
    byName[entry->getName()] = entry;
    tiers.insert(entry->getTier());
}

const std::vector<const TournamentRecord*>& TournamentCatalog::getTournamentsInTier(int tier) const {
    static const std::vector<const TournamentRecord*> none;
    auto found = byTier.find(tier);
    return found == byTier.end() ? none : found->second;
}

int TournamentCatalog::countTournamentsInTier(int tier) const {
    return static_cast<int>(getTournamentsInTier(tier).size());
}

const TournamentRecord* TournamentCatalog::findByName(const std::string& name) const {
    auto found = byName.find(name);
    return found == byName.end() ? nullptr : found->second;
}

std::vector<int> TournamentCatalog::getTiers() const {
    return std::vector<int>(tiers.begin(), tiers.end());
}

int TournamentCatalog::getTierCount() const {
    return static_cast<int>(tiers.size());
}
