#include "fight/InputBinding.h"

#include "platform/vuzirovari/vuzirovari.h"

bool readInputBinding(const InputBinding& binding, int joystick, float threshold, bool click) {
    if (binding.device == InputKey)
        return (click ? iKeyClick(binding.code) : iKeyDown(binding.code)) != 0;
    if (joystick < 0) return false;
    switch (binding.device) {
        case InputJoyUp:
            return iJoyY(joystick) < -threshold;
        case InputJoyDown:
            return iJoyY(joystick) > threshold;
        case InputJoyLeft:
            return iJoyX(joystick) < -threshold;
        case InputJoyRight:
            return iJoyX(joystick) > threshold;
        case InputJoyButton:
            return (click ? iJoyButtonClick(joystick, binding.code)
                          : iJoyButtonDown(joystick, binding.code)) != 0;
        default:
            return false;
    }
}
