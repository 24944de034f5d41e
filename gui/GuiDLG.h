// The modal panel dialogs derive from: 16 x 12 at (-8, 0), framed, built inactive and deaf,
// with the same handshake as a screen. A dialog does not react to Esc itself.
#pragma once

#include "gui/GuiPanel.h"

class GuiManager;
class TransitionStrategy;

class GuiDLG : public GuiPanel {
public:
    GuiDLG(GuiManager* manager, GuiBlocks* skin, const std::string* partPaths, int partCount);

    void deactivate() override;
    void activate() override;

    virtual TransitionStrategy* getTransition() const { return transition; }
    virtual void setTransition(TransitionStrategy* transition);

    void tick() override;

protected:
    GuiManager* getManager() const { return manager; }

private:
    GuiManager* manager;
    TransitionStrategy* transition = nullptr;
};
