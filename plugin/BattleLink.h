// Lets a screen own and tick a test battle: the linked battle (null at first, and nothing in
// the plug-in links one) is ticked by tickBattle and hears the two forwarded notifications.
#pragma once

namespace Vortane {

class Battle;

class BattleLink {
public:
    BattleLink() = default;
    virtual ~BattleLink();
    BattleLink(const BattleLink&) = delete;
    BattleLink& operator=(const BattleLink&) = delete;

    // Takes the battle (deleting one linked before); null unlinks.
    virtual void setBattle(Battle* battle);
    virtual Battle* getBattle() const { return battle_; }
    // Passed on to the linked battle; nothing without one.
    virtual void onFighterHit(int fighter);
    virtual void onActionEnded(int fighter);

protected:
    void tickBattle();

private:
    Battle* battle_ = nullptr;
};

}  // namespace Vortane
