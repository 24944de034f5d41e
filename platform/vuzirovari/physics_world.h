// The engine's physics world: one world and one collision space for every body, made on first
// use and kept for the whole process.
#pragma once

#include <ode/ode.h>

namespace vuz {

class PhysicsWorld {
public:
    dWorldID world();
    dSpaceID space();
    int geomCount();  // shapes in the space

private:
    void make();
    dWorldID world_ = nullptr;
    dSpaceID space_ = nullptr;
};

}  // namespace vuz
