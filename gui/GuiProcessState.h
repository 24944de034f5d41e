// The toolkit's process-wide state, back to how the process starts (for tests that run the
// game more than once in one process; the game never calls it).
#pragma once

void resetGuiProcessState();
