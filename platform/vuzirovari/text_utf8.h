// The game's text is single-byte Latin-1; typed text arrives as UTF-8.
#pragma once

#include <cstddef>
#include <string>

namespace vuz {

// The first character of a UTF-8 text as Latin-1 (1..255); 0 when the text is empty, broken or
// its first character lies outside Latin-1. *consumed gets its length in bytes.
int firstLatin1(const char* utf8, size_t* consumed = nullptr);
// The character when the text holds exactly one Latin-1 character, else 0.
int singleLatin1(const std::string& utf8);

}  // namespace vuz
