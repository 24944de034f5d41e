// Frame time and the running clock: iFrq and iSystemTimer.
#pragma once

#include <chrono>

namespace vuz {

class FrameClock {
public:
    static constexpr float MinFrame = 0.0001f;
    static constexpr float MaxFrame = 0.25f;
    static constexpr float FirstFrame = 1.0f / 60.0f;

    // The clock starts at 0 when the engine opens.
    void start();
    // One iVortaneMain call: the frame time becomes the fixed one or the measured one.
    void tick();
    // 0 (or less) goes back to measuring real time.
    void setFixed(float seconds);
    float fixed() const { return fixed_; }

    float frameTime() const;  // the fixed time when set, else the last measured frame
    float seconds() const;  // since start(); the sum of the frame times in fixed mode

private:
    using Clock = std::chrono::steady_clock;
    float fixed_ = 0.0f;
    float frame_ = FirstFrame;
    bool started_ = false;
    bool ticked_ = false;
    Clock::time_point startTime_{};
    Clock::time_point lastTick_{};
    double fixedElapsed_ = 0.0;
};

}  // namespace vuz
