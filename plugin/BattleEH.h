// What a test fighter tells its battle.
#pragma once

namespace Vortane {

class BattleEH {
public:
    virtual ~BattleEH() = default;
    // fighter: 0 for fighter A, 1 for fighter B.
    virtual void onFighterHit(int fighter) = 0;
    virtual void onActionEnded(int fighter) = 0;
};

}  // namespace Vortane
