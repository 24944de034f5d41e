#include "plugin/TickAble.h"

#include "plugin/TickManager.h"

namespace Vortane {

TickAble::~TickAble() { TickManager::instance().remove(this); }

void TickAble::setTicking(bool on) {
    if (on == ticking_) return;
    if (on) TickManager::instance().add(this);
    else TickManager::instance().remove(this);
    ticking_ = on;
}

}  // namespace Vortane
