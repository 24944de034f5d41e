// A shared switch. The value is set by whoever makes it before use.
#pragma once

#include "gui/ObserveAble.h"

class ObserveAbleBool : public ObserveAble {
public:
    bool value = false;
};
