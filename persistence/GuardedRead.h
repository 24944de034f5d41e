// One key of a saved file read in its own guarded step: a missing or malformed key (any
// AttributeException) leaves the field as it was, and the reader goes on with the next key.
// File errors (XMLFileException) are not caught here.
#pragma once

#include "persistence/AttributeException.h"

template <typename Read>
void readGuarded(Read read) {
    try {
        read();
    } catch (const AttributeException&) {
        // The field keeps its value.
    }
}
