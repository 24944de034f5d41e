// The engine's DirectInput side. The engine imports DirectInput8Create the way a Windows
// library does: through the address table of an in-memory image registered as
// "vuzirovari.dll" (DOS and PE32+ headers, one import descriptor for "DINPUT8.DLL"). It always
// calls the factory through that slot, so a hook written into the slot sees every call.
#pragma once

#include <stdint.h>

#include "../win32/win32.h"

namespace vuz {

// iVortaneOpen: releases what an earlier open made, creates the factory through the import
// slot, then the keyboard and mouse devices, then one device per joystick numbered so far.
void openDirectInput(HWND mainWindow, int joysticks);
// Whenever the engine numbers joysticks: a device for each number that has none yet, with
// a non-exclusive background cooperative level on the main window. Registration order is
// therefore joystick order.
void numberDirectInputJoysticks(int joysticks);
// vtReset: every DirectInput object the engine made is released.
void closeDirectInput();

}  // namespace vuz

extern "C" {
/* Test interface: the address of the import slot, and putting the real factory back into it
 * (the slot page is made writable for that and read-only again). */
uint64_t* vtDirectInputImportSlot(void);
void vtDirectInputImportRestore(void);
}
