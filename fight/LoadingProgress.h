// Where a long set-up reports how far it has come (the loading screen implements it). The
// reporter borrows it and never deletes it.
#pragma once

class LoadingProgress {
public:
    virtual void setProgress(float value) = 0;

protected:
    ~LoadingProgress() = default;
};
