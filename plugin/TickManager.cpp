#include "plugin/TickManager.h"

#include "plugin/TickAble.h"

namespace Vortane {

TickManager& TickManager::instance() {
    static TickManager manager;
    return manager;
}

void TickManager::tickAll() {
    objects_.forEach([](TickAble* object) { object->tick(); });
}

}  // namespace Vortane
