#include "gui/ObserveAble.h"

void ObserveAble::notifyObservers(void* origin) {
    observers.forEach([&](Observer* observer) { observer->notify(this, origin); });
}
