#include "state/TournamentRecord.h"

#include <utility>

int TournamentRecord::arenaFromName(const std::string& arenaName) {
    if (arenaName == "dojang") return 1;
    if (arenaName == "highschool") return 2;
    if (arenaName == "college") return 3;
    if (arenaName == "regionals") return 4;
    return 0;
}

TournamentRecord::TournamentRecord(std::string name, int opponents, float difficulty, int tier, int arena,
                                   int rounds, float roundLength)
    : name(std::move(name)),
      opponents(opponents),
      difficulty(difficulty),
      tier(tier),
      arena(arena),
      rounds(rounds),
      roundLength(roundLength) {}
