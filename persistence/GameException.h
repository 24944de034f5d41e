// The root of every error the game raises on purpose: a file that cannot be read or written, a
// key that is missing or malformed, a script that failed. what() is the message the game shows,
// so a boundary reports any of them with one catch. Mistakes of the game's own code are
// std::logic_error instead, and are not caught as one of these.
#pragma once

#include <stdexcept>
#include <string>

class GameException : public std::runtime_error {
public:
    explicit GameException(const std::string& message) : std::runtime_error(message) {}
};
