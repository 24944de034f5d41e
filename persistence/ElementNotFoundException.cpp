#include "persistence/ElementNotFoundException.h"

#include <utility>

ElementNotFoundException::ElementNotFoundException(std::string tag) : tag(std::move(tag)) {}

std::string ElementNotFoundException::getMessage() const {
    return "Element could not be found: " + tag;
}
