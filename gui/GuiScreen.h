// The full-screen panel every game screen derives from: 32 x 24 at (-16, 0), no border, built
// inactive and deaf. The manager activates and deactivates it; it reports back at once, or
// (an animated screen) when its transition ends. Each tick: the focused child, the transition,
// then Esc, which calls onLeave unless a transition runs.
#pragma once

#include "gui/GuiPanel.h"

class GuiManager;
class TransitionStrategy;

class GuiScreen : public GuiPanel {
public:
    GuiScreen(GuiManager* manager, GuiBlocks* skin, const std::string* partPaths, int partCount);

    void deactivate() override;  // then tells the manager the change is finished
    void activate() override;    // then tells the manager to turn input on
    bool isInTransition() const override;

    virtual TransitionStrategy* getTransition() const { return transition; }
    // Borrowed; the old one loses its target.
    virtual void setTransition(TransitionStrategy* transition);
    // What Esc does on this screen.
    virtual void onLeave() = 0;

    void tick() override;

protected:
    GuiManager* getManager() const { return manager; }

private:
    GuiManager* manager;
    TransitionStrategy* transition = nullptr;
};
