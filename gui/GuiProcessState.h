// The toolkit's process-wide state (click sounds, button and key latches, last typed
// characters), back to how the process starts: for tests that run the game more than once in
// one process. The game never calls it.
#pragma once

void resetGuiProcessState();
