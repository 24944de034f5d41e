#include "FileMemory.h"

#include <cstdlib>

FileMemory::~FileMemory() { std::free(data); }
