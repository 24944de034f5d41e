#include "fight/HumanInputMapper.h"

namespace {

// Scan codes of the default keyboard map, in binding order.
constexpr int kDefaultKeys[HumanInputMapper::BindingCount] = {
    200, 208, 203, 205,  // arrows up, down, left, right
    30, 31, 32, 17,      // A, S, D, W
    29, 42, 57, 56,      // left Ctrl, left Shift, Space, left Alt
};

constexpr int kClickBinding = 4;

}  // namespace

HumanInputMapper::HumanInputMapper() { setDefaultKeyboard(); }

uint64_t HumanInputMapper::poll() const {
    uint64_t mask = 0;
    for (int i = 0; i < BindingCount; ++i) {
        if (readInputBinding(bindings_[static_cast<size_t>(i)], joystick_, threshold_, false))
            mask |= uint64_t(1) << i;
    }
    if (readInputBinding(bindings_[kClickBinding], joystick_, threshold_, true)) mask |= ClickBit;
    return mask;
}

void HumanInputMapper::setDefaultKeyboard() {
    for (int i = 0; i < BindingCount; ++i) bindings_[static_cast<size_t>(i)] = {InputKey, kDefaultKeys[i]};
}

void HumanInputMapper::setDefaultJoystick() {
    bindings_[0] = {InputJoyUp, -1};
    bindings_[1] = {InputJoyDown, -1};
    bindings_[2] = {InputJoyLeft, -1};
    bindings_[3] = {InputJoyRight, -1};
    for (int button = 0; button < 8; ++button)
        bindings_[static_cast<size_t>(4 + button)] = {InputJoyButton, button};
}
