// The test side of the DirectInput subset: a recording backend that logs every method call
// with its arguments instead of reaching SDL, and lets a test say which joystick offers a
// constant force. Never used by the game.
#pragma once

#include <string>
#include <vector>

#include "dinput.h"

namespace dinputTest {

// Recording on: no SDL haptics are touched; every call is logged (see calls()).
void setRecording(bool on);
// Under recording, whether engine joystick `index` offers a constant-force effect (default no).
void setConstantForce(int index, bool offers);
// Under recording, make the next effect operations fail ("CreateEffect", "SetParameters",
// "Start", "Download"), each until cleared.
void setFailing(const std::string& method, bool fail);

// One line per method call, in order, e.g. "joystick 0 SetCooperativeLevel 0x9",
// "effect 1 SetParameters 0x101 duration=300000 magnitude=10000", "factory CreateDevice mouse".
const std::vector<std::string>& calls();
void clearCalls();
// Objects made and not yet released: factories, devices and effects.
int liveObjects();

// Back to a freshly loaded library: pristine method tables (read-only again), recording off,
// no settings, empty log. Objects still alive keep working against the pristine tables.
void reset();

// The three shared method tables, for tests that check where they point.
const IDirectInput8AVtbl* factoryTable();
const IDirectInputDevice8AVtbl* deviceTable();
const IDirectInputEffectVtbl* effectTable();

}  // namespace dinputTest
