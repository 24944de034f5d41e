#include "gui/SlideTransition.h"

#include <algorithm>

#include "gui/GuiComponent.h"

void SlideTransition::startIn() {
    runningIn = true;
    runningOut = false;
    counter = 30;
}

void SlideTransition::startOut() {
    runningOut = true;
    runningIn = false;
    counter = 30;
}

void SlideTransition::tick() {
    if (!isRunning()) return;
    // A transition without a target only counts its ticks.
    static const std::vector<GuiComponent*> none;
    const std::vector<GuiComponent*>& children = target ? *target : none;
    const int c = counter;
    if (c == 30) {
        for (GuiComponent* child : children) savedLocations.push_back(child->getLocation());
    }
    const size_t count = std::min(children.size(), savedLocations.size());
    const int n = static_cast<int>(children.size());
    for (size_t i = 0; i < count; ++i) {
        const Vector2 saved = savedLocations[i];
        if (runningIn) {
            const int d = c - 2 * SlideStagger * static_cast<int>(i);
            place(i, d > 0 ? Vector2(saved.x + static_cast<float>(d * SlideStep), saved.y) : saved, d);
        } else {
            const int d = (30 - c) - 2 * SlideStagger * (n - 1 - static_cast<int>(i));
            place(i, d > 0 ? Vector2(saved.x, saved.y - static_cast<float>(d * SlideStep)) : saved, d);
        }
    }
    if (--counter > -1) return;
    for (size_t i = 0; i < count; ++i) children[i]->setLocation(savedLocations[i]);
    runningIn = runningOut = false;
    savedLocations.clear();
}

void SlideTransition::place(size_t child, const Vector2& location, int d) {
    GuiComponent* component = (*target)[child];
    if (d == 0) component->playSweepSound();
    component->setLocation(location);
}
