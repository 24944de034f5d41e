// Gamepad rumble. The engine opens its devices through DirectInput on its own and offers no
// force feedback, so at start-up the game rewrites the engine's import of the DirectInput
// factory: every factory the engine makes then passes through the replacements below, which
// remember up to two joysticks offering a constant force, put them into exclusive mode, and
// let the game play a constant-force effect on them. All state here is process-wide; one
// thread.
#pragma once

#include "platform/dinput/dinput.h"

// One function of an imported library to replace.
struct ImportHook {
    const char* functionName;  // null ends a table's list
    void* replacement;
    void* realFunction;  // filled when the hook is installed; the replacement calls through it
};

// The hooks for one imported library.
struct ImportHookTable {
    const char* libraryName;
    ImportHook* hooks;  // ended by an entry with a null name
};

// Forgets every device and effect, then hooks the engine's import of the factory. False when
// the engine's image or its import table cannot be found.
bool installInputHooks();
// Installs a table's hooks in the import table of one loaded module, found by file name.
bool hookImportedFunctions(const ImportHookTable& table, const char* moduleFileName);
// The step for one imported library: rewrites the address-table entries that the table names.
bool patchImportTable(const ImportHookTable& table, const IMAGE_IMPORT_DESCRIPTOR* descriptor, const BYTE* moduleBase);

// Creates and downloads the effect of every registered device that offers a constant force.
void refreshForceFeedback();
// Plays the effect on engine joystick `joystick` (0 or 1) at magnitude 0..1 for `seconds`.
// False for a joystick that is not registered or cannot rumble. A device registered after
// the last refresh gets its effect made here first.
bool rumbleJoystick(int joystick, float magnitude, float seconds);

// The replacements, called by the engine through DirectInput, never by the game.
HRESULT WINAPI hookedDirectInput8Create(HINSTANCE instance, DWORD version, REFIID iid, LPVOID* out, LPUNKNOWN outer);
HRESULT WINAPI hookedCreateDevice(IDirectInput8A* factory, REFGUID guid, LPDIRECTINPUTDEVICE8A* out, LPUNKNOWN outer);
HRESULT WINAPI hookedSetCooperativeLevel(IDirectInputDevice8A* device, HWND window, DWORD flags);
BOOL CALLBACK onEnumEffect(LPCDIEFFECTINFOA info, LPVOID reference);

// Read-only views of the state, for tests.
struct ForceFeedbackState {
    int deviceCount;
    IDirectInputDevice8A* devices[2];
    bool capable[2];
    IDirectInputEffect* effects[2];
    bool factoryCreated;
    bool factoryCreatedAgain;
    bool cooperativeHookInstalled;
};
ForceFeedbackState forceFeedbackState();
// Back to a freshly started process (tests only): the state cleared, effects released and the
// saved real functions forgotten. The patched tables themselves are the platform's to restore.
void resetInputHooksForTests();
