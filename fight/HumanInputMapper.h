// The twelve bindings of a human-controlled fighter, polled once per frame into a mask:
// bits 0-3 the directions up, down, left, right, bits 4-11 the buttons 0-7 of the input
// machine, and bit 12 when button 0 went down this frame.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "fight/InputBinding.h"

class HumanInputMapper {
public:
    static constexpr int BindingCount = 12;
    static constexpr uint64_t ClickBit = 0x1000;

    HumanInputMapper();
    virtual ~HumanInputMapper() = default;

    void setThreshold(float threshold) { threshold_ = threshold; }
    float getThreshold() const { return threshold_; }
    // A negative index means no joystick.
    void setJoystickIndex(int index) { joystick_ = index; }
    int getJoystickIndex() const { return joystick_; }

    uint64_t poll() const;

    // Arrows, A S D W, left Ctrl, left Shift, Space, left Alt.
    void setDefaultKeyboard();
    // The stick's four directions and buttons 0-7.
    void setDefaultJoystick();

    const InputBinding& binding(int index) const { return bindings_.at(static_cast<size_t>(index)); }
    void setBinding(int index, const InputBinding& b) { bindings_.at(static_cast<size_t>(index)) = b; }

private:
    float threshold_ = 0.5f;
    int joystick_ = -1;
    std::array<InputBinding, BindingCount> bindings_{};
};
