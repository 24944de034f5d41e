// Learned abilities: the bit of every id, the text form a fighter file stores, the list limit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fight/FighterAbilities.h"

namespace {

struct ExpectedBit {
    int id;
    bool inMaskB;
    uint32_t bit;
};

// The ability table: which mask and bit each id sets.
const ExpectedBit kTable[] = {
    {1, false, 0x00080000},  {2, false, 0x00000004},  {3, false, 0x00000001},
    {4, false, 0x10000000},  {5, false, 0x00000002},  {6, false, 0x80000000},
    {7, false, 0x00000010},  {8, false, 0x00000080},  {9, false, 0x00000800},
    {10, false, 0x00001000}, {11, false, 0x00008000}, {12, true, 0x8},
    {13, false, 0x00100000}, {14, false, 0x04000000}, {15, false, 0x00020000},
    {16, true, 0x1},         {17, true, 0x4},         {18, false, 0x00000040},
    {19, true, 0x2},         {20, false, 0x00002000}, {21, false, 0x00000200},
    {22, false, 0x00000400}, {23, false, 0x00400000}, {24, false, 0x08000000},
    {25, false, 0x40000000}, {26, false, 0x00000008}, {27, false, 0x20000000},
    {28, false, 0x00040000}, {29, false, 0x02000000}, {30, false, 0x00000020},
    {31, false, 0x00004000}, {32, false, 0x00010000}, {33, false, 0x01000000},
    {34, false, 0x00800000},
};

}  // namespace

TEST(AbilitiesTable, EveryIdSetsItsOwnBit) {
    for (const ExpectedBit& e : kTable) {
        FighterAbilities a;
        a.learn(e.id);
        EXPECT_EQ(a.getMaskA(), e.inMaskB ? 0u : e.bit) << "id " << e.id;
        EXPECT_EQ(a.getMaskB(), e.inMaskB ? e.bit : 0u) << "id " << e.id;
        EXPECT_TRUE(a.ids().empty()) << "learn leaves the list alone";
    }
    FighterAbilities all;
    for (int id = 1; id <= 34; ++id) all.learn(id);
    EXPECT_EQ(all.getMaskA(), 0xFFDFFEFFu);  // every bit but 0x100 and 0x200000
    EXPECT_EQ(all.getMaskB(), 0xFu);
    EXPECT_FALSE(all.hasA(0x100));
    EXPECT_FALSE(all.hasA(0x200000));
}

TEST(AbilitiesTable, OutOfRangeIdsLearnNothing) {
    FighterAbilities a;
    a.learn(0);
    a.learn(35);
    a.learn(-1);
    EXPECT_EQ(a.getMaskA(), 0u);
    EXPECT_EQ(a.getMaskB(), 0u);
}

TEST(AbilitiesText, RosterStringsRoundTrip) {
    FighterAbilities first("PK9O3");
    EXPECT_EQ(first.ids(), (std::vector<int>{26, 21, 10, 25, 4}));
    EXPECT_EQ(first.getMaskA(), 0x00000008u | 0x00000200u | 0x00001000u | 0x40000000u | 0x10000000u);
    EXPECT_EQ(first.getMaskB(), 0u);
    EXPECT_EQ(first.toString(), "PK9O3");

    FighterAbilities second;
    second.fromString("GIQU9");
    EXPECT_EQ(second.ids(), (std::vector<int>{17, 19, 27, 31, 10}));
    EXPECT_EQ(second.getMaskA(), 0x20000000u | 0x00004000u | 0x00001000u);
    EXPECT_EQ(second.getMaskB(), 0x4u | 0x2u);
    EXPECT_EQ(second.toString(), "GIQU9");
}

TEST(AbilitiesText, EveryCharacterDecodes) {
    const std::string all = "0123456789ABCDEFGHIJKLMNOPQRSTUVWX";
    FighterAbilities a(all);
    ASSERT_EQ(a.ids().size(), 34u);
    for (int i = 0; i < 34; ++i) EXPECT_EQ(a.ids()[static_cast<size_t>(i)], i + 1);
    // A list longer than five comes back whole: the text is returned, not written into a
    // fixed buffer.
    EXPECT_EQ(a.toString(), all);
    const std::string longText(500, 'O');
    EXPECT_EQ(FighterAbilities(longText).toString(), longText);
}

TEST(AbilitiesText, UnknownCharactersReadAsZero) {
    FighterAbilities a("k");
    EXPECT_EQ(a.ids(), std::vector<int>{0});
    EXPECT_EQ(a.getMaskA(), 0u);
    EXPECT_EQ(a.toString(), "?");
    a.fromString("Y/:@a3");
    EXPECT_EQ(a.toString(), "?????3");
    EXPECT_EQ(a.getMaskA(), 0x10000000u);
}

TEST(AbilitiesText, EmptyAndRepeatedText) {
    FighterAbilities a("PK9O3");
    a.fromString("");
    EXPECT_EQ(a.getMaskA(), 0u);
    EXPECT_EQ(a.getMaskB(), 0u);
    EXPECT_TRUE(a.ids().empty());
    EXPECT_EQ(a.toString(), "");

    a.fromString("33");
    EXPECT_EQ(a.ids(), (std::vector<int>{4, 4}));
    EXPECT_EQ(a.getMaskA(), 0x10000000u);
}

TEST(AbilitiesMasks, RebuildKeepsTheFiveLowestIds) {
    FighterAbilities a;
    a.setMaskA(0xFFFFFFFFu);
    EXPECT_EQ(a.ids(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(a.getMaskA(), 0xFFFFFFFFu);
    a.setBitsA(0x00080000, false);  // forget id 1
    EXPECT_EQ(a.ids(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_FALSE(a.hasA(0x00080000));
    EXPECT_EQ(a.toString(), "12345");
}

TEST(AbilitiesMasks, MaskBBitsListTheirIds) {
    FighterAbilities a;
    a.setBitsB(0x1, true);
    EXPECT_EQ(a.ids(), std::vector<int>{16});
    a.setMaskB(0xF);
    EXPECT_EQ(a.ids(), (std::vector<int>{12, 16, 17, 19}));
    a.setBitsB(0x8, false);
    EXPECT_EQ(a.ids(), (std::vector<int>{16, 17, 19}));
    EXPECT_TRUE(a.hasB(0x2));
    EXPECT_FALSE(a.hasB(0x8));
}

TEST(AbilitiesMasks, CopyAndClear) {
    FighterAbilities a("PK9O3");
    FighterAbilities b(a);
    FighterAbilities c;
    c.assign(a);
    a.clear();
    EXPECT_EQ(a.getMaskA(), 0u);
    EXPECT_TRUE(a.ids().empty());
    EXPECT_EQ(b.toString(), "PK9O3");
    EXPECT_EQ(c.toString(), "PK9O3");
    EXPECT_EQ(c.getMaskA(), b.getMaskA());
}
