#pragma once

#include <string>

// A whole XML file could not be read or written: unreadable, malformed, or a failed save.
class XMLFileException {
public:
    explicit XMLFileException(std::string message);
    std::string getMessage() const;

private:
    std::string message;
};
