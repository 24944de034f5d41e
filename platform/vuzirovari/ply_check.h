// The structural check of a .ply file before the importer reads it. The importer trusts the
// header: a binary file whose elements need more bytes than follow the header makes it read
// past its buffer, and a count far larger than the file makes it reserve gigabytes. This reads
// the header and walks the data row by row, the way the importer does, and refuses a file
// whose header and data do not agree. It checks; it builds nothing.
#pragma once

#include <cstddef>
#include <string>

namespace vuz {

// True when the importer may read the bytes. False with *error for a header it would misread
// (unknown format or property type, no end_header, bytes that are not text), a binary file
// whose rows do not fit the bytes after the header, a text file with fewer rows, or rows
// with fewer numbers, than the header declares, a vertex element without exactly one x, y and
// z, and a face of fewer than three corners or with a corner that is not one of the vertices.
bool checkPlyFile(const char* bytes, size_t size, std::string* error);

}  // namespace vuz
