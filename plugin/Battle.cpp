#include "plugin/Battle.h"

#include "plugin/TestFighter.h"

namespace Vortane {

Battle::Battle(uint32_t camera) : camera_(camera) {}

Battle::~Battle() = default;

void Battle::tick() {}

void Battle::onFighterHit(int) {}

void Battle::onActionEnded(int) {}

}  // namespace Vortane
