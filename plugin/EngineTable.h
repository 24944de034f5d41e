// The plug-in's copy of the engine's function table.
#pragma once

#include "platform/vuzirovari/vuzirovari_table.h"

namespace Vortane {

// Copies the table's entries. A null table leaves every entry on a local function that does
// nothing and returns 0, and answers false.
bool bindEngineTable(const VuzEntry* table);
// Back to the local functions (after Exit, so a stale table is never called).
void unbindEngineTable();

}  // namespace Vortane
