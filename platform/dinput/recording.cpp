// The recording backend: the call log, the test's answers and the live-object count.
#include <map>
#include <set>

#include "dinput_test.h"
#include "internal.h"

namespace dinput {

namespace {
struct Recorder {
    bool on = false;
    std::vector<std::string> calls;
    std::set<int> constantForce;
    std::set<std::string> failing;
    int live = 0;
};
Recorder& recorder() {
    static Recorder* r = new Recorder();
    return *r;
}
}  // namespace

bool recording() { return recorder().on; }
void record(const std::string& line) { recorder().calls.push_back(line); }
bool recordedConstantForce(int joystick) { return recorder().constantForce.count(joystick) > 0; }
bool recordedFailure(const char* method) { return recorder().failing.count(method) > 0; }
void objectMade() { ++recorder().live; }
void objectGone() { --recorder().live; }

}  // namespace dinput

namespace dinputTest {

using dinput::recorder;

void setRecording(bool on) { recorder().on = on; }

void setConstantForce(int index, bool offers) {
    if (offers) recorder().constantForce.insert(index);
    else recorder().constantForce.erase(index);
}

void setFailing(const std::string& method, bool fail) {
    if (fail) recorder().failing.insert(method);
    else recorder().failing.erase(method);
}

const std::vector<std::string>& calls() { return recorder().calls; }
void clearCalls() { recorder().calls.clear(); }
int liveObjects() { return recorder().live; }

void reset() {
    dinput::restoreMethodTables();
    int live = recorder().live;
    recorder() = dinput::Recorder();
    recorder().live = live;  // objects still alive stay counted until released
}

const IDirectInput8AVtbl* factoryTable() { return dinput::factoryMethods(); }
const IDirectInputDevice8AVtbl* deviceTable() { return dinput::deviceMethods(); }
const IDirectInputEffectVtbl* effectTable() { return dinput::effectMethods(); }

}  // namespace dinputTest
