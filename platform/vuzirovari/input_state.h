// What the game reads as input in one frame: keys, mouse, joysticks and the typed character.
// Events from the real devices and injected state (tests, autopilot) both feed it between
// frames; sample() turns them into this frame's held state and click edges. A press and
// release between two frames still counts as held for one frame, so no press is lost.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace vuz {

constexpr int MouseButtons = 3;  // 0 left, 1 right, 2 middle
constexpr int MaxJoysticks = 16;
constexpr int MaxJoyButtons = 32;

// One real joystick as read at the start of a frame.
struct JoyReading {
    float x = 0.0f, y = 0.0f;  // -1..1, y down positive as on the device
    uint32_t buttons = 0;      // bit b = button b held
};

class InputState {
public:
    // Real devices, between frames.
    void keyEvent(int scanCode, bool down);
    void mouseMoved(float u, float v);
    void mouseButtonEvent(int button, bool down);
    void joyButtonEvent(int joystick, int button, bool down);
    void textTyped(int latin1);

    // Injection, held until changed.
    void setKey(int scanCode, bool down);
    void setMouse(float u, float v) { mouseMoved(u, v); }
    void setMouseButton(int button, bool down);
    void setInjectedJoyCount(int count);
    int injectedJoyCount() const { return injectedJoys_; }
    void setJoyAxes(int joystick, float x, float y);
    void setJoyButton(int joystick, int button, bool down);

    // Starts a frame: real joysticks come first, injected ones after them.
    void sample(const std::vector<JoyReading>& realJoysticks);

    bool keyDown(int scanCode) const;
    bool keyClick(int scanCode) const;
    // The characters typed since the previous frame, one per call: take removes it, else it is
    // only read. 0 when none is left.
    int typedChar(bool take);
    float mouseX() const { return mouseU_; }
    float mouseY() const { return mouseV_; }
    bool mouseButtonDown(int button) const;
    void centreMouse();
    int joyCount() const { return joyCount_; }
    float joyX(int joystick) const;
    float joyY(int joystick) const;
    bool joyButtonDown(int joystick, int button) const;
    bool joyButtonClick(int joystick, int button) const;

    void clear() { *this = InputState(); }

private:
    // Held state of one button-like thing: the device's, the injected one and a press latch.
    struct Button {
        bool real = false, injected = false, pressed = false;  // pressed: went down since the last frame
        bool down = false, click = false;                      // this frame
        void event(bool isDown) {
            if (isDown && !real) pressed = true;
            real = isDown;
        }
        void inject(bool isDown) {
            if (isDown && !injected) pressed = true;
            injected = isDown;
        }
        void sample() {
            bool now = real || injected || pressed;
            click = pressed || (now && !down);
            down = now;
            pressed = false;
        }
    };
    struct Joystick {
        float realX = 0, realY = 0, injectedX = 0, injectedY = 0;
        std::array<Button, MaxJoyButtons> buttons{};
    };

    std::array<Button, 256> keys_{};
    std::array<Button, MouseButtons> mouseButtons_{};
    std::array<Joystick, MaxJoysticks> joys_{};
    int injectedJoys_ = 0;
    int realJoys_ = 0;
    int joyCount_ = 0;
    float pendingU_ = 0.5f, pendingV_ = 0.5f;
    float mouseU_ = 0.5f, mouseV_ = 0.5f;
    std::deque<int> typedQueue_;
    std::deque<int> frameTyped_;
};

}  // namespace vuz
