// Numbers from the game that would poison the physics or the pose are turned away.
#include <cmath>

#include "../win32/win32_host.h"
#include "engine_state.h"

namespace vuz {

void refuseInput(const char* function, const std::string& why) {
    Session& s = session();
    auto it = s.refusedInFrame.find(function);
    if (it != s.refusedInFrame.end() && it->second == s.frameCount) return;
    s.refusedInFrame[function] = s.frameCount;
    win32::log(std::string("engine: ") + function + " refused: " + why);
}

bool usableVector(const iVector3* v, const char* function) {
    if (!v) return false;
    if (std::isfinite(v->x) && std::isfinite(v->y) && std::isfinite(v->z)) return true;
    refuseInput(function, "a vector that is not a number");
    return false;
}

bool usableNumbers(std::initializer_list<float> values, const char* function) {
    for (float v : values) {
        if (!std::isfinite(v)) {
            refuseInput(function, "a number that is not finite");
            return false;
        }
    }
    return true;
}

bool usableRotation(const iQuaternion* q, const char* function, iQuaternion* out) {
    if (!q) return false;
    if (!std::isfinite(q->x) || !std::isfinite(q->y) || !std::isfinite(q->z) || !std::isfinite(q->w)) {
        refuseInput(function, "a rotation that is not a number");
        return false;
    }
    double n = std::sqrt(double(q->x) * q->x + double(q->y) * q->y + double(q->z) * q->z + double(q->w) * q->w);
    if (!(n > 1e-6)) {
        refuseInput(function, "a rotation of length 0");
        return false;
    }
    *out = {static_cast<float>(q->x / n), static_cast<float>(q->y / n), static_cast<float>(q->z / n),
            static_cast<float>(q->w / n)};
    return true;
}

}  // namespace vuz
