#include "persistence/ElementNotFoundException.h"

#include <utility>

ElementNotFoundException::ElementNotFoundException(std::string tag_)
    : AttributeException("Element could not be found: " + tag_), tag(std::move(tag_)) {}

std::string ElementNotFoundException::getMessage() const {
    return what();
}
