// Something that advances once per frame; its owner calls tick().
#pragma once

class TickAble {
public:
    virtual ~TickAble() = default;
    virtual void tick() = 0;
};
