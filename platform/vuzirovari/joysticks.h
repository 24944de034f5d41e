// The real joysticks, numbered in the order they were opened (attached at start-up first).
#pragma once

#include <SDL_joystick.h>

#include <vector>

#include "input_state.h"

namespace vuz {

class Joysticks {
public:
    Joysticks() = default;
    Joysticks(const Joysticks&) = delete;
    Joysticks& operator=(const Joysticks&) = delete;
    ~Joysticks() { closeAll(); }

    void deviceAdded(int deviceIndex);
    void deviceRemoved(SDL_JoystickID instance);
    // Our number for a device, or -1.
    int indexOf(SDL_JoystickID instance) const;
    std::vector<JoyReading> read() const;
    int count() const { return static_cast<int>(open_.size()); }
    SDL_Joystick* device(int index) const { return index >= 0 && index < count() ? open_[index] : nullptr; }
    void closeAll();

private:
    std::vector<SDL_Joystick*> open_;
};

}  // namespace vuz
