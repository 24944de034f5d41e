// The side of the DirectInput subset that only the engine and the tests see.
#pragma once

#include <functional>

#include "dinput.h"

struct _SDL_Joystick;

namespace dinput {

// The device GUID the engine asks for its joystick number `index`: GUID_Joystick with the
// number in its last byte. Other GUIDs (and numbers outside 0..255) give -1.
GUID joystickGuid(int index);
int joystickIndexOf(REFGUID guid);

// How the devices find the SDL joystick behind an engine joystick number; null for a number
// without a real device (an injected joystick). The engine sets this when it opens.
void setJoystickSource(std::function<_SDL_Joystick*(int index)> source);

}  // namespace dinput
