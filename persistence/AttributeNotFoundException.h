#pragma once

#include <string>

#include "persistence/AttributeException.h"

// A key that is neither an attribute nor a child of the element.
class AttributeNotFoundException : public AttributeException {
public:
    explicit AttributeNotFoundException(std::string name);
    std::string getMessage() const override;
    const std::string& getName() const { return name; }

private:
    std::string name;
};
