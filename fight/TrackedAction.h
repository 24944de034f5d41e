// One entry of a fighter's match log: an action it started, a point award or a penalty,
// completed once its outcome is known.
#pragma once

class TrackedAction {
public:
    TrackedAction() = default;
    virtual ~TrackedAction() = default;
    TrackedAction(const TrackedAction&) = default;
    TrackedAction& operator=(const TrackedAction&) = default;

    void clear() { *this = TrackedAction(); }

    int sourceId = 0;   // who registered it (-1 when the fighter was given none)
    int valueA = 0;     // points of an award, value code of a hit
    int valueB = 0;     // 1 half penalty, 2 full penalty
    bool flag1 = false; // the hit's value code was 0
    bool flag2 = false; // the contact kind was 1 or 3
    bool flag3 = false; // the value code was 2
    bool flag4 = false; // the fighter's state flag when the action started, until completed
    int action = 0;
};
