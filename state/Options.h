// The options as keys of the profile: eighteen value children, written and read in one order
// (the table in Options.cpp).
#pragma once

#include "state/OptionsBase.h"

class PersistentObject;

namespace Tavek {

class Options : public virtual OptionsBase {
public:
    Options();

    // Replaces the eighteen option keys of node with the current values.
    virtual void write(PersistentObject& node) const;
    // Reads each key on its own: a missing or malformed key keeps the field as it was.
    // Out-of-range volumes and tap counts are brought into range.
    virtual void read(PersistentObject& node);
};

}  // namespace Tavek
