// One tournament of the championship ladder, as tournaments.xml describes it.
#pragma once

#include <string>

class TournamentRecord {
public:
    // Venue numbers of the arena names; any other name is venue 0.
    static int arenaFromName(const std::string& arenaName);

    TournamentRecord(std::string name, int opponents, float difficulty, int tier, int arena, int rounds,
                     float roundLength);

    const std::string& getName() const { return name; }
    int getOpponents() const { return opponents; }
    float getDifficulty() const { return difficulty; }
    int getTier() const { return tier; }
    int getArena() const { return arena; }
    int getRounds() const { return rounds; }
    float getRoundLength() const { return roundLength; }

private:
    std::string name;
    int opponents;
    float difficulty;
    int tier;
    int arena;
    int rounds;
    float roundLength;
};
