// Whole-program runs without a player: a frame-stamped input script, a frame limit and
// screenshot frames, read from the environment when the engine opens (see README.md).
#pragma once

#include <string>
#include <vector>

namespace vuz {

struct ScriptEvent {
    enum class Kind { Key, Mouse, Button, Joy, JoyButton, Type, Close, Screenshot };
    int frame = 0;
    Kind kind = Kind::Key;
    int a = 0, b = 0;  // key or button or joystick number, joystick button
    bool down = false;
    float x = 0.0f, y = 0.0f;
    std::string path;  // screenshot file (a game path)
};

class Autopilot {
public:
    // Reads VUZ_INPUT, VUZ_FRAME_LIMIT and VUZ_SCREENSHOTS. Bad entries are reported on
    // standard error and skipped. VUZ_FRAME_TIME is read by the engine's clock, VUZ_SEED by
    // crt::time(); both only switch the autopilot on here.
    void loadFromEnvironment();
    // One script, as in the file VUZ_INPUT names; source names it in messages. Returns the
    // number of bad lines.
    int loadScript(const std::string& text, const std::string& source);
    // "frame:path;frame:path". Returns the number of bad entries.
    int loadScreenshots(const std::string& list);

    bool active() const { return active_; }
    int frameLimit() const { return frameLimit_; }
    int badLines() const { return badLines_; }
    size_t eventCount() const { return events_.size(); }

    // The events due by this frame (frames count iVortaneMain calls from 1), each once, in
    // the order of their frames and then of the script.
    std::vector<ScriptEvent> takeDue(int frame);

    void clear() { *this = Autopilot(); }

private:
    bool parseLine(const std::string& line, ScriptEvent* out, std::string* error) const;
    void report(const std::string& message);
    // Events not yet taken in frame order, script order within a frame.
    void sortPending();

    std::vector<ScriptEvent> events_;  // sorted by frame, stable
    size_t next_ = 0;
    int frameLimit_ = 0;
    int badLines_ = 0;
    bool active_ = false;
};

}  // namespace vuz
