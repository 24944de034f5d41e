// Where a match frame's time goes, for the match bench (bench/match_bench.cpp): scoped timers
// around the parts of a frame. Switched off (the game, the tests) a timer costs one test of a
// global flag. A timer opened inside another pauses the outer one, so every section holds only
// its own time. One thread only, like the rest of the game code.
#pragma once

#include <chrono>
#include <cstdint>

namespace FrameProfile {

enum Section : int {
    Engine,        // iVortaneMain: input, physics step, animation
    Control,       // the fighters' control: queues, input machines, control flags, events
    Update,        // the fighters' update
    Regeneration,  // health and balance regained
    Hits,          // hit detection and resolution
    Decide,        // the AI scripts' decide(), fighters and sparks
    Mirrors,       // the mirror setters of the AI scripts
    Manager,       // the rest of the manager's tick: rules, cameras, HUD feed, sounds
    SectionCount
};

inline bool enabled = false;
inline int64_t nanoseconds[SectionCount] = {};

namespace detail {
using Clock = std::chrono::steady_clock;
inline int current = -1;
inline Clock::time_point since;

inline void charge(Clock::time_point now) {
    if (current >= 0) nanoseconds[current] += std::chrono::duration_cast<std::chrono::nanoseconds>(now - since).count();
    since = now;
}
}  // namespace detail

inline void reset() {
    for (int64_t& n : nanoseconds) n = 0;
}

class Scope {
public:
    explicit Scope(Section section) {
        if (!enabled) return;
        detail::charge(detail::Clock::now());
        outer = detail::current;
        detail::current = section;
        active = true;
    }
    ~Scope() {
        if (!active) return;
        detail::charge(detail::Clock::now());
        detail::current = outer;
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    int outer = -1;
    bool active = false;
};

}  // namespace FrameProfile
