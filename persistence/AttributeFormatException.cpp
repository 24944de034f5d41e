#include "persistence/AttributeFormatException.h"

#include <utility>

AttributeFormatException::AttributeFormatException(std::string name_, std::string text_, std::string type_)
    : AttributeException("Could not parse attribute " + name_ + " as '" + type_ + "' (" + text_ + ")"),
      name(std::move(name_)),
      text(std::move(text_)),
      type(std::move(type_)) {}

std::string AttributeFormatException::getMessage() const {
    return what();
}
