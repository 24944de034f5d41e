// An animation of a panel's children when it opens (in) or closes (out), stepped by tick().
// The target is the panel's child list, or null (a run then only counts its ticks).
#pragma once

#include <vector>

#include "gui/TickAble.h"

class GuiComponent;

class TransitionStrategy : public virtual TickAble {
public:
    virtual void setTarget(const std::vector<GuiComponent*>* children) = 0;
    virtual void startIn() = 0;
    virtual void startOut() = 0;
    virtual bool isRunning() const = 0;
};
