// A shared number (a lever's fraction, a volume). The value is set by whoever makes it before use.
#pragma once

#include "gui/ObserveAble.h"

class ObserveAbleNumber : public ObserveAble {
public:
    float value = 0.0f;
};
