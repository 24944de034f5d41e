#include "persistence/XMLFileException.h"

#include <utility>

XMLFileException::XMLFileException(std::string message) : message(std::move(message)) {}

std::string XMLFileException::getMessage() const {
    return message;
}
