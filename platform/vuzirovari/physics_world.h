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
    dJointGroupID contacts();  // this step's contact joints
    void reseed();             // the same random numbers from here on, run after run

private:
    void make();
    dWorldID world_ = nullptr;
    dSpaceID space_ = nullptr;
    dJointGroupID contacts_ = nullptr;
};

}  // namespace vuz
