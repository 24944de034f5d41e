// A pair of bodies whose touching the game asks about: a rigid body and a rigid body (a sensor
// only: no contact force) or a rigid body and a collision set (its material is the pair's).
#pragma once

#include <cstdint>

#include "vuzirovari.h"

namespace vuz {

struct ContactPair {
    uint32_t first = 0, second = 0;
    bool enabled = false;
    bool feedbackEnabled = false;
    int firstShape = -1, secondShape = -1;  // -1: any shape
    float restitution = 0.0f, friction = 1.0f;
    bool materialSet = false;
    uint64_t serial = 0;
    // What the collision pass of the last step found.
    int touched = 0;
    iVector3 point{0.0f, 0.0f, 0.0f};
    iVector3 direction{0.0f, 1.0f, 0.0f};
    // Sums while the pass runs.
    iVector3 pointSum{0.0f, 0.0f, 0.0f}, normalSum{0.0f, 0.0f, 0.0f};

    void clearFeedback() {
        touched = 0;
        point = pointSum = normalSum = {0.0f, 0.0f, 0.0f};
        direction = {0.0f, 1.0f, 0.0f};
    }
};

}  // namespace vuz
