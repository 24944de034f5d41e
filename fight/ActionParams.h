// How one action of a fighter plays: its damage, speeds, balance cost, guard, striking parts,
// whether it may start at all and its priority in a clash. A fresh record holds the defaults;
// the fighter's record (applyToInstance) fills one per action id 0-49.
#pragma once

#include <array>
#include <cstdint>

struct ActionParams {
    float healthDamage = 1.0f;
    float balanceDamage = 1.0f;
    float animationSpeed = 1.0f;   // clip speed factor; the clip plays at this x 25 x 2.5 frames/s
    float advanceSpeed = 1.0f;     // forward speed while an active action moves the fighter
    float balanceCost = 0.1f;
    float blockFactor = 0.0f;
    float pushForce = 1.0f;
    std::array<int, 16> activeParts{-1, -1, -1, -1, -1, -1, -1, -1,
                                    -1, -1, -1, -1, -1, -1, -1, -1};  // striking body parts
    uint8_t available = 1;         // 0: the action is never started
    int priority = 0;
};
