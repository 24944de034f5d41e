// Keeps exactly one check box of a group checked: checking one unchecks the others, and the
// checked one cannot be unchecked by clicking it. It borrows the boxes and forwards nothing.
#pragma once

#include <vector>

#include "gui/HighLevelEventListener.h"

class GuiCheckBox;

class GuiCheckBoxManager : public virtual HighLevelEventListener {
public:
    // Unchecks the box and starts listening to it.
    virtual void add(GuiCheckBox* box);
    virtual void remove(GuiCheckBox* box);
    void handleHighLevelEvent(HighLevelEvent& event) override;

private:
    std::vector<GuiCheckBox*> boxes;
};
