// The match log: what gets registered, how outcomes complete it, and its two queries.
#include <gtest/gtest.h>

#include "fight/TrackedActions.h"

TEST(TrackedLog, IdleAndWalkingActionsAreNotLogged) {
    TrackedActions log;
    for (int action : {0, 1, 41, 42, 43, 44, 46, 47, 51}) log.registerAction(action, 3, true);
    EXPECT_TRUE(log.records().empty());
    log.registerAction(22, 3, true);
    log.registerAction(38, -1, false);
    ASSERT_EQ(log.records().size(), 2u);
    const TrackedAction& r = log.records()[0];
    EXPECT_EQ(r.action, 22);
    EXPECT_EQ(r.sourceId, 3);
    EXPECT_TRUE(r.flag4);
    EXPECT_FALSE(r.flag1 || r.flag2 || r.flag3);
    EXPECT_EQ(r.valueA, 0);
    EXPECT_EQ(r.valueB, 0);
}

TEST(TrackedLog, RecordStepCompletesOnlyTheLatest) {
    TrackedActions log;
    log.recordStep(true, true, true, 5, 2);  // empty log: nothing happens
    EXPECT_TRUE(log.records().empty());

    log.registerAction(22, 1, true);
    log.registerAction(26, 1, true);
    log.recordStep(false, true, false, 1, 0);
    const TrackedAction& first = log.records()[0];
    const TrackedAction& last = log.records()[1];
    EXPECT_TRUE(first.flag4);
    EXPECT_FALSE(first.flag2);
    EXPECT_FALSE(last.flag4);
    EXPECT_TRUE(last.flag2);
    EXPECT_EQ(last.valueA, 1);

    // Cleared through the interface the scripts see.
    ITrackedActions& queries = log;
    queries.clear();
    EXPECT_TRUE(log.records().empty());
    EXPECT_EQ(queries.countMatching(-1, -1, 9, 9, 0), 0);
}

namespace {

// A small match: two fighters' sources, kicks of every family, a punch, an award and a penalty.
TrackedActions sampleLog() {
    TrackedActions log;
    log.registerAction(22, 1, false);  // roundhouse, blocked
    log.recordStep(true, false, false, 0, 0);
    log.registerAction(30, 1, false);  // hook, scored 2
    log.recordStep(false, false, true, 2, 0);
    log.registerAction(33, 2, true);   // hook, still in flight
    log.registerAction(27, 1, false);  // push, body contact
    log.recordStep(false, true, false, 1, 0);
    log.registerAction(29, 2, false);  // back kick, flags 1 and 2
    log.recordStep(true, true, false, 0, 0);
    log.registerAction(35, 1, false);  // punch
    log.recordStep(false, true, false, 1, 0);
    log.registerAction(16, 7, false);  // award of 2 points
    log.recordStep(false, false, false, 2, 0);
    log.registerAction(17, 7, false);  // full penalty
    log.recordStep(false, false, false, 0, 2);
    return log;
}

}  // namespace

TEST(TrackedQueries, CountMatchingFilters) {
    const TrackedActions log = sampleLog();
    EXPECT_EQ(log.countMatching(-1, -1, 9, 9, 0), 8);
    EXPECT_EQ(log.countMatching(-1, -1, 9, 1, 0), 2) << "hook kicks 30 and 33";
    EXPECT_EQ(log.countMatching(-1, -1, 9, 0, 0), 1);
    EXPECT_EQ(log.countMatching(-1, -1, 9, 2, 0), 1);
    EXPECT_EQ(log.countMatching(-1, -1, 9, 3, 0), 1);
    EXPECT_EQ(log.countMatching(1, -1, 9, 9, 0), 4);
    EXPECT_EQ(log.countMatching(-1, 2, 9, 9, 0), 2) << "value A 2: the hook and the award";
    EXPECT_EQ(log.countMatching(-1, -1, 0, 9, 0), 2) << "flag 1";
    EXPECT_EQ(log.countMatching(-1, -1, 1, 9, 0), 1) << "flag 3";
    EXPECT_EQ(log.countMatching(-1, -1, 2, 9, 0), 3) << "flag 2";
    EXPECT_EQ(log.countMatching(-1, -1, 9, 9, 17), 1);
    EXPECT_EQ(log.countMatching(2, -1, 0, 3, 29), 1);
    EXPECT_EQ(log.countMatching(2, -1, 1, 3, 29), 0);
}

TEST(TrackedQueries, StatisticsOfAllAndOneSource) {
    const TrackedStatistics s = sampleLog().statistics(-1);
    EXPECT_EQ(s.attacks, 5);
    EXPECT_EQ(s.contacts, 4);
    EXPECT_EQ(s.scored, 2) << "flag 1 with flag 2 is a contact only";
    EXPECT_EQ(s.flagged4, 1);
    EXPECT_EQ(s.sumA, 2 + 1 + 1 + 2);
    EXPECT_EQ(s.sumB, 2);
    const TrackedStatistics two = sampleLog().statistics(2);
    EXPECT_EQ(two.attacks, 2);
    EXPECT_EQ(two.contacts, 1);
    EXPECT_EQ(two.scored + two.sumA + two.sumB, 0);
    EXPECT_EQ(two.flagged4, 1);
    const TrackedStatistics none = TrackedActions().statistics(-1);
    EXPECT_EQ(none.attacks + none.scored + none.flagged4 + none.contacts + none.sumA + none.sumB, 0);
}
