#include "input/InputHooks.h"

#include <cmath>

namespace {

ImportHook dinputHooks[] = {
    {"DirectInput8Create", reinterpret_cast<void*>(&hookedDirectInput8Create), nullptr},
    {nullptr, nullptr, nullptr},
};
const ImportHookTable dinputHookTable = {"DINPUT8.DLL", dinputHooks};
const char* const engineModule = "vuzirovari.dll";

using CreateDeviceMethod = decltype(IDirectInput8AVtbl::CreateDevice);
using SetCooperativeLevelMethod = decltype(IDirectInputDevice8AVtbl::SetCooperativeLevel);

constexpr int MaxDevices = 2;
constexpr int CreateDeviceSlot = 3;
constexpr int SetCooperativeLevelSlot = 13;
constexpr DWORD WritableMask = 0x32;  // the read-only, execute and execute-read bits

int ffDeviceCount = 0;
IDirectInputDevice8A* ffDevices[MaxDevices] = {};
bool ffCapable[MaxDevices] = {};
IDirectInputEffect* ffEffects[MaxDevices] = {};
CreateDeviceMethod realCreateDevice = nullptr;
SetCooperativeLevelMethod realSetCooperativeLevel = nullptr;
bool factoryCreated = false;
bool factoryCreatedAgain = false;
bool cooperativeHookInstalled = false;

// A constant-force record for magnitude 0..1 and a duration in seconds. It points into itself,
// so it is filled in place and never copied.
struct EffectParameters {
    DIEFFECT effect{};
    DICONSTANTFORCE force{};
    DWORD axes[2] = {DIJOFS_X, DIJOFS_Y};
    LONG directions[2] = {1, 1};

    EffectParameters(float magnitude, float seconds) {
        double m = std::isfinite(magnitude) ? std::fmin(std::fmax(magnitude, -1.0f), 1.0f) : 0.0;
        double s = std::isfinite(seconds) ? std::fmin(std::fmax(seconds, 0.0f), 4000.0f) : 0.0;
        force.lMagnitude = static_cast<LONG>(m * 10000.0);
        effect.dwSize = sizeof(DIEFFECT);
        effect.dwFlags = DIEFF_CARTESIAN | DIEFF_OBJECTOFFSETS;
        effect.dwDuration = static_cast<DWORD>(s * 1000000.0);
        effect.dwGain = 10000;
        effect.dwTriggerButton = DIEB_NOTRIGGER;
        effect.cAxes = 2;
        effect.rgdwAxes = axes;
        effect.rglDirection = directions;
        effect.cbTypeSpecificParams = sizeof(DICONSTANTFORCE);
        effect.lpvTypeSpecificParams = &force;
    }
    EffectParameters(const EffectParameters&) = delete;
    EffectParameters& operator=(const EffectParameters&) = delete;
};

// Makes `bytes` at `address` writable, calls `write`, and puts the old protection back.
template <typename Write>
bool writeProtected(void* address, SIZE_T bytes, Write write) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(address, &info, sizeof info) == 0) return false;
    DWORD old = 0;
    if (!VirtualProtect(address, bytes, (info.Protect & ~WritableMask) | PAGE_READWRITE, &old)) return false;
    write();
    DWORD ignored = 0;
    VirtualProtect(address, bytes, old, &ignored);
    return true;
}

bool readable(const void* address, SIZE_T bytes) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(address, &info, sizeof info) == 0) return false;
    if (info.Protect == PAGE_NOACCESS || info.Protect == PAGE_EXECUTE) return false;
    return reinterpret_cast<uintptr_t>(address) + bytes <=
           reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
}

// Forgets every registered device and effect. The effects are released first (a factory made
// again would otherwise leak them), then the references the table held on the devices.
void clearDevices() {
    for (int i = 0; i < MaxDevices; ++i) {
        if (ffEffects[i]) ffEffects[i]->lpVtbl->Release(ffEffects[i]);
        if (ffDevices[i]) ffDevices[i]->lpVtbl->Release(ffDevices[i]);
        ffEffects[i] = nullptr;
        ffDevices[i] = nullptr;
        ffCapable[i] = false;
    }
    ffDeviceCount = 0;
}

// Creates and downloads device i's effect; on failure the device can no longer rumble.
bool createEffect(int i) {
    if (ffEffects[i]) {
        ffEffects[i]->lpVtbl->Release(ffEffects[i]);
        ffEffects[i] = nullptr;
    }
    EffectParameters parameters(1.0f, 1.0f);
    IDirectInputDevice8A* device = ffDevices[i];
    if (FAILED(device->lpVtbl->CreateEffect(device, &GUID_ConstantForce, &parameters.effect, &ffEffects[i], nullptr)) ||
        !ffEffects[i]) {
        ffEffects[i] = nullptr;
        ffCapable[i] = false;
        return false;
    }
    ffEffects[i]->lpVtbl->Download(ffEffects[i]);
    return true;
}

}  // namespace

bool installInputHooks() {
    clearDevices();
    return hookImportedFunctions(dinputHookTable, engineModule);
}

bool hookImportedFunctions(const ImportHookTable& table, const char* moduleFileName) {
    const BYTE* base = reinterpret_cast<const BYTE*>(GetModuleHandleA(moduleFileName));
    if (!base || !readable(base, sizeof(IMAGE_DOS_HEADER))) return false;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0) return false;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    if (!readable(nt, sizeof(IMAGE_NT_HEADERS64)) || nt->Signature != IMAGE_NT_SIGNATURE) return false;
    const IMAGE_OPTIONAL_HEADER64& optional = nt->OptionalHeader;
    if (optional.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_IMPORT) return false;
    DWORD imports = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    if (imports == 0) return false;
    for (const auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports);
         readable(d, sizeof *d) && d->FirstThunk != 0; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), table.libraryName) == 0)
            patchImportTable(table, d, base);
    }
    return true;
}

bool patchImportTable(const ImportHookTable& table, const IMAGE_IMPORT_DESCRIPTOR* descriptor, const BYTE* base) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    bool oldPlatform = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    if (descriptor->OriginalFirstThunk == 0 || descriptor->FirstThunk == 0) return false;
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA64*>(base + descriptor->OriginalFirstThunk);
    auto* entries = reinterpret_cast<IMAGE_THUNK_DATA64*>(const_cast<BYTE*>(base) + descriptor->FirstThunk);
    SIZE_T count = 0;
    while (entries[count].u1.Function != 0) ++count;
    if (count == 0) return false;
    return writeProtected(entries, count * sizeof(IMAGE_THUNK_DATA64), [&] {
        for (SIZE_T i = 0; i < count && names[i].u1.AddressOfData != 0; ++i) {
            if (names[i].u1.Ordinal & IMAGE_ORDINAL_FLAG64) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
            for (ImportHook* hook = table.hooks; hook && hook->functionName; ++hook) {
                if (lstrcmpiA(hook->functionName, byName->Name) != 0) continue;
                void* current = reinterpret_cast<void*>(entries[i].u1.Function);
                if (current != hook->replacement) hook->realFunction = current;
                bool readOnly = IsBadWritePtr(current, 1);
                bool highShared = oldPlatform && !readOnly && reinterpret_cast<uintptr_t>(current) > 0x80000000u;
                if (readOnly || highShared) entries[i].u1.Function = reinterpret_cast<ULONGLONG>(hook->replacement);
            }
        }
    });
}

HRESULT WINAPI hookedDirectInput8Create(HINSTANCE instance, DWORD version, REFIID iid, LPVOID* out, LPUNKNOWN outer) {
    auto real = reinterpret_cast<LPDIRECTINPUT8CREATE>(dinputHooks[0].realFunction);
    if (!real) return DIERR_GENERIC;
    HRESULT result = real(instance, version, iid, out, outer);
    if (FAILED(result)) return result;
    if (factoryCreated) {
        installInputHooks();
        factoryCreatedAgain = true;
        return result;
    }
    factoryCreated = true;
    auto* factory = static_cast<IDirectInput8A*>(*out);
    void** slots = reinterpret_cast<void**>(const_cast<IDirectInput8AVtbl*>(factory->lpVtbl));
    writeProtected(slots, (CreateDeviceSlot + 1) * sizeof(void*), [&] {
        realCreateDevice = reinterpret_cast<CreateDeviceMethod>(slots[CreateDeviceSlot]);
        slots[CreateDeviceSlot] = reinterpret_cast<void*>(&hookedCreateDevice);
    });
    return result;
}

HRESULT WINAPI hookedCreateDevice(IDirectInput8A* factory, REFGUID guid, LPDIRECTINPUTDEVICE8A* out, LPUNKNOWN outer) {
    if (!realCreateDevice) return DIERR_GENERIC;
    HRESULT result = realCreateDevice(factory, guid, out, outer);
    if (IsEqualGUID(guid, &GUID_SysKeyboard) || IsEqualGUID(guid, &GUID_SysMouse) || FAILED(result) || !out ||
        !*out || ffDeviceCount >= MaxDevices)
        return result;
    IDirectInputDevice8A* device = *out;
    device->lpVtbl->AddRef(device);
    ffDevices[ffDeviceCount] = device;
    ffCapable[ffDeviceCount] = false;
    device->lpVtbl->EnumEffects(device, onEnumEffect, &ffDeviceCount, DIEFT_ALL);
    int index = ffDeviceCount++;
    if (ffCapable[index] && !factoryCreatedAgain && !cooperativeHookInstalled) {
        void** slots = reinterpret_cast<void**>(const_cast<IDirectInputDevice8AVtbl*>(device->lpVtbl));
        bool patched = writeProtected(slots, (SetCooperativeLevelSlot + 1) * sizeof(void*), [&] {
            realSetCooperativeLevel = reinterpret_cast<SetCooperativeLevelMethod>(slots[SetCooperativeLevelSlot]);
            slots[SetCooperativeLevelSlot] = reinterpret_cast<void*>(&hookedSetCooperativeLevel);
        });
        if (patched) cooperativeHookInstalled = true;
        else ffCapable[index] = false;
    }
    return result;
}

BOOL CALLBACK onEnumEffect(LPCDIEFFECTINFOA info, LPVOID reference) {
    if (!info || !reference || (info->dwEffType & 0xFF) != DIEFT_CONSTANTFORCE) return DIENUM_CONTINUE;
    int index = *static_cast<int*>(reference);
    if (index >= 0 && index < MaxDevices) ffCapable[index] = true;
    return DIENUM_STOP;
}

HRESULT WINAPI hookedSetCooperativeLevel(IDirectInputDevice8A* device, HWND window, DWORD flags) {
    if (!realSetCooperativeLevel) return DIERR_GENERIC;
    return realSetCooperativeLevel(device, window, (flags & ~DISCL_NONEXCLUSIVE) | DISCL_EXCLUSIVE);
}

void refreshForceFeedback() {
    for (int i = 0; i < ffDeviceCount; ++i)
        if (ffCapable[i]) createEffect(i);
}

bool rumbleJoystick(int joystick, float magnitude, float seconds) {
    if (joystick < 0 || joystick >= ffDeviceCount || !ffCapable[joystick]) return false;
    if (!ffEffects[joystick] && !createEffect(joystick)) return false;
    IDirectInputEffect* effect = ffEffects[joystick];
    effect->lpVtbl->Stop(effect);
    EffectParameters parameters(magnitude, seconds);
    if (FAILED(effect->lpVtbl->SetParameters(effect, &parameters.effect, DIEP_DURATION | DIEP_TYPESPECIFICPARAMS)))
        return false;
    return SUCCEEDED(effect->lpVtbl->Start(effect, 1, 0));
}

ForceFeedbackState forceFeedbackState() {
    ForceFeedbackState s{};
    s.deviceCount = ffDeviceCount;
    for (int i = 0; i < MaxDevices; ++i) {
        s.devices[i] = ffDevices[i];
        s.capable[i] = ffCapable[i];
        s.effects[i] = ffEffects[i];
    }
    s.factoryCreated = factoryCreated;
    s.factoryCreatedAgain = factoryCreatedAgain;
    s.cooperativeHookInstalled = cooperativeHookInstalled;
    return s;
}

void resetInputHooksForTests() {
    clearDevices();
    for (ImportHook* hook = dinputHookTable.hooks; hook->functionName; ++hook) hook->realFunction = nullptr;
    realCreateDevice = nullptr;
    realSetCooperativeLevel = nullptr;
    factoryCreated = factoryCreatedAgain = cooperativeHookInstalled = false;
}
