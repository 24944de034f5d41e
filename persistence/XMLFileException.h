#pragma once

#include <string>

#include "persistence/GameException.h"

// A whole XML file could not be read or written: unreadable, malformed, or a failed save.
class XMLFileException : public GameException {
public:
    explicit XMLFileException(std::string message);
    // The same text as what().
    std::string getMessage() const;
};
