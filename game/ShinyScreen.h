// The base of the menu screens: a screen with three pictures behind its widgets (background,
// fighter, logo) that opens and closes in 31 ticks. Opening, the background fades in, the
// fighter slides up and the logo grows about its centre while the children slide in; closing
// runs it backwards. Input is taken only once the opening has ended. Subclasses hide the
// pictures they do not want. It owns its slide transition; the manager is borrowed.
#pragma once

#include "gui/GuiScreen.h"
#include "gui/SlideTransition.h"
#include "math/Vector2.h"

class ShinyScreen : public GuiScreen {
public:
    ShinyScreen(GuiManager* manager, GuiBlocks* skin);
    ~ShinyScreen() override;

    // Whether the background picture is shown.
    bool isBackgroundShown() const override;
    void deactivate() override;  // starts the closing
    void activate() override;    // starts the opening

    virtual void setPartOneVisible(bool visible) { setPartVisible(1, visible); }
    virtual bool isPartOneVisible() const { return isPartVisible(1); }
    virtual void setPartTwoVisible(bool visible) { setPartVisible(2, visible); }
    virtual bool isPartTwoVisible() const { return isPartVisible(2); }
    virtual void setPartZeroVisible(bool visible) { setPartVisible(0, visible); }
    // The logo's horizontal centre (x) and its height on the screen (y), screen-relative.
    virtual void setTransitionCentre(const Vector2& centre) { logoCentre = centre; }
    virtual Vector2 getTransitionCentre() const { return logoCentre; }

    // The screen's own tick, then one step of the running animation.
    void tick() override;

    bool isOpening() const { return opening; }
    bool isClosing() const { return closing; }

private:
    void placeAnimatedParts(float share);
    void stepOpening();
    void stepClosing();

    bool opening = false;
    int openingCount = 0;
    bool closing = false;
    int closingCount = 0;
    GuiManager* manager;
    SlideTransition transition;
    Vector2 logoCentre{22.25f, 6.0f};
    Vector2 logoSize{10.5f, 7.0f};
};
