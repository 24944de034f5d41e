#include "physics_world.h"

#include <cstdio>
#include <string>

#include "../win32/win32_host.h"

namespace vuz {

namespace {
void physicsMessage(int number, const char* message, va_list ap) {
    char text[512];
    std::vsnprintf(text, sizeof text, message, ap);
    win32::log("engine: physics message " + std::to_string(number) + ": " + text);
}
}  // namespace

void PhysicsWorld::make() {
    if (world_) return;
    dInitODE2(0);
    dAllocateODEDataForThread(dAllocateMaskAll);
    dSetMessageHandler(physicsMessage);
    world_ = dWorldCreate();
    dWorldSetGravity(world_, 0.0, -9.81, 0.0);
    space_ = dHashSpaceCreate(nullptr);
    contacts_ = dJointGroupCreate(0);
    // The world's tuning: see the engine's README.
    dWorldSetERP(world_, 0.2);
    dWorldSetCFM(world_, 1e-5);
    dWorldSetQuickStepNumIterations(world_, 20);
    dWorldSetContactMaxCorrectingVel(world_, 2.0);
    dWorldSetContactSurfaceLayer(world_, 0.002);
    dWorldSetAutoDisableFlag(world_, 0);
    dRandSetSeed(0);
}

dJointGroupID PhysicsWorld::contacts() {
    make();
    return contacts_;
}

void PhysicsWorld::reseed() { dRandSetSeed(0); }

dWorldID PhysicsWorld::world() {
    make();
    return world_;
}

dSpaceID PhysicsWorld::space() {
    make();
    return space_;
}

int PhysicsWorld::geomCount() { return space_ ? dSpaceGetNumGeoms(space_) : 0; }

}  // namespace vuz
