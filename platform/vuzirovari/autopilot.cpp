#include "autopilot.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../win32/crt.h"
#include "../win32/hostpath.h"
#include "../win32/win32_host.h"
#include "text_utf8.h"

namespace vuz {

namespace {

bool parseInt(const std::string& token, int* out) {
    const char* first = token.data();
    const char* last = first + token.size();
    int base = 10;
    bool negative = false;
    if (first != last && (*first == '-' || *first == '+')) negative = *first++ == '-';
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        base = 16;
        first += 2;
    }
    // One sign only: from_chars would take a second one itself ("--5" is not 5).
    if (first == last || *first == '-' || *first == '+') return false;
    long long value = 0;
    auto [end, error] = std::from_chars(first, last, value, base);
    if (error != std::errc() || end != last) return false;
    value = negative ? -value : value;
    if (value < -2147483647LL || value > 2147483647LL) return false;
    *out = static_cast<int>(value);
    return true;
}

bool parseFloat(const std::string& token, float* out) {
    float value = 0.0f;
    if (token.empty() || crt::scanFloat(token.c_str(), &value) != token.size()) return false;
    *out = value;
    return true;
}

bool parseUpDown(const std::string& token, bool* down) {
    if (token == "down") *down = true;
    else if (token == "up") *down = false;
    else return false;
    return true;
}

std::vector<std::string> tokens(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string token;
    while (in >> token) out.push_back(token);
    // A token starting with '#' opens a comment, except the character that "type" types.
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i][0] != '#' || (i == 2 && out.size() > 1 && out[1] == "type")) continue;
        out.resize(i);
        break;
    }
    return out;
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

void Autopilot::report(const std::string& message) {
    std::fprintf(stderr, "vuzirovari: %s\n", message.c_str());
    win32::log("engine: autopilot: " + message);
    ++badLines_;
}

void Autopilot::loadFromEnvironment() {
    if (const char* input = std::getenv("VUZ_INPUT"); input && *input) {
        active_ = true;
        std::ifstream file(hostPath(input), std::ios::binary);
        if (!file) {
            report(std::string("VUZ_INPUT: cannot read \"") + input + "\"");
        } else {
            std::stringstream text;
            text << file.rdbuf();
            loadScript(text.str(), input);
        }
    }
    if (const char* limit = std::getenv("VUZ_FRAME_LIMIT"); limit && *limit) {
        active_ = true;
        int frames = 0;
        if (parseInt(limit, &frames) && frames > 0) frameLimit_ = frames;
        else report(std::string("VUZ_FRAME_LIMIT: \"") + limit + "\" is not a positive whole number");
    }
    if (const char* shots = std::getenv("VUZ_SCREENSHOTS"); shots && *shots) {
        active_ = true;
        loadScreenshots(shots);
    }
    if (const char* frameTime = std::getenv("VUZ_FRAME_TIME"); frameTime && *frameTime) active_ = true;
    // The game's start-up seed, read by crt::time().
    if (const char* seed = std::getenv("VUZ_SEED"); seed && *seed) active_ = true;
}

int Autopilot::loadScript(const std::string& text, const std::string& source) {
    int before = badLines_;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    std::vector<ScriptEvent> added;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ScriptEvent event;
        std::string error;
        if (!parseLine(line, &event, &error)) {
            if (!error.empty()) report(source + " line " + std::to_string(number) + ": " + error + ": " + line);
            continue;
        }
        added.push_back(event);
    }
    active_ = true;
    // Keep what was already taken; merge the rest by frame, script order within a frame.
    events_.insert(events_.end(), added.begin(), added.end());
    sortPending();
    return badLines_ - before;
}

int Autopilot::loadScreenshots(const std::string& list) {
    int before = badLines_;
    std::string script;
    std::istringstream in(list);
    std::string entry;
    while (std::getline(in, entry, ';')) {
        if (entry.empty()) continue;
        size_t colon = entry.find(':');
        int frame = 0;
        if (colon == std::string::npos || colon + 1 >= entry.size() || !parseInt(entry.substr(0, colon), &frame) ||
            frame < 0) {
            report("VUZ_SCREENSHOTS: \"" + entry + "\" is not frame:path");
            continue;
        }
        ScriptEvent event;
        event.frame = frame;
        event.kind = ScriptEvent::Kind::Screenshot;
        event.path = entry.substr(colon + 1);
        events_.push_back(event);
    }
    active_ = true;
    sortPending();
    return badLines_ - before;
}

bool Autopilot::parseLine(const std::string& line, ScriptEvent* out, std::string* error) const {
    std::vector<std::string> t = tokens(line);
    if (t.empty()) return false;  // blank or comment: no error
    using Kind = ScriptEvent::Kind;
    ScriptEvent& e = *out;
    if (!parseInt(t[0], &e.frame) || e.frame < 0) {
        *error = "the line does not start with a frame number";
        return false;
    }
    const std::string command = t.size() > 1 ? t[1] : "";
    auto fail = [&](const char* message) {
        *error = message;
        return false;
    };
    auto expect = [&](size_t count) {
        if (t.size() == count) return true;
        *error = "\"" + command + "\" takes " + std::to_string(count - 2) + " values";
        return false;
    };
    if (command == "key") {
        if (!expect(4)) return false;
        e.kind = Kind::Key;
        if (!parseInt(t[2], &e.a) || !inRange(e.a, 0, 255)) return fail("bad scan code");
        if (!parseUpDown(t[3], &e.down)) return fail("expected down or up");
    } else if (command == "mouse") {
        if (!expect(4)) return false;
        e.kind = Kind::Mouse;
        if (!parseFloat(t[2], &e.x) || !parseFloat(t[3], &e.y)) return fail("bad mouse position");
    } else if (command == "button") {
        if (!expect(4)) return false;
        e.kind = Kind::Button;
        if (!parseInt(t[2], &e.a) || !inRange(e.a, 0, 2)) return fail("bad mouse button");
        if (!parseUpDown(t[3], &e.down)) return fail("expected down or up");
    } else if (command == "joy") {
        if (!expect(5)) return false;
        e.kind = Kind::Joy;
        if (!parseInt(t[2], &e.a) || !inRange(e.a, 0, 15)) return fail("bad joystick number");
        if (!parseFloat(t[3], &e.x) || !parseFloat(t[4], &e.y)) return fail("bad joystick axes");
    } else if (command == "joybutton") {
        if (!expect(5)) return false;
        e.kind = Kind::JoyButton;
        if (!parseInt(t[2], &e.a) || !inRange(e.a, 0, 15)) return fail("bad joystick number");
        if (!parseInt(t[3], &e.b) || !inRange(e.b, 0, 31)) return fail("bad joystick button");
        if (!parseUpDown(t[4], &e.down)) return fail("expected down or up");
    } else if (command == "type") {
        if (!expect(3)) return false;
        e.kind = Kind::Type;
        e.a = t[2] == "space" ? ' ' : singleLatin1(t[2]);
        if (e.a <= 0) return fail("expected one character");
    } else if (command == "close") {
        if (!expect(2)) return false;
        e.kind = Kind::Close;
    } else if (command == "screenshot") {
        if (!expect(3)) return false;
        e.kind = Kind::Screenshot;
        e.path = t[2];
    } else {
        *error = command.empty() ? "a command is missing" : "unknown command \"" + command + "\"";
        return false;
    }
    return true;
}

void Autopilot::sortPending() {
    std::stable_sort(events_.begin() + static_cast<long>(next_), events_.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
}

std::vector<ScriptEvent> Autopilot::takeDue(int frame) {
    std::vector<ScriptEvent> due;
    while (next_ < events_.size() && events_[next_].frame <= frame) due.push_back(events_[next_++]);
    return due;
}

}  // namespace vuz
