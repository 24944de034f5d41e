// Base of the errors a single key read can raise. Readers catch this type around each key
// and keep the member's default, so one bad key never stops a load.
#pragma once

#include <string>

#include "persistence/GameException.h"

class AttributeException : public GameException {
public:
    explicit AttributeException(const std::string& message) : GameException(message) {}
    // The same text as what().
    virtual std::string getMessage() const = 0;
};
