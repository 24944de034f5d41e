// Queries on a fighter's match log.
#pragma once

class ITrackedActions {
public:
    virtual ~ITrackedActions() = default;

    // Number of records passing every filter:
    //   sourceId     -1 any, else equal;
    //   valueFilter  -1 any, else equal to value A;
    //   flagSelector 0 flag 1 set, 1 flag 3 set, 2 flag 2 set, anything else no filter;
    //   group        0 roundhouse, 1 hook, 2 axe and push, 3 back kicks, anything else no filter;
    //   action       0 any, else equal.
    virtual int countMatching(int sourceId, int valueFilter, int flagSelector, int group,
                              int action) const = 0;
    virtual void clear() = 0;
};
