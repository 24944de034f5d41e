// The running knock-out tournament of a player fighter: its name, how many bouts the player
// still has to win, the draw of generated opponents and the difficulty level. Stored as the
// CurrentTournament child of the fighter's Championship element.
//
// At the start of every bout the draw holds 2^boutsLeft - 1 opponents; the first one is the
// player's next opponent.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "state/RecordElement.h"

class PersistentObject;

namespace Tavek {

class EnemyFighterState;

class TournamentState {
public:
    // The most bouts a tournament may have (a draw of 63 opponents).
    static constexpr int MaxBouts = 6;
    static constexpr const char* ScriptsFile = "Tavek_res\\championship\\scripts.xml";
    static constexpr const char* NamesFile = "Tavek_res\\championship\\names.xml";

    // Held in memory only.
    TournamentState();
    // Bound to the parent's child named tag, read from it when there is one, else a new child.
    TournamentState(const std::string& tag, PersistentObject* parent);
    virtual ~TournamentState();
    TournamentState(const TournamentState&) = delete;
    TournamentState& operator=(const TournamentState&) = delete;

    virtual void read();
    virtual void write();
    virtual const std::string& getName() const { return name; }
    virtual int getNumOpponents() const { return boutsLeft; }
    // The player's next opponent, or null when the draw is empty.
    virtual EnemyFighterState* getNextOpponent() const;
    virtual void setName(const std::string& newName) { name = newName; }
    // Builds a new draw of 2^bouts - 1 opponents (bouts limited to 0..MaxBouts) from the
    // player's record: stats scaled by difficulty, random names, AI scripts of the player's
    // belt. The files are read first: when one is missing or broken, the error passes to the
    // caller and the tournament stays as it was.
    virtual void generateOpponents(int bouts, const EnemyFighterState& player, float difficulty);
    // After the player has beaten the first opponent: it leaves the draw, the others are
    // paired off by compareStrength, and one bout less remains. An empty draw is left alone.
    virtual void advanceRound();
    // Rescales every opponent's stats and kick values from the old level's factor to the new one's.
    virtual void setDifficulty(int newLevel);
    virtual int getDifficulty() const { return level; }
    virtual void reset();
    // The winner of a random strength comparison; ties go to b.
    virtual EnemyFighterState* compareStrength(EnemyFighterState* a, EnemyFighterState* b);

    int getOpponentCount() const { return static_cast<int>(draw.size()); }
    EnemyFighterState* getOpponent(int index) const;
    PersistentObject* getNode() const { return element.get(); }

private:
    struct Entry;
    void clearDraw(bool removeElements);
    void removeOpponent(size_t index);

    std::string name;
    int boutsLeft = 0;
    int level = 1;
    RecordElement element;
    std::vector<std::unique_ptr<Entry>> draw;
};

}  // namespace Tavek
