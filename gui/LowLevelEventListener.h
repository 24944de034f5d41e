// Receives a child's low-level events; panels forward them to their parent.
#pragma once

#include "gui/Event.h"
#include "gui/EventListener.h"

class LowLevelEventListener : public virtual EventListener {
public:
    virtual void handleLowLevelEvent(Event&) {}
};
