#include "persistence/AttributeNotFoundException.h"

#include <utility>

AttributeNotFoundException::AttributeNotFoundException(std::string name_)
    : AttributeException("Attribute could not be found: " + name_), name(std::move(name_)) {}

std::string AttributeNotFoundException::getMessage() const {
    return what();
}
