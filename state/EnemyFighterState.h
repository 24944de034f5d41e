// The record of one fighter: identity, body, the five fighting stats, the four kick families,
// learned abilities, combos, the AI script that drives it and its voice group. It reads and
// writes itself as the children of one XML element.
#pragma once

#include <string>

#include "fight/FighterAbilities.h"
#include "fight/FighterCombos.h"
#include "state/RecordElement.h"

class FighterInstance;
class LoadingProgress;
class PersistentObject;

namespace Tavek {

struct KickStats {
    int Power = 0;
    int Disruption = 0;
    int Speed = 0;
    int Mobility = 0;
};

// Every field of a fighter record as a plain value, copied with `=`. The stored ones keep the
// names of their file keys.
struct EnemyFighterFields {
    std::string displayName;          // not stored
    int Age = 18;
    std::string Gender = "M";         // "M" male, any other text female
    int KickPoints = 0;
    int Look = 8;                     // 0-11 male looks, 12-23 female looks
    std::string name;                 // the element's name attribute
    std::string School;
    std::string Stance = "L";         // a text beginning with "R" is right stance
    int StatPoints = 0;
    int BodyType = 1;
    int extraValues[3] = {50, 50, 50};  // not stored
    int Rank = 4;
    int Stamina = 0;
    int Training = 0;
    int Defense = 0;
    int Agility = 0;
    int Footwork = 0;
    KickStats kicks[4];               // by EnemyFighterState::KickFamily
    std::string groupLabels[3];       // not stored
    FighterAbilities abilities;
    FighterCombos combos[2];          // not stored
    std::string AIModule;             // empty: not AI-driven
    float AILearnSpeed = 0.0f;
    std::string SoundGroup;
};

class EnemyFighterState : public EnemyFighterFields {
public:
    enum KickFamily { RoundhouseKick = 0, HookKick, AxeKickAndPushKick, BackKick, KickFamilyCount };
    // "RoundhouseKick", "HookKick", "AxeKickAndPushKick", "BackKick": the prefix of the file keys.
    static const char* kickFamilyName(int family);

    // A record held in memory only: read and write do nothing.
    EnemyFighterState();
    // A record bound to a new element named tag, under the parent's current element or, with
    // no parent, as the root of a new document.
    EnemyFighterState(const std::string& tag, PersistentObject* parent);
    virtual ~EnemyFighterState();

    // A record owns its element, so records are not copied; copyFieldsFrom copies the data.
    EnemyFighterState(const EnemyFighterState&) = delete;
    EnemyFighterState& operator=(const EnemyFighterState&) = delete;
    // Every field of the record (not its element, parent or tag).
    void copyFieldsFrom(const EnemyFighterState& other) { static_cast<EnemyFighterFields&>(*this) = other; }

    // Reads the keys. A given node is read from now on (it stays the caller's to delete);
    // without one the record re-finds its element under its parent, or reads its own element.
    // A missing or malformed key keeps the field as it was.
    virtual void read(PersistentObject* node = nullptr);
    // keep false empties the element; keep true writes every key. extra is not used.
    virtual void write(bool keep, int extra = 0);

    virtual std::string getName() const { return displayName; }
    // An opponent made from a template: budgets scaled by difficulty with a random offset,
    // a few favoured stats and kick families, the template's gender, body and rank.
    virtual void randomizeFrom(const EnemyFighterState& templ, float difficulty);
    virtual int getUnspentStatPoints() const;
    virtual int getUnspentKickPoints() const;
    // The name split at its last blank.
    virtual std::string getFirstName() const;
    virtual std::string getLastName() const;
    virtual std::string getGenderText() const;
    virtual float getAveragePower() const;
    virtual float getAverageDisruption() const;
    virtual float getAverageSpeed() const;
    // 1-4 for the coloured belts of ranks 0-3, 5 (black) for every other rank.
    virtual int getBeltClass() const;
    virtual int getRank() const { return Rank; }
    virtual std::string getRankText() const;
    // Picks a voice of the fighter's gender into SoundGroup.
    virtual void pickRandomLookId();
    // Picks a face and skin of the fighter's gender into Look.
    virtual void pickRandomLook();
    virtual bool isValid() const;
    virtual bool isStatsValid() const { return true; }
    virtual bool isKicksValid() const { return true; }
    virtual bool isLookValid() const { return true; }

    // Gives a fighter on the mat this record's name, vitals, speeds, look, abilities, combos
    // and per-action parameters. corner 0 is the first corner; progress (may be null), from and
    // to go to the fighter's body set-up. Defined with the fight simulation.
    void applyToInstance(FighterInstance& fighter, int corner, LoadingProgress* progress,
                         float from, float to);
    // Availability of advanced and jumping kicks at a family level, and the special kicks'
    // slower play, by this record's abilities.
    void applyKickModifiers(FighterInstance& fighter, int level, int action);
    static bool reachesLevel16(int value, bool bonus);
    static bool reachesLevel32(int value, bool bonus);

    bool isMale() const { return Gender == "M"; }
    bool isPersistent() const { return element.isPersistent(); }
    PersistentObject* getNode() const { return node; }
    const std::string& getTag() const { return element.getTag(); }


protected:
    RecordElement element;
    // What read and write use: the record's element, or the node last given to read.
    PersistentObject* node = nullptr;
};

}  // namespace Tavek
