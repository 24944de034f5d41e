#include "persistence/AttributeFormatException.h"

#include <utility>

AttributeFormatException::AttributeFormatException(std::string name, std::string text, std::string type)
    : name(std::move(name)), text(std::move(text)), type(std::move(type)) {}

std::string AttributeFormatException::getMessage() const {
    return "Could not parse attribute " + name + " as '" + type + "' (" + text + ")";
}
