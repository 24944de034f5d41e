// Byte-level file access for saves: whole-file reads, and replacement of a file through a
// temporary file in the same folder, renamed over the old one only after a complete write.
#pragma once

#include <string>

// Reads the whole file; XMLFileException naming displayPath when it cannot.
std::string readWholeFile(const std::string& hostFile, const std::string& displayPath);

// Replaces hostFile's content with bytes. On failure the old file is left as it was, no
// temporary file remains, and XMLFileException names displayPath and the reason.
void replaceWholeFile(const std::string& hostFile, const std::string& bytes, const std::string& displayPath);
