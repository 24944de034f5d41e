#include "input_state.h"

#include <algorithm>
#include <cmath>

namespace vuz {

namespace {
constexpr size_t MaxTypedQueue = 64;

bool validKey(int code) { return code >= 0 && code < 256; }
bool validJoy(int j) { return j >= 0 && j < MaxJoysticks; }
bool validJoyButton(int b) { return b >= 0 && b < MaxJoyButtons; }
float clampUnit(float v) { return std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 0.5f; }
float clampAxis(float v) { return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f; }
}  // namespace

void InputState::keyEvent(int scanCode, bool down) {
    if (validKey(scanCode)) keys_[scanCode].event(down);
}

void InputState::mouseMoved(float u, float v) {
    pendingU_ = clampUnit(u);
    pendingV_ = clampUnit(v);
}

void InputState::mouseButtonEvent(int button, bool down) {
    if (button >= 0 && button < MouseButtons) mouseButtons_[button].event(down);
}

void InputState::joyButtonEvent(int joystick, int button, bool down) {
    if (validJoy(joystick) && validJoyButton(button)) joys_[joystick].buttons[button].event(down);
}

void InputState::textTyped(int latin1) {
    if (latin1 > 0 && latin1 < 256 && typedQueue_.size() < MaxTypedQueue) typedQueue_.push_back(latin1);
}

void InputState::setKey(int scanCode, bool down) {
    if (validKey(scanCode)) keys_[scanCode].inject(down);
}

void InputState::setMouseButton(int button, bool down) {
    if (button >= 0 && button < MouseButtons) mouseButtons_[button].inject(down);
}

void InputState::setInjectedJoyCount(int count) { injectedJoys_ = std::clamp(count, 0, MaxJoysticks); }

void InputState::setJoyAxes(int joystick, float x, float y) {
    if (!validJoy(joystick)) return;
    joys_[joystick].injectedX = clampAxis(x);
    joys_[joystick].injectedY = clampAxis(y);
}

void InputState::setJoyButton(int joystick, int button, bool down) {
    if (validJoy(joystick) && validJoyButton(button)) joys_[joystick].buttons[button].inject(down);
}

void InputState::sample(const std::vector<JoyReading>& realJoysticks) {
    for (Button& k : keys_) k.sample();
    for (Button& b : mouseButtons_) b.sample();
    mouseU_ = pendingU_;
    mouseV_ = pendingV_;

    realJoys_ = std::min(static_cast<int>(realJoysticks.size()), MaxJoysticks);
    joyCount_ = std::min(realJoys_ + injectedJoys_, MaxJoysticks);
    for (int j = 0; j < MaxJoysticks; ++j) {
        Joystick& joy = joys_[j];
        JoyReading reading = j < realJoys_ ? realJoysticks[j] : JoyReading{};
        joy.realX = reading.x;
        joy.realY = reading.y;
        for (int b = 0; b < MaxJoyButtons; ++b) {
            Button& button = joy.buttons[b];
            // Polled state wins over events for the held part; the latch keeps short presses.
            button.real = j < realJoys_ && (reading.buttons >> b) & 1u;
            button.sample();
        }
    }

    // This frame's characters are those typed since the last one; any left untaken are dropped.
    frameTyped_.swap(typedQueue_);
    typedQueue_.clear();
}

int InputState::typedChar(bool take) {
    if (frameTyped_.empty()) return 0;
    const int character = frameTyped_.front();
    if (take) frameTyped_.pop_front();
    return character;
}

bool InputState::keyDown(int scanCode) const { return validKey(scanCode) && keys_[scanCode].down; }

bool InputState::keyClick(int scanCode) const { return validKey(scanCode) && keys_[scanCode].click; }

bool InputState::mouseButtonDown(int button) const {
    return button >= 0 && button < MouseButtons && mouseButtons_[button].down;
}

void InputState::centreMouse() {
    pendingU_ = pendingV_ = 0.5f;
    mouseU_ = mouseV_ = 0.5f;
}

float InputState::joyX(int joystick) const {
    if (joystick < 0 || joystick >= joyCount_) return 0.0f;
    return clampAxis(joys_[joystick].realX + joys_[joystick].injectedX);
}

float InputState::joyY(int joystick) const {
    if (joystick < 0 || joystick >= joyCount_) return 0.0f;
    return clampAxis(joys_[joystick].realY + joys_[joystick].injectedY);
}

bool InputState::joyButtonDown(int joystick, int button) const {
    return joystick >= 0 && joystick < joyCount_ && validJoyButton(button) && joys_[joystick].buttons[button].down;
}

bool InputState::joyButtonClick(int joystick, int button) const {
    return joystick >= 0 && joystick < joyCount_ && validJoyButton(button) && joys_[joystick].buttons[button].click;
}

}  // namespace vuz
