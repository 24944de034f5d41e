// A value shared by the game and its widgets. Writing the value tells nobody: the writer calls
// notifyObservers when observers are to hear of it. Observers are borrowed and told in the
// order they registered; one may deregister itself or another while being told.
#pragma once

#include "gui/Observer.h"
#include "gui/SafeList.h"

class ObserveAble {
public:
    ObserveAble() = default;
    ObserveAble(const ObserveAble&) = delete;
    ObserveAble& operator=(const ObserveAble&) = delete;
    virtual ~ObserveAble() = default;

    virtual void notifyObservers(void* origin);

    // Appends; an observer added twice is told twice.
    void addObserver(Observer* observer) { observers.add(observer); }
    // Removes every entry of the observer.
    void removeObserver(Observer* observer) { observers.remove(observer); }
    size_t observerCount() const { return observers.size(); }

private:
    SafeList<Observer> observers;
};
