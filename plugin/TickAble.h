// Something the plug-in ticks once a frame while its ticking flag is on: turning the flag on
// joins the plug-in's TickManager, turning it off (or destroying the object) leaves it.
#pragma once

namespace Vortane {

class TickAble {
public:
    TickAble() = default;
    virtual ~TickAble();
    TickAble(const TickAble&) = delete;
    TickAble& operator=(const TickAble&) = delete;

    virtual bool isTicking() const { return ticking_; }
    // Joins (true) or leaves (false) the tick list; nothing when the flag already has that value.
    virtual void setTicking(bool on);
    virtual void tick() {}

private:
    bool ticking_ = false;
};

}  // namespace Vortane
