// Keyboard keys as the game knows them: the classic set-1 scan codes (extended keys with the
// high bit set, e.g. 0xC8 up), from SDL's USB-style scancodes.
#pragma once

#include <SDL_scancode.h>

namespace vuz {

constexpr int KeyCount = 256;

// 0 for keys the classic keyboard does not have.
int classicScanCode(SDL_Scancode scancode);

}  // namespace vuz
