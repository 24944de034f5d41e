#include "fight/TrackedActions.h"

#include "fight/ActionIds.h"

namespace {

bool passesFlagSelector(const TrackedAction& r, int selector) {
    switch (selector) {
        case 0: return r.flag1;
        case 1: return r.flag3;
        case 2: return r.flag2;
        default: return true;
    }
}

bool passesGroup(int action, int group) {
    switch (group) {
        case 0: return isRoundhouseKick(action);
        case 1: return isHookKick(action);
        case 2: return isAxeOrPushKick(action);
        case 3: return isBackKick(action);
        default: return true;
    }
}

}  // namespace

void TrackedActions::registerAction(int action, int sourceId, bool stateFlag) {
    if (isActionGroupIdle(action)) return;
    TrackedAction record;
    record.action = action;
    record.sourceId = sourceId;
    record.flag4 = stateFlag;
    records_.push_back(record);
}

void TrackedActions::recordStep(bool flag1, bool flag2, bool flag3, int valueA, int valueB) {
    if (records_.empty()) return;
    TrackedAction& last = records_.back();
    last.flag1 = flag1;
    last.flag2 = flag2;
    last.flag3 = flag3;
    last.valueA = valueA;
    last.valueB = valueB;
    last.flag4 = false;
}

int TrackedActions::countMatching(int sourceId, int valueFilter, int flagSelector, int group,
                                  int action) const {
    int count = 0;
    for (const TrackedAction& r : records_) {
        if (sourceId != -1 && r.sourceId != sourceId) continue;
        if (valueFilter != -1 && r.valueA != valueFilter) continue;
        if (!passesFlagSelector(r, flagSelector)) continue;
        if (!passesGroup(r.action, group)) continue;
        if (action != 0 && r.action != action) continue;
        ++count;
    }
    return count;
}

TrackedStatistics TrackedActions::statistics(int sourceId) const {
    TrackedStatistics s;
    for (const TrackedAction& r : records_) {
        if (sourceId != -1 && r.sourceId != sourceId) continue;
        s.sumA += r.valueA;
        s.sumB += r.valueB;
        if (!isKick(r.action)) continue;
        ++s.attacks;
        if (r.flag1) {
            ++s.contacts;
        } else if (r.flag2 || r.flag3) {
            ++s.contacts;
            ++s.scored;
        }
        if (r.flag4) ++s.flagged4;
    }
    return s;
}
