// A fighter's list of allowed follow-ups, in insertion order (the order decides which kick
// variant a request turns into).
#pragma once

#include <vector>

#include "fight/FighterCombo.h"

class FighterCombos {
public:
    void assign(const FighterCombos& other) { combos_ = other.combos_; }
    void addAll(const FighterCombos& other);
    // Appends unless a combo with the same key and action is already listed.
    void addUnique(const FighterCombo& combo);
    void removeAll(const FighterCombos& other);
    // Erases the first combo equal in key, action and flag.
    void remove(const FighterCombo& combo);
    // The flag of the first combo with this key and action; false (out untouched) when none.
    bool find(const FighterCombo& combo, bool* flag) const;

    // The action that a request for `base` turns into after action `key`: the first listed
    // combo following `key` with the base or one of its variants; the base when none does
    // or when `base` heads no variant row.
    int resolveVariant(int key, int base) const;

    FighterCombos selectGroup35to37() const;
    FighterCombos selectGroup31to34or45() const;
    FighterCombos selectGroup24_25_29_30_49() const;

    // A copy of element i; (50, 50, false) for an index outside the list.
    FighterCombo get(int i) const;
    void clear() { combos_.clear(); }
    int size() const { return static_cast<int>(combos_.size()); }

    // The program-wide default list (71 pairs), filled on first use.
    static const FighterCombos& fillDefaults();

private:
    template <typename Pred>
    FighterCombos select(Pred inGroup) const;

    std::vector<FighterCombo> combos_;
};
