// Learned abilities: every id sets a bit of its own, the text form a fighter file stores, the list limit.
#include <gtest/gtest.h>

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "fight/FighterAbilities.h"

TEST(AbilitiesTable, EveryIdSetsItsOwnBit) {
    uint32_t seenA = 0, seenB = 0;
    for (int id = 1; id <= 34; ++id) {
        FighterAbilities a;
        a.learn(id);
        // Exactly one bit, in one mask, and no other id shares it.
        EXPECT_EQ(std::bitset<32>(a.getMaskA()).count() + std::bitset<32>(a.getMaskB()).count(), 1u) << id;
        EXPECT_EQ(a.getMaskA() & seenA, 0u) << id;
        EXPECT_EQ(a.getMaskB() & seenB, 0u) << id;
        seenA |= a.getMaskA();
        seenB |= a.getMaskB();
        EXPECT_TRUE(a.ids().empty()) << "learn leaves the list alone";
    }
    EXPECT_EQ(seenA, 0xFFDFFEFFu);  // every bit but 0x100 and 0x200000
    EXPECT_EQ(seenB, 0xFu);
    FighterAbilities a;
    a.learn(0);
    a.learn(35);
    a.learn(-1);
    EXPECT_EQ(a.getMaskA() | a.getMaskB(), 0u) << "out-of-range ids learn nothing";
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

    // Copies keep their own list when the original is cleared.
    FighterAbilities copy(second);
    FighterAbilities assigned;
    assigned.assign(second);
    second.clear();
    EXPECT_EQ(second.getMaskA(), 0u);
    EXPECT_TRUE(second.ids().empty());
    EXPECT_EQ(copy.toString(), "GIQU9");
    EXPECT_EQ(assigned.getMaskB(), 0x4u | 0x2u);
}

TEST(AbilitiesText, EveryCharacterDecodesAndBadOnesReadAsZero) {
    const std::string all = "0123456789ABCDEFGHIJKLMNOPQRSTUVWX";
    FighterAbilities a(all);
    ASSERT_EQ(a.ids().size(), 34u);
    for (int i = 0; i < 34; ++i) EXPECT_EQ(a.ids()[static_cast<size_t>(i)], i + 1);
    // A list longer than five comes back whole: the text is returned, not written into a
    // fixed buffer.
    EXPECT_EQ(a.toString(), all);
    const std::string longText(500, 'O');
    EXPECT_EQ(FighterAbilities(longText).toString(), longText);

    FighterAbilities bad("k");
    EXPECT_EQ(bad.ids(), std::vector<int>{0});
    EXPECT_EQ(bad.getMaskA(), 0u);
    EXPECT_EQ(bad.toString(), "?");
    bad.fromString("Y/:@a3");
    EXPECT_EQ(bad.toString(), "?????3");
    EXPECT_EQ(bad.getMaskA(), 0x10000000u);

    bad.fromString("");
    EXPECT_EQ(bad.getMaskA() | bad.getMaskB(), 0u);
    EXPECT_TRUE(bad.ids().empty());
    EXPECT_EQ(bad.toString(), "");
    bad.fromString("33");
    EXPECT_EQ(bad.ids(), (std::vector<int>{4, 4}));
    EXPECT_EQ(bad.getMaskA(), 0x10000000u);
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

    FighterAbilities b;
    b.setBitsB(0x1, true);
    EXPECT_EQ(b.ids(), std::vector<int>{16});
    b.setMaskB(0xF);
    EXPECT_EQ(b.ids(), (std::vector<int>{12, 16, 17, 19}));
    b.setBitsB(0x8, false);
    EXPECT_EQ(b.ids(), (std::vector<int>{16, 17, 19}));
    EXPECT_TRUE(b.hasB(0x2));
    EXPECT_FALSE(b.hasB(0x8));
}
