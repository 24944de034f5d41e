#include "plugin/BattleLink.h"

#include "plugin/Battle.h"

namespace Vortane {

BattleLink::~BattleLink() { delete battle_; }

void BattleLink::setBattle(Battle* battle) {
    if (battle == battle_) return;
    delete battle_;
    battle_ = battle;
}

void BattleLink::onFighterHit(int fighter) {
    if (battle_) battle_->onFighterHit(fighter);
}

void BattleLink::onActionEnded(int fighter) {
    if (battle_) battle_->onActionEnded(fighter);
}

void BattleLink::tickBattle() {
    if (battle_) battle_->tick();
}

}  // namespace Vortane
