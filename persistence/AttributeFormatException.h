#pragma once

#include <string>

#include "persistence/AttributeException.h"

// A key whose text does not read as the wanted type ("%d", "%f" or "bool").
class AttributeFormatException : public AttributeException {
public:
    AttributeFormatException(std::string name, std::string text, std::string type);
    std::string getMessage() const override;
    const std::string& getName() const { return name; }
    const std::string& getText() const { return text; }
    const std::string& getType() const { return type; }

private:
    std::string name;
    std::string text;
    std::string type;
};
