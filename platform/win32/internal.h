// Pieces of the Windows subset that talk to each other.
#pragma once

#include "win32.h"

namespace win32 {

// Calls the window procedure of a window synchronously; 0 for unknown windows.
LRESULT sendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Drops queued messages addressed to a window that is going away.
void dropMessagesFor(HWND window);

void resetWindows();
void resetQueue();
void resetShell();
void resetLog();

}  // namespace win32
