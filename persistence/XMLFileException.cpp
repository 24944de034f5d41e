#include "persistence/XMLFileException.h"

XMLFileException::XMLFileException(std::string message) : GameException(message) {}

std::string XMLFileException::getMessage() const {
    return what();
}
