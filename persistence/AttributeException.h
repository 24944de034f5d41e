// Base of the errors a single key read can raise. Readers catch this type around each key
// and keep the member's default, so one bad key never stops a load.
#pragma once

#include <string>

class AttributeException {
public:
    virtual ~AttributeException() = default;
    virtual std::string getMessage() const = 0;
};
