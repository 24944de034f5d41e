// The common root of the toolkit's listeners.
#pragma once

class Event;

class EventListener {
public:
    virtual void handleEvent(Event&) {}
    virtual ~EventListener() = default;
};
