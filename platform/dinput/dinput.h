/* The DirectInput 8 subset the engine and the game's force-feedback hooks use, for Linux.
 * Every object is a struct whose first member points to its method table; the tables keep
 * the Windows slot order, because the hooks replace entries by slot number. The tables are
 * shared by every object of one kind and live in read-only pages of their own, so patching
 * them works as it does with real method tables. Methods that nothing here calls answer
 * DIERR_UNSUPPORTED. REFGUID and REFIID are pointers, as in the C declarations of Windows. */
#ifndef BRENNOCK_DINPUT_H
#define BRENNOCK_DINPUT_H

#include "platform/win32/win32.h"

#ifdef __cplusplus
extern "C" {
#endif

#define DIRECTINPUT_VERSION 0x0800

typedef uint32_t ULONG;
typedef LONG* LPLONG;

typedef struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
} GUID;
typedef const GUID* REFGUID;
typedef const GUID* REFIID;
typedef GUID* LPGUID;

#define DI_OK 0
#define DIENUM_STOP 0
#define DIENUM_CONTINUE 1
#define DIERR_UNSUPPORTED ((HRESULT)0x80004001L)
#define DIERR_NOINTERFACE ((HRESULT)0x80004002L)
#define DIERR_INVALIDPARAM ((HRESULT)0x80070057L)
#define DIERR_DEVICENOTREG ((HRESULT)0x80040154L)
#define DIERR_OLDDIRECTINPUTVERSION ((HRESULT)0x8007047EL)
#define DIERR_GENERIC ((HRESULT)0x80004005L)
#define DIERR_NOTDOWNLOADED ((HRESULT)0x80040203L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

#define DIEFT_ALL 0x00000000u
#define DIEFT_CONSTANTFORCE 0x00000001u
#define DISCL_EXCLUSIVE 0x00000001u
#define DISCL_NONEXCLUSIVE 0x00000002u
#define DISCL_FOREGROUND 0x00000004u
#define DISCL_BACKGROUND 0x00000008u
#define DIEFF_OBJECTOFFSETS 0x00000002u
#define DIEFF_CARTESIAN 0x00000010u
#define DIEB_NOTRIGGER 0xFFFFFFFFu
#define DIJOFS_X 0u
#define DIJOFS_Y 4u
#define DIEP_DURATION 0x00000001u
#define DIEP_TYPESPECIFICPARAMS 0x00000100u
#define DIES_SOLO 0x00000001u

extern const GUID GUID_SysMouse;
extern const GUID GUID_SysKeyboard;
extern const GUID GUID_Joystick;
extern const GUID GUID_ConstantForce;
extern const GUID IID_IDirectInput8A;

typedef struct DIENVELOPE DIENVELOPE, *LPDIENVELOPE;

typedef struct DICONSTANTFORCE {
    LONG lMagnitude;
} DICONSTANTFORCE, *LPDICONSTANTFORCE;

typedef struct DIEFFECT {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwDuration; /* microseconds */
    DWORD dwSamplePeriod;
    DWORD dwGain;
    DWORD dwTriggerButton;
    DWORD dwTriggerRepeatInterval;
    DWORD cAxes;
    LPDWORD rgdwAxes;
    LPLONG rglDirection;
    LPDIENVELOPE lpEnvelope;
    DWORD cbTypeSpecificParams;
    LPVOID lpvTypeSpecificParams;
    DWORD dwStartDelay;
} DIEFFECT, *LPDIEFFECT;
typedef const DIEFFECT* LPCDIEFFECT;

typedef struct DIEFFECTINFOA {
    DWORD dwSize;
    GUID guid;
    DWORD dwEffType;
    DWORD dwStaticParams;
    DWORD dwDynamicParams;
    char tszName[260];
} DIEFFECTINFOA, *LPDIEFFECTINFOA;
typedef const DIEFFECTINFOA* LPCDIEFFECTINFOA;

typedef BOOL(CALLBACK* LPDIENUMEFFECTSCALLBACKA)(LPCDIEFFECTINFOA info, LPVOID reference);

typedef struct IDirectInput8A IDirectInput8A, *LPDIRECTINPUT8A;
typedef struct IDirectInputDevice8A IDirectInputDevice8A, *LPDIRECTINPUTDEVICE8A;
typedef struct IDirectInputEffect IDirectInputEffect, *LPDIRECTINPUTEFFECT;
typedef void* LPUNKNOWN;

/* A method this subset does not implement: every such slot holds a function of this shape
 * that answers DIERR_UNSUPPORTED. */
typedef HRESULT(WINAPI* DIUnsupportedMethod)(void* self);

typedef struct IDirectInput8AVtbl {
    HRESULT(WINAPI* QueryInterface)(IDirectInput8A* self, REFIID iid, LPVOID* out);
    ULONG(WINAPI* AddRef)(IDirectInput8A* self);
    ULONG(WINAPI* Release)(IDirectInput8A* self);
    HRESULT(WINAPI* CreateDevice)(IDirectInput8A* self, REFGUID guid, LPDIRECTINPUTDEVICE8A* out,
                                  LPUNKNOWN outer);
    DIUnsupportedMethod EnumDevices;
    DIUnsupportedMethod GetDeviceStatus;
    DIUnsupportedMethod RunControlPanel;
    DIUnsupportedMethod Initialize;
    DIUnsupportedMethod FindDevice;
    DIUnsupportedMethod EnumDevicesBySemantics;
    DIUnsupportedMethod ConfigureDevices;
} IDirectInput8AVtbl;

struct IDirectInput8A {
    const IDirectInput8AVtbl* lpVtbl;
};

typedef struct IDirectInputDevice8AVtbl {
    HRESULT(WINAPI* QueryInterface)(IDirectInputDevice8A* self, REFIID iid, LPVOID* out);
    ULONG(WINAPI* AddRef)(IDirectInputDevice8A* self);
    ULONG(WINAPI* Release)(IDirectInputDevice8A* self);
    DIUnsupportedMethod GetCapabilities;
    DIUnsupportedMethod EnumObjects;
    DIUnsupportedMethod GetProperty;
    DIUnsupportedMethod SetProperty;
    DIUnsupportedMethod Acquire;
    DIUnsupportedMethod Unacquire;
    DIUnsupportedMethod GetDeviceState;
    DIUnsupportedMethod GetDeviceData;
    DIUnsupportedMethod SetDataFormat;
    DIUnsupportedMethod SetEventNotification;
    HRESULT(WINAPI* SetCooperativeLevel)(IDirectInputDevice8A* self, HWND window, DWORD flags);
    DIUnsupportedMethod GetObjectInfo;
    DIUnsupportedMethod GetDeviceInfo;
    DIUnsupportedMethod RunControlPanel;
    DIUnsupportedMethod Initialize;
    HRESULT(WINAPI* CreateEffect)(IDirectInputDevice8A* self, REFGUID guid, LPCDIEFFECT parameters,
                                  LPDIRECTINPUTEFFECT* out, LPUNKNOWN outer);
    HRESULT(WINAPI* EnumEffects)(IDirectInputDevice8A* self, LPDIENUMEFFECTSCALLBACKA callback,
                                 LPVOID reference, DWORD effectType);
    DIUnsupportedMethod GetEffectInfo;
    DIUnsupportedMethod GetForceFeedbackState;
    DIUnsupportedMethod SendForceFeedbackCommand;
    DIUnsupportedMethod EnumCreatedEffectObjects;
    DIUnsupportedMethod Escape;
    DIUnsupportedMethod Poll;
    DIUnsupportedMethod SendDeviceData;
    DIUnsupportedMethod EnumEffectsInFile;
    DIUnsupportedMethod WriteEffectToFile;
    DIUnsupportedMethod BuildActionMap;
    DIUnsupportedMethod SetActionMap;
    DIUnsupportedMethod GetImageInfo;
} IDirectInputDevice8AVtbl;

struct IDirectInputDevice8A {
    const IDirectInputDevice8AVtbl* lpVtbl;
};

typedef struct IDirectInputEffectVtbl {
    HRESULT(WINAPI* QueryInterface)(IDirectInputEffect* self, REFIID iid, LPVOID* out);
    ULONG(WINAPI* AddRef)(IDirectInputEffect* self);
    ULONG(WINAPI* Release)(IDirectInputEffect* self);
    DIUnsupportedMethod Initialize;
    DIUnsupportedMethod GetEffectGuid;
    DIUnsupportedMethod GetParameters;
    HRESULT(WINAPI* SetParameters)(IDirectInputEffect* self, LPCDIEFFECT parameters, DWORD flags);
    HRESULT(WINAPI* Start)(IDirectInputEffect* self, DWORD iterations, DWORD flags);
    HRESULT(WINAPI* Stop)(IDirectInputEffect* self);
    DIUnsupportedMethod GetEffectStatus;
    HRESULT(WINAPI* Download)(IDirectInputEffect* self);
    HRESULT(WINAPI* Unload)(IDirectInputEffect* self);
    DIUnsupportedMethod Escape;
} IDirectInputEffectVtbl;

struct IDirectInputEffect {
    const IDirectInputEffectVtbl* lpVtbl;
};

/* The factory. The engine reaches it only through its import slot (see the engine's README). */
HRESULT WINAPI DirectInput8Create(HINSTANCE instance, DWORD version, REFIID iid, LPVOID* out, LPUNKNOWN outer);
typedef HRESULT(WINAPI* LPDIRECTINPUT8CREATE)(HINSTANCE, DWORD, REFIID, LPVOID*, LPUNKNOWN);

BOOL IsEqualGUID(REFGUID a, REFGUID b);

#ifdef __cplusplus
}
#endif

#endif
