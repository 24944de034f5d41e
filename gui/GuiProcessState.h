// The toolkit's process-wide state (click sounds, button and key latches, last typed
// characters), back to how the process starts: for tests that run the game more than once in
// one process. The game never calls it.
#pragma once

void resetGuiProcessState();

// Set by an animated screen on each tick of its animation: the run phase then draws one extra
// frame (not into a minimised window) and clears it.
extern bool extraRenderRequested;
