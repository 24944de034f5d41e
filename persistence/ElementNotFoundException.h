#pragma once

#include <string>

#include "persistence/AttributeException.h"

// No child element matched a lookup that needs one.
class ElementNotFoundException : public AttributeException {
public:
    explicit ElementNotFoundException(std::string tag);
    std::string getMessage() const override;
    const std::string& getTag() const { return tag; }

private:
    std::string tag;
};
