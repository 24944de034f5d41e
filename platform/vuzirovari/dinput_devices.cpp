// The engine's DirectInput objects: the factory, the keyboard and mouse, and one device per
// joystick number. Input itself is read through SDL; the objects are what a force-feedback
// hook sees of the engine.
#include <string>
#include <vector>

#include "../dinput/dinput_host.h"
#include "../win32/win32_host.h"
#include "dinput_link.h"
#include "engine_state.h"

namespace vuz {

LPDIRECTINPUT8CREATE importedDirectInput8Create();  // dinput_import.cpp

namespace {

struct DirectInputObjects {
    IDirectInput8A* factory = nullptr;
    IDirectInputDevice8A* keyboard = nullptr;
    IDirectInputDevice8A* mouse = nullptr;
    std::vector<IDirectInputDevice8A*> joysticks;  // by engine number; null where creation failed
    HWND window = nullptr;
};

DirectInputObjects& objects() {
    static auto* made = new DirectInputObjects();
    return *made;
}

void releaseAll() {
    DirectInputObjects& o = objects();
    for (IDirectInputDevice8A* device : o.joysticks)
        if (device) device->lpVtbl->Release(device);
    o.joysticks.clear();
    if (o.mouse) o.mouse->lpVtbl->Release(o.mouse);
    if (o.keyboard) o.keyboard->lpVtbl->Release(o.keyboard);
    if (o.factory) o.factory->lpVtbl->Release(o.factory);
    o.mouse = o.keyboard = nullptr;
    o.factory = nullptr;
}

IDirectInputDevice8A* createDevice(const GUID& guid, const std::string& what) {
    IDirectInput8A* factory = objects().factory;
    IDirectInputDevice8A* device = nullptr;
    HRESULT result = factory->lpVtbl->CreateDevice(factory, &guid, &device, nullptr);
    if (FAILED(result)) {
        win32::log("engine: no DirectInput device for the " + what);
        return nullptr;
    }
    return device;
}

}  // namespace

void closeDirectInput() { releaseAll(); }

void openDirectInput(HWND mainWindow, int joysticks) {
    releaseAll();
    DirectInputObjects& o = objects();
    o.window = mainWindow;
    dinput::setJoystickSource([](int index) { return engine().joysticks.device(index); });
    void* factory = nullptr;
    HRESULT result = importedDirectInput8Create()(GetModuleHandleA(nullptr), DIRECTINPUT_VERSION,
                                                  &IID_IDirectInput8A, &factory, nullptr);
    if (FAILED(result) || !factory) {
        win32::log("engine: DirectInput could not be created; no force feedback");
        return;
    }
    o.factory = static_cast<IDirectInput8A*>(factory);
    o.keyboard = createDevice(GUID_SysKeyboard, "keyboard");
    o.mouse = createDevice(GUID_SysMouse, "mouse");
    numberDirectInputJoysticks(joysticks);
}

void numberDirectInputJoysticks(int joysticks) {
    DirectInputObjects& o = objects();
    if (!o.factory) return;
    while (static_cast<int>(o.joysticks.size()) < joysticks) {
        int index = static_cast<int>(o.joysticks.size());
        IDirectInputDevice8A* device = createDevice(dinput::joystickGuid(index), "joystick " + std::to_string(index));
        if (device) device->lpVtbl->SetCooperativeLevel(device, o.window, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND);
        o.joysticks.push_back(device);
    }
}

}  // namespace vuz
