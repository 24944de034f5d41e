// The factory, device and effect objects: reference counts, device creation, cooperative level,
// effect enumeration and the constant-force effect's life.
#include <algorithm>
#include <cstring>

#include "dinput_host.h"
#include "internal.h"

namespace dinput {

namespace {

Factory* factoryOf(IDirectInput8A* self) { return reinterpret_cast<Factory*>(self); }
Device* deviceOf(IDirectInputDevice8A* self) { return reinterpret_cast<Device*>(self); }
Effect* effectOf(IDirectInputEffect* self) { return reinterpret_cast<Effect*>(self); }

// Every slot first answers "unsupported"; the fill functions then set the implemented ones.
template <typename Table>
void fillUnsupported(Table& t) {
    void** slots = reinterpret_cast<void**>(&t);
    for (size_t i = 0; i < sizeof(Table) / sizeof(void*); ++i) slots[i] = reinterpret_cast<void*>(&unsupported);
}

// The constant force's level and length as the device plays them.
bool readParameters(LPCDIEFFECT p, DWORD flags, Effect& effect) {
    if (flags & DIEP_TYPESPECIFICPARAMS) {
        if (!p->lpvTypeSpecificParams || p->cbTypeSpecificParams < sizeof(DICONSTANTFORCE)) return false;
        long long magnitude = static_cast<const DICONSTANTFORCE*>(p->lpvTypeSpecificParams)->lMagnitude;
        effect.level = static_cast<int>(std::clamp(magnitude * 32767 / 10000, -32768LL, 32767LL));
    }
    if (flags & DIEP_DURATION) effect.lengthMs = p->dwDuration / 1000;
    return true;
}

std::string describeParameters(LPCDIEFFECT p) {
    std::string text = "size=" + std::to_string(p->dwSize) + " flags=" + hex(p->dwFlags) + " duration=" + std::to_string(p->dwDuration) +
                       " gain=" + std::to_string(p->dwGain) + " trigger=" + hex(p->dwTriggerButton) + " axes=";
    for (DWORD i = 0; i < p->cAxes && p->rgdwAxes; ++i) text += (i ? "," : "") + std::to_string(p->rgdwAxes[i]);
    text += " direction=";
    for (DWORD i = 0; i < p->cAxes && p->rglDirection; ++i)
        text += (i ? "," : "") + std::to_string(p->rglDirection[i]);
    if (p->lpvTypeSpecificParams && p->cbTypeSpecificParams >= sizeof(DICONSTANTFORCE))
        text += " magnitude=" +
                std::to_string(static_cast<const DICONSTANTFORCE*>(p->lpvTypeSpecificParams)->lMagnitude);
    return text;
}

// ---- the factory

HRESULT WINAPI factoryQueryInterface(IDirectInput8A* self, REFIID iid, LPVOID* out) {
    if (!out) return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (!IsEqualGUID(iid, &IID_IDirectInput8A)) return DIERR_NOINTERFACE;
    ++factoryOf(self)->refs;
    *out = self;
    return DI_OK;
}

ULONG WINAPI factoryAddRef(IDirectInput8A* self) { return ++factoryOf(self)->refs; }

ULONG WINAPI factoryRelease(IDirectInput8A* self) {
    Factory* factory = factoryOf(self);
    ULONG left = --factory->refs;
    if (recording()) record("factory Release");
    if (left == 0) {
        delete factory;
        objectGone();
    }
    return left;
}

HRESULT WINAPI createDevice(IDirectInput8A*, REFGUID guid, LPDIRECTINPUTDEVICE8A* out, LPUNKNOWN) {
    if (!out || !guid) return DIERR_INVALIDPARAM;
    *out = nullptr;
    auto device = new Device();
    device->com.lpVtbl = deviceMethods();
    if (IsEqualGUID(guid, &GUID_SysKeyboard)) {
        device->kind = DeviceKind::Keyboard;
        device->name = "keyboard";
    } else if (IsEqualGUID(guid, &GUID_SysMouse)) {
        device->kind = DeviceKind::Mouse;
        device->name = "mouse";
    } else if (int index = joystickIndexOf(guid); index >= 0) {
        device->joystick = index;
        device->name = "joystick " + std::to_string(index);
        openHaptic(*device);
    } else {
        delete device;
        if (recording()) record("factory CreateDevice unknown");
        return DIERR_DEVICENOTREG;
    }
    if (recording()) record("factory CreateDevice " + device->name);
    objectMade();
    *out = &device->com;
    return DI_OK;
}

// ---- devices

HRESULT WINAPI deviceQueryInterface(IDirectInputDevice8A*, REFIID, LPVOID* out) {
    if (out) *out = nullptr;
    return DIERR_NOINTERFACE;
}

ULONG WINAPI deviceAddRef(IDirectInputDevice8A* self) { return ++deviceOf(self)->refs; }

ULONG WINAPI deviceRelease(IDirectInputDevice8A* self) {
    Device* device = deviceOf(self);
    ULONG left = --device->refs;
    if (recording()) record(device->name + " Release");
    if (left == 0) {
        closeHaptic(*device);
        delete device;
        objectGone();
    }
    return left;
}

HRESULT WINAPI setCooperativeLevel(IDirectInputDevice8A* self, HWND, DWORD flags) {
    Device* device = deviceOf(self);
    if (recording()) record(device->name + " SetCooperativeLevel " + hex(flags));
    device->cooperativeFlags = flags;
    return DI_OK;
}

HRESULT WINAPI enumEffects(IDirectInputDevice8A* self, LPDIENUMEFFECTSCALLBACKA callback, LPVOID reference,
                           DWORD effectType) {
    Device* device = deviceOf(self);
    if (recording()) record(device->name + " EnumEffects " + hex(effectType));
    if (!callback) return DIERR_INVALIDPARAM;
    bool wanted = effectType == DIEFT_ALL || (effectType & 0xFF) == DIEFT_CONSTANTFORCE;
    if (!wanted || !offersConstantForce(*device)) return DI_OK;
    DIEFFECTINFOA info{};
    info.dwSize = sizeof info;
    info.guid = GUID_ConstantForce;
    info.dwEffType = DIEFT_CONSTANTFORCE;
    info.dwStaticParams = info.dwDynamicParams = DIEP_DURATION | DIEP_TYPESPECIFICPARAMS;
    std::strcpy(info.tszName, "Constant Force");
    callback(&info, reference);
    return DI_OK;
}

HRESULT WINAPI createEffect(IDirectInputDevice8A* self, REFGUID guid, LPCDIEFFECT parameters,
                            LPDIRECTINPUTEFFECT* out, LPUNKNOWN) {
    Device* device = deviceOf(self);
    if (recording())
        record(device->name + " CreateEffect " + (IsEqualGUID(guid, &GUID_ConstantForce) ? "ConstantForce" : "other") +
               (parameters ? " " + describeParameters(parameters) : ""));
    if (!out) return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (!IsEqualGUID(guid, &GUID_ConstantForce) || !offersConstantForce(*device)) return DIERR_DEVICENOTREG;
    if (recording() && recordedFailure("CreateEffect")) return DIERR_GENERIC;
    auto effect = new Effect();
    effect->com.lpVtbl = effectMethods();
    effect->device = device;
    effect->name = "effect " + std::to_string(device->joystick);
    ++device->refs;
    if (parameters && !readParameters(parameters, DIEP_DURATION | DIEP_TYPESPECIFICPARAMS, *effect)) {
        --device->refs;
        delete effect;
        return DIERR_INVALIDPARAM;
    }
    objectMade();
    *out = &effect->com;
    return DI_OK;
}

// ---- effects

HRESULT WINAPI effectQueryInterface(IDirectInputEffect*, REFIID, LPVOID* out) {
    if (out) *out = nullptr;
    return DIERR_NOINTERFACE;
}

ULONG WINAPI effectAddRef(IDirectInputEffect* self) { return ++effectOf(self)->refs; }

ULONG WINAPI effectRelease(IDirectInputEffect* self) {
    Effect* effect = effectOf(self);
    ULONG left = --effect->refs;
    if (recording()) record(effect->name + " Release");
    if (left == 0) {
        destroyEffect(*effect);
        Device* device = effect->device;
        delete effect;
        objectGone();
        deviceRelease(&device->com);
    }
    return left;
}

HRESULT WINAPI setParameters(IDirectInputEffect* self, LPCDIEFFECT parameters, DWORD flags) {
    Effect* effect = effectOf(self);
    if (recording())
        record(effect->name + " SetParameters " + hex(flags) +
               (parameters ? " duration=" + std::to_string(parameters->dwDuration) +
                                 (parameters->lpvTypeSpecificParams
                                      ? " magnitude=" + std::to_string(static_cast<const DICONSTANTFORCE*>(
                                                                          parameters->lpvTypeSpecificParams)
                                                                          ->lMagnitude)
                                      : "")
                           : ""));
    if (!parameters || !readParameters(parameters, flags, *effect)) return DIERR_INVALIDPARAM;
    return updateEffect(*effect) ? DI_OK : DIERR_GENERIC;
}

HRESULT WINAPI start(IDirectInputEffect* self, DWORD iterations, DWORD flags) {
    Effect* effect = effectOf(self);
    if (recording()) record(effect->name + " Start " + std::to_string(iterations) + " " + hex(flags));
    return runEffect(*effect, iterations) ? DI_OK : DIERR_GENERIC;
}

HRESULT WINAPI stop(IDirectInputEffect* self) {
    Effect* effect = effectOf(self);
    if (recording()) record(effect->name + " Stop");
    return stopEffect(*effect) ? DI_OK : DIERR_GENERIC;
}

HRESULT WINAPI download(IDirectInputEffect* self) {
    Effect* effect = effectOf(self);
    if (recording()) record(effect->name + " Download");
    return uploadEffect(*effect) ? DI_OK : DIERR_GENERIC;
}

HRESULT WINAPI unload(IDirectInputEffect* self) {
    Effect* effect = effectOf(self);
    if (recording()) record(effect->name + " Unload");
    destroyEffect(*effect);
    return DI_OK;
}

}  // namespace

HRESULT WINAPI unsupported(void*) { return DIERR_UNSUPPORTED; }

std::string hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

void fillFactoryTable(IDirectInput8AVtbl& t) {
    fillUnsupported(t);
    t.QueryInterface = factoryQueryInterface;
    t.AddRef = factoryAddRef;
    t.Release = factoryRelease;
    t.CreateDevice = createDevice;
}

void fillDeviceTable(IDirectInputDevice8AVtbl& t) {
    fillUnsupported(t);
    t.QueryInterface = deviceQueryInterface;
    t.AddRef = deviceAddRef;
    t.Release = deviceRelease;
    t.SetCooperativeLevel = setCooperativeLevel;
    t.CreateEffect = createEffect;
    t.EnumEffects = enumEffects;
}

void fillEffectTable(IDirectInputEffectVtbl& t) {
    fillUnsupported(t);
    t.QueryInterface = effectQueryInterface;
    t.AddRef = effectAddRef;
    t.Release = effectRelease;
    t.SetParameters = setParameters;
    t.Start = start;
    t.Stop = stop;
    t.Download = download;
    t.Unload = unload;
}

}  // namespace dinput

extern "C" HRESULT WINAPI DirectInput8Create(HINSTANCE, DWORD version, REFIID iid, LPVOID* out, LPUNKNOWN) {
    using namespace dinput;
    if (recording()) record("DirectInput8Create " + hex(version));
    if (!out) return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (!IsEqualGUID(iid, &IID_IDirectInput8A)) return DIERR_NOINTERFACE;
    if (version < DIRECTINPUT_VERSION) return DIERR_OLDDIRECTINPUTVERSION;
    auto factory = new Factory();
    factory->com.lpVtbl = factoryMethods();
    objectMade();
    *out = &factory->com;
    return DI_OK;
}
