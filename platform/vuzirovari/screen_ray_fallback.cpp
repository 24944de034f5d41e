// The pointer's ray for engines built without the 3D projection: zeroed outputs. Weak, so the
// projection's own iScreenRay takes its place wherever it is built in.
#include <initializer_list>

#include "vuzirovari.h"

extern "C" __attribute__((weak)) void iScreenRay(uint32_t, iVector3* origin, iVector3* nearPoint,
                                                 iVector3* direction) {
    for (iVector3* v : {origin, nearPoint, direction})
        if (v) *v = iVector3{0.0f, 0.0f, 0.0f};
}
