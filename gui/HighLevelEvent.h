// A widget's report of what the player did with it: a click, a new value, a toggled check box.
// Each listener gets its own copy, so a listener that changes it affects no other.
#pragma once

#include "gui/Event.h"

class HighLevelEvent : public Event {
public:
    void reset() override {
        Event::reset();
        actionPerformed = valueChanged = checkBoxToggled = checked = false;
        firstSpare = secondSpare = false;
        value = 0.0f;
        number = 0;
    }

    bool actionPerformed = false;  // a button was clicked
    bool valueChanged = false;     // a value widget changed its number, given in value
    float value = 0.0f;
    bool checkBoxToggled = false;  // a check box was clicked; its new state is in checked
    bool checked = false;
    bool firstSpare = false;       // left false by the toolkit's widgets
    bool secondSpare = false;
    int number = 0;                // left 0 by the toolkit's widgets
};
