#include "persistence/AttributeNotFoundException.h"

#include <utility>

AttributeNotFoundException::AttributeNotFoundException(std::string name) : name(std::move(name)) {}

std::string AttributeNotFoundException::getMessage() const {
    return "Attribute could not be found: " + name;
}
