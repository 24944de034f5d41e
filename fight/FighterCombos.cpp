#include "fight/FighterCombos.h"

#include <cstddef>
#include <initializer_list>

#include "fight/ActionIds.h"

namespace {

constexpr int kNoVariant = -1;

// Each row: a base kick or punch and the two variants a request for it may turn into.
constexpr int kVariantRows[6][3] = {
    {29, kNoVariant, 45},
    {26, 30, 33},
    {23, 22, 32},
    {28, 27, 34},
    {35, 37, 36},
    {24, 25, 31},
};

struct DefaultRow {
    int key;
    std::initializer_list<int> actions;
};

}  // namespace

void FighterCombos::addAll(const FighterCombos& other) {
    for (const FighterCombo& combo : other.combos_) addUnique(combo);
}

void FighterCombos::addUnique(const FighterCombo& combo) {
    bool flag = false;
    if (!find(combo, &flag)) combos_.push_back(combo);
}

void FighterCombos::removeAll(const FighterCombos& other) {
    // Iterate over a copy: `other` may be this very list.
    const std::vector<FighterCombo> toRemove = other.combos_;
    for (const FighterCombo& combo : toRemove) remove(combo);
}

void FighterCombos::remove(const FighterCombo& combo) {
    for (auto it = combos_.begin(); it != combos_.end(); ++it) {
        if (it->equals(combo)) {
            combos_.erase(it);
            return;
        }
    }
}

bool FighterCombos::find(const FighterCombo& combo, bool* flag) const {
    for (const FighterCombo& c : combos_) {
        if (c.key == combo.key && c.action == combo.action) {
            *flag = c.flag;
            return true;
        }
    }
    return false;
}

int FighterCombos::resolveVariant(int key, int base) const {
    const int* row = nullptr;
    for (const auto& r : kVariantRows) {
        if (r[0] == base) {
            row = r;
            break;
        }
    }
    if (!row) return base;
    for (const FighterCombo& c : combos_) {
        if (c.key != key) continue;
        for (int k = 0; k < 3; ++k) {
            if (row[k] != kNoVariant && row[k] == c.action) return c.action;
        }
    }
    return base;
}

template <typename Pred>
FighterCombos FighterCombos::select(Pred inGroup) const {
    FighterCombos out;
    for (const FighterCombo& c : combos_) {
        if (inGroup(c.key) || inGroup(c.action)) out.addUnique(c);
    }
    return out;
}

FighterCombos FighterCombos::selectGroup35to37() const { return select(isActionGroup35to37); }

FighterCombos FighterCombos::selectGroup31to34or45() const {
    return select(isActionGroup31to34or45);
}

FighterCombos FighterCombos::selectGroup24_25_29_30_49() const {
    return select(isActionGroup24_25_29_30_49);
}

FighterCombo FighterCombos::get(int i) const {
    if (i < 0 || i >= size()) return FighterCombo(ActionNone, ActionNone, false);
    return combos_[static_cast<size_t>(i)];
}

const FighterCombos& FighterCombos::fillDefaults() {
    static FighterCombos defaults;
    if (defaults.size() == 0) {
        const DefaultRow rows[] = {
            {23, {29, 22, 24, 27, 26, 37, 25, 30, 45, 33, 32, 31}},
            {22, {23, 29, 24, 24, 27, 26, 37, 36, 25, 30, 45, 33, 32, 31}},
            {24, {23, 26, 30, 33, 32, 31}},
            {26, {23, 25, 30, 29, 45, 33}},
            {25, {29, 22, 24, 26, 37, 30, 45, 33, 32, 31}},
            {27, {23, 29, 22, 24, 25, 30, 45, 33, 32, 31}},
            {37, {29, 30, 45, 33}},
            {32, {23, 29, 22, 24, 25}},
            {31, {23, 29, 22, 24, 25}},
        };
        for (const DefaultRow& row : rows)
            for (int action : row.actions) defaults.addUnique(FighterCombo(row.key, action, false));
    }
    return defaults;
}
