// The plug-in's one list of ticking objects, ticked by Run in registration order. The walk
// stays valid while objects leave or join: one removed during it is not ticked after its
// removal (also when it was deleted), one added during it is ticked from the next walk.
#pragma once

#include <cstddef>

#include "gui/SafeList.h"

namespace Vortane {

class TickAble;

class TickManager {
public:
    static TickManager& instance();

    TickManager() = default;
    virtual ~TickManager() = default;
    TickManager(const TickManager&) = delete;
    TickManager& operator=(const TickManager&) = delete;

    virtual void add(TickAble* object) { objects_.add(object); }
    virtual void remove(TickAble* object) { objects_.remove(object); }  // every entry of it
    virtual void tickAll();
    size_t size() const { return objects_.size(); }

private:
    SafeList<TickAble> objects_;
};

}  // namespace Vortane
