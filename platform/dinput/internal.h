// Pieces of the DirectInput subset that talk to each other.
#pragma once

#include <string>

#include "dinput.h"

struct _SDL_Haptic;

namespace dinput {

enum class DeviceKind { Keyboard, Mouse, Joystick };

struct Device {
    IDirectInputDevice8A com;  // first: the object's address is the interface's
    ULONG refs = 1;
    DeviceKind kind = DeviceKind::Joystick;
    int joystick = -1;  // the engine's number, for joysticks
    DWORD cooperativeFlags = 0;
    _SDL_Haptic* haptic = nullptr;  // SDL backend, when the joystick can rumble
    std::string name;               // "keyboard", "mouse", "joystick 0"
};

struct Effect {
    IDirectInputEffect com;
    ULONG refs = 1;
    Device* device = nullptr;  // holds a reference
    int level = 0;             // -32768..32767
    uint32_t lengthMs = 0;
    int sdlEffect = -1;        // uploaded effect, SDL backend
    std::string name;          // "effect 0"
};

struct Factory {
    IDirectInput8A com;
    ULONG refs = 1;
};

// method_tables.cpp: the three shared tables, in read-only pages once filled.
const IDirectInput8AVtbl* factoryMethods();
const IDirectInputDevice8AVtbl* deviceMethods();
const IDirectInputEffectVtbl* effectMethods();
void restoreMethodTables();

// objects.cpp: the method bodies the tables point to.
void fillFactoryTable(IDirectInput8AVtbl& t);
void fillDeviceTable(IDirectInputDevice8AVtbl& t);
void fillEffectTable(IDirectInputEffectVtbl& t);
HRESULT WINAPI unsupported(void* self);

// recording.cpp: the recording backend and the live-object count.
bool recording();
void record(const std::string& line);
bool recordedConstantForce(int joystick);
bool recordedFailure(const char* method);
void objectMade();
void objectGone();

// haptics.cpp: the device side of effects, SDL or recorded.
bool openHaptic(Device& device);
void closeHaptic(Device& device);
bool offersConstantForce(const Device& device);
bool uploadEffect(Effect& effect);
bool updateEffect(Effect& effect);
bool runEffect(Effect& effect, uint32_t iterations);
bool stopEffect(Effect& effect);
void destroyEffect(Effect& effect);

std::string hex(uint32_t value);

}  // namespace dinput
