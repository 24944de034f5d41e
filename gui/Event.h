// What a widget sends up the component tree: the widget that raised it (source) and a second
// pointer that the toolkit's widgets also set to themselves.
#pragma once

class GuiComponent;

class Event {
public:
    virtual ~Event() = default;
    virtual void reset() {
        source = nullptr;
        second = nullptr;
    }

    GuiComponent* source = nullptr;
    GuiComponent* second = nullptr;
};
