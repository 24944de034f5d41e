// The form of a resource name used as a key of the packed archive's index: '/' becomes '\'
// and ASCII letters become lower case. Bytes of 0x80 and above are left as they are.
#pragma once

#include <string>

void normalizePath(char* name);          // zero-terminated buffer, rewritten in place
void normalizePath(std::string& name);   // rewritten in place
