// A shared text (a caption, a name); starts empty.
#pragma once

#include <string>

#include "gui/ObserveAble.h"

class ObserveAbleString : public ObserveAble {
public:
    std::string value;
};
