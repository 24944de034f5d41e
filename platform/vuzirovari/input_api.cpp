// Keyboard, mouse and joysticks as the game reads them: the state sampled by iVortaneMain.
#include <SDL.h>

#include "engine_state.h"

using namespace vuz;

extern "C" {

int iKeyDown(int scanCode) { return session().input.keyDown(scanCode) ? 1 : 0; }

int iKeyClick(int scanCode) { return session().input.keyClick(scanCode) ? 1 : 0; }

int iTypedChar(int mode) { return session().input.typedChar(mode != 0); }

float iMouseX(void) { return session().input.mouseX(); }

// Half a unit of the 2D plane (1/48 of the height) below the pointer's pixel: see the pointer
// rule in vuzirovari.h.
float iMouseY(void) { return session().input.mouseY() + 1.0f / 48.0f; }

int iMouseButtonDown(int button) { return session().input.mouseButtonDown(button) ? 1 : 0; }

void iMouseReset(void) {
    session().input.centreMouse();
    RenderWindow& window = engine().window;
    if (window.isOpen() && SDL_GetMouseFocus() == window.sdlWindow()) {
        int w = 0, h = 0;
        window.clientSize(&w, &h);
        SDL_WarpMouseInWindow(window.sdlWindow(), w / 2, h / 2);
    }
}

void iMouseResolutionSet(int resolution) { session().mouseResolution = resolution; }

void iWindowsMouseHide(int hide) {
    session().mouseHidden = hide != 0;
    if (engine().window.isOpen()) SDL_ShowCursor(hide ? SDL_DISABLE : SDL_ENABLE);
}

int iJoyCount(void) { return session().input.joyCount(); }

float iJoyX(int joystick) { return session().input.joyX(joystick); }

float iJoyY(int joystick) { return session().input.joyY(joystick); }

int iJoyButtonDown(int joystick, int button) { return session().input.joyButtonDown(joystick, button) ? 1 : 0; }

int iJoyButtonClick(int joystick, int button) { return session().input.joyButtonClick(joystick, button) ? 1 : 0; }

}  // extern "C"
