// The fixed ladder of tournaments from tournaments.xml, indexed by tier and by name.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "state/TournamentRecord.h"

class TournamentCatalog {
public:
    // Loads the file. A file that cannot be read leaves the catalog empty (see getLoadError);
    // a Tournament element with a missing or malformed key, or an empty name, is skipped.
    explicit TournamentCatalog(const std::string& path);
    TournamentCatalog(const TournamentCatalog&) = delete;
    TournamentCatalog& operator=(const TournamentCatalog&) = delete;

    // The tier's records in file order; an empty list for a tier without any.
    const std::vector<const TournamentRecord*>& getTournamentsInTier(int tier) const;
    int countTournamentsInTier(int tier) const;
    // The record of that name (the last one in the file when names repeat), or null.
    const TournamentRecord* findByName(const std::string& name) const;
    // The distinct tier numbers, in no particular order.
    std::vector<int> getTiers() const;
    int getTierCount() const;

    // Why the file could not be loaded; empty when it was.
    const std::string& getLoadError() const { return loadError; }

private:
    void add(std::unique_ptr<TournamentRecord> record);

    std::vector<std::unique_ptr<TournamentRecord>> records;
    std::unordered_map<int, std::vector<const TournamentRecord*>> byTier;
    std::unordered_map<std::string, const TournamentRecord*> byName;
    std::unordered_set<int> tiers;
    std::string loadError;
};
