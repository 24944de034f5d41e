// The structural check of a .x file before the importer reads it. The importer trusts the
// counts and indices a file states: a face or skin weight naming a vertex the mesh does not
// have, a material list without its materials or a count far larger than the file makes it
// write out of bounds or reserve gigabytes. This walks the text format object by object, the
// way the importer reads it, and refuses such a file. It checks; it builds nothing.
#pragma once

#include <cstddef>
#include <string>

namespace vuz {

// Frames may nest this deep (a fighter's skeleton is about a dozen).
constexpr int XFileMaxFrameDepth = 64;

// True when the importer may read the bytes. False with *error for a text file that breaks the
// rules above, and for binary and compressed .x files, which the game does not read.
bool checkXFile(const char* bytes, size_t size, std::string* error);

}  // namespace vuz
