#include "frame_clock.h"

#include <algorithm>

namespace vuz {

namespace {
float clampFrame(double seconds) {
    return static_cast<float>(std::clamp(seconds, double(FrameClock::MinFrame), double(FrameClock::MaxFrame)));
}
}  // namespace

void FrameClock::start() {
    started_ = true;
    ticked_ = false;
    frame_ = FirstFrame;
    startTime_ = Clock::now();
    lastTick_ = startTime_;
    fixedElapsed_ = 0.0;
}

void FrameClock::tick() {
    Clock::time_point now = Clock::now();
    if (fixed_ > 0.0f) {
        frame_ = clampFrame(fixed_);
        fixedElapsed_ += frame_;
    } else if (ticked_) {
        frame_ = clampFrame(std::chrono::duration<double>(now - lastTick_).count());
    } else {
        frame_ = FirstFrame;  // nothing to measure against yet
    }
    ticked_ = true;
    lastTick_ = now;
}

void FrameClock::setFixed(float seconds) {
    // Switching modes carries the running clock over, so it never jumps backwards.
    double now = this->seconds();
    fixed_ = seconds > 0.0f ? seconds : 0.0f;
    fixedElapsed_ = now;
    startTime_ = Clock::now() - std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(now));
}

float FrameClock::frameTime() const { return fixed_ > 0.0f ? clampFrame(fixed_) : frame_; }

float FrameClock::seconds() const {
    if (!started_) return 0.0f;
    if (fixed_ > 0.0f) return static_cast<float>(fixedElapsed_);
    return static_cast<float>(std::chrono::duration<double>(Clock::now() - startTime_).count());
}

}  // namespace vuz
