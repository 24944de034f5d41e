// The plug-in's copy of the engine's function table.
#pragma once

#include "platform/vuzirovari/vuzirovari_table.h"

namespace Vortane {

// Copies the table's entries. A null table leaves every entry on a local function that does
// nothing and returns 0, and answers false.
bool bindEngineTable(const VuzEntry* table);
// Whether LibInit was given a table.
bool isEngineBound();

}  // namespace Vortane
