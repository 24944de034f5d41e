// Hears the answer of the message box: 0 for its first button, 1 for anything else.
#pragma once

class MessageBoxListener {
public:
    virtual ~MessageBoxListener() = default;
    virtual void onMessageBoxResult(int result) = 0;
};
