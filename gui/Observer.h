// Something told when an observable value it registered with has changed.
#pragma once

class ObserveAble;

class Observer {
public:
    virtual ~Observer() = default;
    // changed: the value; origin: whoever made the change (a widget), or what the writer passes.
    virtual void notify(ObserveAble* changed, void* origin) = 0;
};
