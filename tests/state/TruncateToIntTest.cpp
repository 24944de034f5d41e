// Game values become integers by truncation toward zero, held within the int range.
#include <climits>
#include <limits>

#include <gtest/gtest.h>

#include "platform/win32/crt.h"
#include "state/EnemyFighterState.h"
#include "state/TruncateToInt.h"

TEST(TruncateToInt, TruncatesTowardZeroAndHoldsAtTheEndsOfTheRange) {
    EXPECT_EQ(truncateToInt(6.993), 6);
    EXPECT_EQ(truncateToInt(-4.9), -4);
    EXPECT_EQ(truncateToInt(3e9), INT_MAX);
    EXPECT_EQ(truncateToInt(-3e9), INT_MIN);
    EXPECT_EQ(truncateToInt(std::numeric_limits<double>::infinity()), INT_MAX);
    EXPECT_EQ(truncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(TruncateToInt, AnOpponentFromAHugeOrBrokenDifficultyStaysInRange) {
    Tavek::EnemyFighterState templ;
    templ.StatPoints = 100000;
    templ.KickPoints = 100000;
    Tavek::EnemyFighterState opponent;
    crt::srand(7);
    opponent.randomizeFrom(templ, 1e30f);
    EXPECT_EQ(opponent.StatPoints, INT_MAX);
    EXPECT_EQ(opponent.KickPoints, INT_MAX);
    EXPECT_GE(opponent.Stamina, 0);

    opponent.randomizeFrom(templ, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(opponent.StatPoints, 0);
    EXPECT_EQ(opponent.KickPoints, 0);
}
