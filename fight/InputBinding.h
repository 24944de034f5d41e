// One input of a human fighter: a joystick axis direction, a joystick button or a key.
#pragma once

enum InputDevice {
    InputJoyUp = 0,      // joystick Y axis toward negative
    InputJoyDown = 1,    // joystick Y axis toward positive
    InputJoyLeft = 2,    // joystick X axis toward negative
    InputJoyRight = 3,   // joystick X axis toward positive
    InputJoyButton = 4,  // code = button number
    InputKey = 5,        // code = keyboard scan code
};

struct InputBinding {
    int device = InputKey;
    int code = 0;
};

// Whether the binding is held (click false) or went down this frame (click true).
// Joystick bindings need a joystick index of 0 or more; an axis direction holds only beyond
// the threshold, never at it. Unknown devices never report input.
bool readInputBinding(const InputBinding& binding, int joystick, float threshold, bool click);
