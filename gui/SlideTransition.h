// The toolkit's transition: a run lasts 31 ticks (a counter from 30 down to 0). Opening, the
// first eight children slide in from the right, each landing 4 ticks before the one before it
// with the sweep sound (child 0 last). Closing, the last eight drop away downwards one after
// another, each with the sweep sound as it starts. At the end every child stands where it was
// when the first run began.
#pragma once

#include "gui/TransitionStrategy.h"
#include "math/Vector2.h"

class SlideTransition : public virtual TransitionStrategy {
public:
    static constexpr int SlideStagger = 2;
    static constexpr int SlideStep = 2;

    void setTarget(const std::vector<GuiComponent*>* children) override { target = children; }
    void startIn() override;
    void startOut() override;
    bool isRunning() const override { return runningIn || runningOut; }
    void tick() override;

private:
    void place(size_t child, const Vector2& location, int d);

    const std::vector<GuiComponent*>* target = nullptr;
    std::vector<Vector2> savedLocations;
    bool runningIn = false;
    bool runningOut = false;
    int counter = 0;
};
