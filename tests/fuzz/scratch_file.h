// A private folder (in /dev/shm when there is one) for the entries that read files by path,
// removed at exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzcheck {

// Writes the bytes to name in the folder and returns the file's path.
std::string writeScratch(const std::string& name, const uint8_t* data, size_t size);
std::string scratchPath(const std::string& name);

}  // namespace fuzzcheck
