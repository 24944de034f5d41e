#include "gui/GuiCheckBoxManager.h"

#include <algorithm>

#include "gui/GuiCheckBox.h"

void GuiCheckBoxManager::add(GuiCheckBox* box) {
    box->setChecked(false);
    box->addHighLevelEventListener(this);
    boxes.push_back(box);
}

void GuiCheckBoxManager::remove(GuiCheckBox* box) {
    box->removeHighLevelEventListener(this);
    boxes.erase(std::remove(boxes.begin(), boxes.end(), box), boxes.end());
}

void GuiCheckBoxManager::handleHighLevelEvent(HighLevelEvent& event) {
    if (!event.checkBoxToggled) return;
    if (event.checked) {
        for (GuiCheckBox* box : boxes) {
            if (box != event.source) box->setChecked(false);
        }
        return;
    }
    for (GuiCheckBox* box : boxes) {
        if (box == event.source) {
            box->setChecked(true);
            return;
        }
    }
}
