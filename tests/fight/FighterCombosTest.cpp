// Combo lists: uniqueness, removal, variant resolution and the default list.
#include <gtest/gtest.h>

#include "fight/FighterCombos.h"

namespace {

FighterCombos listOf(std::initializer_list<FighterCombo> combos) {
    FighterCombos list;
    for (const FighterCombo& c : combos) list.addUnique(c);
    return list;
}

void expectCombo(const FighterCombo& c, int key, int action, bool flag) {
    EXPECT_EQ(c.key, key);
    EXPECT_EQ(c.action, action);
    EXPECT_EQ(c.flag, flag);
}

}  // namespace

TEST(ComboList, UniqueFindRemoveAndCopy) {
    FighterCombos list = listOf({{23, 29, false}, {22, 24, false}, {23, 30, false}});
    list.addUnique({23, 29, true});  // the flag does not make it a new combo
    EXPECT_EQ(list.size(), 3);
    bool flag = true;
    ASSERT_TRUE(list.find({23, 29, true}, &flag));
    EXPECT_FALSE(flag);
    flag = true;
    EXPECT_FALSE(list.find({29, 23, false}, &flag));
    EXPECT_TRUE(flag) << "a failed find leaves the flag alone";

    list.remove({23, 29, true});  // removing needs all three fields
    EXPECT_EQ(list.size(), 3);
    list.remove({22, 24, false});
    ASSERT_EQ(list.size(), 2);
    expectCombo(list.get(1), 23, 30, false);  // later elements move up

    // Outside the list (a negative index too, not a read before it) is the empty combo.
    expectCombo(list.get(0), 23, 29, false);
    for (int i : {2, 100, -1}) expectCombo(list.get(i), 50, 50, false);
    expectCombo(FighterCombos().get(0), 50, 50, false);

    FighterCombos a = listOf({{1, 2, false}, {3, 4, true}});
    FighterCombos b = listOf({{3, 4, true}, {5, 6, false}});
    a.addAll(b);
    ASSERT_EQ(a.size(), 3);
    expectCombo(a.get(2), 5, 6, false);
    a.removeAll(b);
    ASSERT_EQ(a.size(), 1);
    expectCombo(a.get(0), 1, 2, false);
    a.assign(b);
    EXPECT_EQ(a.size(), 2);
    expectCombo(a.get(0), 3, 4, true);
    a.clear();
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(b.size(), 2);
    b.removeAll(b);
    EXPECT_EQ(b.size(), 0);
}

TEST(ComboVariants, ListOrderAndKeyDecide) {
    const int k = 25;
    EXPECT_EQ(listOf({{k, 23, false}}).resolveVariant(k, 22), 22) << "22 is a variant, not a base";
    EXPECT_EQ(listOf({{k, 23, false}}).resolveVariant(k, 23), 23);
    EXPECT_EQ(listOf({{k, 32, false}, {k, 22, false}}).resolveVariant(k, 23), 32);
    EXPECT_EQ(listOf({{k, 22, false}, {k, 32, false}}).resolveVariant(k, 23), 22);
    // Combos of another key are not looked at.
    EXPECT_EQ(listOf({{k + 1, 32, false}}).resolveVariant(k, 23), 23);
    // The empty place in a row never matches.
    EXPECT_EQ(listOf({{k, -1, false}, {k, 45, false}}).resolveVariant(k, 29), 45);
    EXPECT_EQ(listOf({{k, -1, false}}).resolveVariant(k, 29), 29);
}

TEST(ComboVariants, EveryRow) {
    struct Row {
        int base, v1, v2;
    };
    const Row rows[] = {{29, -1, 45}, {26, 30, 33}, {23, 22, 32}, {28, 27, 34}, {35, 37, 36}, {24, 25, 31}};
    for (const Row& r : rows) {
        for (int variant : {r.v1, r.v2}) {
            if (variant < 0) continue;
            EXPECT_EQ(listOf({{7, variant, false}}).resolveVariant(7, r.base), variant) << r.base;
        }
        EXPECT_EQ(listOf({{7, 99, false}}).resolveVariant(7, r.base), r.base);
    }
    // Kicks that head no row resolve to themselves.
    EXPECT_EQ(listOf({{7, 33, false}}).resolveVariant(7, 30), 30);
}

TEST(ComboSelections, KeepOrderAndMatchKeyOrAction) {
    const FighterCombos& defaults = FighterCombos::fillDefaults();
    FighterCombos punches = defaults.selectGroup35to37();
    ASSERT_EQ(punches.size(), 8);
    expectCombo(punches.get(0), 23, 37, false);
    expectCombo(punches.get(1), 22, 37, false);
    expectCombo(punches.get(2), 22, 36, false);
    expectCombo(punches.get(3), 25, 37, false);
    expectCombo(punches.get(4), 37, 29, false);
    expectCombo(punches.get(7), 37, 33, false);

    FighterCombos jumping = listOf({{22, 23, false}, {31, 23, false}, {22, 45, false}, {24, 25, false}});
    FighterCombos j = jumping.selectGroup31to34or45();
    ASSERT_EQ(j.size(), 2);
    expectCombo(j.get(0), 31, 23, false);
    expectCombo(j.get(1), 22, 45, false);
    FighterCombos adv = jumping.selectGroup24_25_29_30_49();
    ASSERT_EQ(adv.size(), 1);
    expectCombo(adv.get(0), 24, 25, false);
}

TEST(ComboDefaults, SeventyOnePairsInOrder) {
    const FighterCombos& defaults = FighterCombos::fillDefaults();
    ASSERT_EQ(defaults.size(), 71);
    expectCombo(defaults.get(0), 23, 29, false);
    expectCombo(defaults.get(11), 23, 31, false);
    expectCombo(defaults.get(12), 22, 23, false);
    expectCombo(defaults.get(14), 22, 24, false);
    expectCombo(defaults.get(15), 22, 27, false);  // the repeated 24 was not added
    expectCombo(defaults.get(70), 31, 25, false);
    for (int i = 0; i < defaults.size(); ++i) {
        for (int j = i + 1; j < defaults.size(); ++j) {
            const FighterCombo a = defaults.get(i), b = defaults.get(j);
            EXPECT_FALSE(a.key == b.key && a.action == b.action) << i << " " << j;
        }
    }
    const FighterCombos& again = FighterCombos::fillDefaults();
    EXPECT_EQ(&again, &defaults);
    EXPECT_EQ(again.size(), 71);
    // After 23 a requested front-leg roundhouse becomes the rear-leg one listed first.
    EXPECT_EQ(defaults.resolveVariant(23, 23), 22);
    EXPECT_EQ(defaults.resolveVariant(37, 26), 30);
}
