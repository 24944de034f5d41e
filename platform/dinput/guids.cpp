// The published GUIDs of the subset, and the joystick numbers the engine puts into them.
#include <cstring>
#include <functional>

#include "dinput_host.h"

extern "C" {

const GUID GUID_SysMouse = {0x6F1D2B60, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_SysKeyboard = {0x6F1D2B61, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_Joystick = {0x6F1D2B70, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_ConstantForce = {0x13541C20, 0x8E33, 0x11D0, {0x9A, 0xD0, 0x00, 0xA0, 0xC9, 0xA0, 0x6E, 0x35}};
const GUID IID_IDirectInput8A = {0xBF798030, 0x483A, 0x4DA2, {0xAA, 0x99, 0x5D, 0x64, 0xED, 0x36, 0x97, 0x00}};

BOOL IsEqualGUID(REFGUID a, REFGUID b) {
    if (!a || !b) return FALSE;
    return a->Data1 == b->Data1 && a->Data2 == b->Data2 && a->Data3 == b->Data3 &&
           std::memcmp(a->Data4, b->Data4, sizeof a->Data4) == 0;
}

}  // extern "C"

namespace dinput {

GUID joystickGuid(int index) {
    GUID guid = GUID_Joystick;
    guid.Data4[7] = static_cast<uint8_t>(index);
    return guid;
}

int joystickIndexOf(REFGUID guid) {
    if (!guid) return -1;
    GUID base = *guid;
    base.Data4[7] = 0;
    return IsEqualGUID(&base, &GUID_Joystick) ? guid->Data4[7] : -1;
}

}  // namespace dinput
