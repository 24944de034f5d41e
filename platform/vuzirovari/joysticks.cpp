#include "joysticks.h"

#include <algorithm>

#include "../win32/win32_host.h"

namespace vuz {

namespace {
float axisValue(SDL_Joystick* joystick, int axis) {
    if (SDL_JoystickNumAxes(joystick) <= axis) return 0.0f;
    return std::clamp(SDL_JoystickGetAxis(joystick, axis) / 32767.0f, -1.0f, 1.0f);
}
}  // namespace

void Joysticks::deviceAdded(int deviceIndex) {
    SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id >= 0 && indexOf(id) >= 0) return;  // already open
    SDL_Joystick* joystick = SDL_JoystickOpen(deviceIndex);
    if (!joystick) {
        win32::log(std::string("engine: joystick ") + std::to_string(deviceIndex) + " could not be opened: " + SDL_GetError());
        return;
    }
    open_.push_back(joystick);
    const char* name = SDL_JoystickName(joystick);
    win32::log(std::string("engine: joystick ") + std::to_string(open_.size() - 1) + " attached: " + (name ? name : "?"));
}

void Joysticks::deviceRemoved(SDL_JoystickID instance) {
    int index = indexOf(instance);
    if (index < 0) return;
    SDL_JoystickClose(open_[index]);
    open_.erase(open_.begin() + index);
    win32::log("engine: joystick " + std::to_string(index) + " detached");
}

int Joysticks::indexOf(SDL_JoystickID instance) const {
    for (size_t i = 0; i < open_.size(); ++i)
        if (SDL_JoystickInstanceID(open_[i]) == instance) return static_cast<int>(i);
    return -1;
}

std::vector<JoyReading> Joysticks::read() const {
    std::vector<JoyReading> readings;
    readings.reserve(open_.size());
    for (SDL_Joystick* joystick : open_) {
        JoyReading r;
        r.x = axisValue(joystick, 0);
        r.y = axisValue(joystick, 1);
        int buttons = std::min(SDL_JoystickNumButtons(joystick), MaxJoyButtons);
        for (int b = 0; b < buttons; ++b)
            if (SDL_JoystickGetButton(joystick, b)) r.buttons |= 1u << b;
        readings.push_back(r);
    }
    return readings;
}

void Joysticks::closeAll() {
    for (SDL_Joystick* joystick : open_) SDL_JoystickClose(joystick);
    open_.clear();
}

}  // namespace vuz
