// What a fighter's script sees of it: the place in the script's Fighter object, which the
// other fighter's script reads when it decides.
#pragma once

#include <Python.h>

#include <cmath>
#include <optional>

#include "fight/FighterInstance.h"
#include "script/AIFighterInstance.h"

namespace mirrorreads {

// The mirrored place of the fighter, or nothing when it has no script mirror.
inline std::optional<Vector3> mirroredPlace(const FighterInstance& fighter) {
    auto* mirror = dynamic_cast<Tavek::AIFighterInstance*>(fighter.aiFighter.get());
    if (!mirror || !mirror->getFighter()) return std::nullopt;
    PyObject* location = PyObject_GetAttrString(mirror->getFighter(), "location");
    if (!location) {
        PyErr_Clear();
        return std::nullopt;
    }
    float items[3] = {};
    for (Py_ssize_t i = 0; i < 3; ++i) {
        PyObject* item = PySequence_GetItem(location, i);
        items[i] = item ? static_cast<float>(PyFloat_AsDouble(item)) : NAN;
        Py_XDECREF(item);
    }
    Py_DECREF(location);
    PyErr_Clear();
    return Vector3(items[0], items[1], items[2]);
}

// How far the mirrored place lies from the real one on the floor (x and z), in metres;
// infinite without a mirror.
inline float mirrorDrift(const FighterInstance& fighter) {
    const std::optional<Vector3> seen = mirroredPlace(fighter);
    if (!seen) return INFINITY;
    return std::hypot(seen->x - fighter.location.x, seen->z - fighter.location.z);
}

// The same after a frame, for a script that decides on the places as the frame began: the
// nearer of the fighter's place now and where it stood before the frame (`before`). A hit, a
// push or a move's start can carry a fighter far in one frame; its script sees that in the next.
inline float mirrorDrift(const FighterInstance& fighter, const Vector3& before) {
    const std::optional<Vector3> seen = mirroredPlace(fighter);
    if (!seen) return INFINITY;
    return std::fmin(mirrorDrift(fighter), std::hypot(seen->x - before.x, seen->z - before.z));
}

}  // namespace mirrorreads
