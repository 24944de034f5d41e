// A fighter record applied to a fighter: the vitals, speeds and per-action numbers the match
// plays with, the availability of advanced kicks, the combo lists by stance and the look.
#include <gtest/gtest.h>

#include <cmath>

#include "fight/FighterInstance.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "state/EnemyFighterState.h"

namespace {

class RecordApply : public ::testing::Test {
protected:
    void SetUp() override {
        vtReset();
        vtSetDrawing(0);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    }
    void TearDown() override { vtReset(); }

    static void zero(Tavek::EnemyFighterState& r) {
        r.Stamina = r.Training = r.Defense = r.Agility = r.Footwork = 0;
        for (auto& k : r.kicks) k = Tavek::KickStats{};
        r.abilities.clear();
    }

    // The first fighter of the championship roster.
    static void rosterEntry0(Tavek::EnemyFighterState& r) {
        r.Stamina = 90;
        r.Training = 90;
        r.Defense = 85;
        r.Agility = 85;
        r.Footwork = 100;
        r.kicks[0] = {75, 70, 75, 70};
        r.kicks[1] = {95, 95, 100, 100};
        r.kicks[2] = {75, 75, 75, 75};
        r.kicks[3] = {75, 70, 75, 70};
        r.abilities.fromString("PK9O3");
        r.Rank = 4;
    }

    FighterInstance fighter;
};

void expectRelative(float actual, float expected, float tolerance, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << what;
}

}  // namespace

TEST_F(RecordApply, StatsFollowTheGrowthCurves) {
    struct Case {
        bool roster;
        float health, stat6, stat7, walk, turn;
        float idleBlock, step16Speed, step16Advance;
        float k22[5], k24health, k31[2], k33[3], k35[4], k38block, k41speed;
        int k24available, k31available;
    };
    const Case cases[2] = {
        {false, 0.3333333f, 0.3333333f, 0.5f, 0.5f, 1.0f, 0.3333333f, 0.6666667f, 0.3333333f,
         {0.1666667f, 0.01666667f, 0.5f, 0.4666667f, 0.05f}, 0.3333333f, {0.3f, 0.06666667f},
         {0.4333333f, 0.6f, 0.5f}, {1 / 3.0f, 1 / 3.0f, 1 / 3.0f, 1 / 3.0f}, 0.3333333f, 0.4995f, 0, 0},
        {true, 0.9514454f, 0.8975901f, 1.045436f, 1.091608f, 0.96f, 0.8975901f, 1.460748f, 0.7303739f,
         {0.399426f, 0.0376817f, 0.9004713f, 0.8081152f, 0.05f}, 0.798852f, {0.4795508f, 0.2260902f},
         {0.8744982f, 2.723037f, 0.8216706f}, {0.851272f, 0.8286631f, 0.6328291f, 0.6212846f},
         47.19275f, 1.090516f, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roster ? "roster entry 0" : "all-zero record");
        Tavek::EnemyFighterState record;
        zero(record);
        if (c.roster) rosterEntry0(record);
        record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
        const auto& s = fighter.stats;
        for (int i : {0, 1, 2, 3, 4, 5}) expectRelative(s[i], c.health, 1e-5f, "vital");
        expectRelative(s[6], c.stat6, 1e-5f, "stats[6]");
        expectRelative(s[7], c.stat7, 1e-5f, "stats[7]");
        expectRelative(fighter.walkSpeed(), c.walk, 1e-5f, "walkSpeed");
        expectRelative(fighter.recoveryTime(), c.turn, 1e-5f, "recoveryTime");
        expectRelative(fighter.turnRate(), c.turn, 1e-5f, "turnRate");
        const auto& p = fighter.actionParams;
        expectRelative(p[0].animationSpeed, 0.333f, 1e-5f, "0 speed");
        expectRelative(p[0].blockFactor, c.idleBlock, 1e-4f, "0 block");
        expectRelative(p[16].animationSpeed, c.step16Speed, 1e-5f, "16 speed");
        expectRelative(p[16].advanceSpeed, c.step16Advance, 1e-5f, "16 advance");
        const float k22[5] = {p[22].healthDamage, p[22].balanceDamage, p[22].animationSpeed,
                              p[22].advanceSpeed, p[22].balanceCost};
        for (int i = 0; i < 5; ++i) expectRelative(k22[i], c.k22[i], 1e-5f, "22");
        EXPECT_EQ(p[24].available, c.k24available);
        EXPECT_EQ(p[24].priority, 1);
        expectRelative(p[24].healthDamage, c.k24health, 1e-5f, "24 health");
        EXPECT_EQ(p[31].available, c.k31available);
        expectRelative(p[31].healthDamage, c.k31[0], 1e-5f, "31 health");
        expectRelative(p[31].balanceDamage, c.k31[1], 1e-5f, "31 balance");
        expectRelative(p[33].healthDamage, c.k33[0], 1e-5f, "33 health");
        expectRelative(p[33].balanceDamage, c.k33[1], 1e-5f, "33 balance");
        expectRelative(p[33].animationSpeed, c.k33[2], 1e-5f, "33 speed");
        EXPECT_EQ(p[33].priority, 2);
        const float k35[4] = {p[35].healthDamage, p[35].balanceDamage, p[35].animationSpeed,
                              p[35].advanceSpeed};
        for (int i = 0; i < 4; ++i) expectRelative(k35[i], c.k35[i], 1e-5f, "35");
        expectRelative(p[38].animationSpeed, 0.633f, 1e-5f, "38 speed");
        expectRelative(p[38].blockFactor, c.k38block, 1e-4f, "38 block");
        expectRelative(p[41].animationSpeed, c.k41speed, 1e-5f, "41 speed");
        expectRelative(p[47].animationSpeed, 1.0f, 1e-5f, "47 speed");
    }
}

TEST_F(RecordApply, AdvancedKicksNeedTheirFamilyLevel) {
    Tavek::EnemyFighterState record;
    zero(record);
    record.kicks[Tavek::EnemyFighterState::RoundhouseKick] = {20, 20, 20, 19};   // 79: level 15
    record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
    EXPECT_EQ(fighter.actionParams[24].available, 0);
    record.abilities.learn(14);
    record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
    EXPECT_EQ(fighter.actionParams[24].available, 1);
    EXPECT_EQ(fighter.actionParams[25].available, 0);

    EXPECT_FALSE(Tavek::EnemyFighterState::reachesLevel32(24, true));
    EXPECT_TRUE(Tavek::EnemyFighterState::reachesLevel32(25, true));
}

TEST_F(RecordApply, StanceGenderBeltAndLook) {
    Tavek::EnemyFighterState record;
    record.combos[0].addUnique(FighterCombo(22, 27, true));
    record.combos[1].addUnique(FighterCombo(23, 28, false));
    record.Stance = "Right";
    record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
    EXPECT_EQ(fighter.combos[0].get(0), FighterCombo(22, 27, true));
    EXPECT_EQ(fighter.combos[1].get(0), FighterCombo(23, 28, false));
    for (const char* stance : {"", "L"}) {
        record.Stance = stance;
        record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
        EXPECT_EQ(fighter.combos[0].get(0), FighterCombo(23, 28, false)) << stance;
        EXPECT_EQ(fighter.combos[1].get(0), FighterCombo(22, 27, true)) << stance;
    }

    record.Gender = "Male";
    record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
    EXPECT_TRUE(fighter.isMale);
    record.Gender = "F";
    record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
    EXPECT_FALSE(fighter.isMale);

    record.Rank = 4;
    record.BodyType = 4;
    record.Look = 15;
    record.name = "Ida Brenn";
    record.SoundGroup = "female2";
    record.applyToInstance(fighter, 1, nullptr, 0.0f, 1.0f);
    EXPECT_EQ(fighter.getBeltColour(), 5);
    EXPECT_EQ(fighter.getCornerColour(), 1);
    EXPECT_EQ(fighter.getBodyType(), 4);
    EXPECT_EQ(fighter.getSkinIndex(), 15);
    EXPECT_EQ(fighter.name, "Ida Brenn");
    EXPECT_EQ(fighter.soundGroup, "female2");

    // A hand-edited negative stat gives the slowest fighter, never NaN.
    record.Agility = -5;
    record.Footwork = -5;
    record.applyToInstance(fighter, 1, nullptr, 0.0f, 1.0f);
    EXPECT_EQ(fighter.stats[7], 0.5f);
    EXPECT_EQ(fighter.walkSpeed(), 0.5f);
}
