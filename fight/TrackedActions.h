// A fighter's log of the actions it performed in a match and what became of them.
#pragma once

#include <vector>

#include "fight/ITrackedActions.h"
#include "fight/TrackedAction.h"

struct TrackedStatistics {
    int attacks = 0;    // kicks of any family
    int scored = 0;     // attacks completed with flag 2 or 3 (and not flag 1)
    int flagged4 = 0;   // attacks still carrying flag 4
    int contacts = 0;   // attacks completed with flag 1, 2 or 3
    int sumA = 0;       // value A of every matching record
    int sumB = 0;       // value B of every matching record
};

class TrackedActions : public ITrackedActions {
public:
    ~TrackedActions() override = default;

    // Appends a record for a started action; idle and walking actions are not logged.
    void registerAction(int action, int sourceId, bool stateFlag);
    // Completes the latest record with its outcome and clears its flag 4; nothing on an empty log.
    void recordStep(bool flag1, bool flag2, bool flag3, int valueA, int valueB);

    int countMatching(int sourceId, int valueFilter, int flagSelector, int group,
                      int action) const override;
    void clear() override { records_.clear(); }

    // Statistics over the records of one source id (-1 for all).
    TrackedStatistics statistics(int sourceId) const;

    const std::vector<TrackedAction>& records() const { return records_; }

private:
    std::vector<TrackedAction> records_;
};
