// Receives widgets' high-level events: panels pass them to their parent, screens and masters act
// on them.
#pragma once

#include "gui/EventListener.h"
#include "gui/HighLevelEvent.h"

class HighLevelEventListener : public virtual EventListener {
public:
    virtual void handleHighLevelEvent(HighLevelEvent&) {}
};
