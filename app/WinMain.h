// The program entry: window, engine start-up, the frame loop and the end.
#pragma once

#include <string>

#include "platform/win32/win32.h"

// The page the pack writes into the game folder, opened in the player's browser when the game ends.
extern const char* const purchasePageFile;
// The page as a file:// address of the working folder; "" when the page is not there.
std::string purchasePageAddress();
// The product name: window class, window title and the title of error boxes.
extern const char* const productName;

int WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);

void onEngineInit();
void onEngineRun();
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool readRegistryString(const std::string& keyPath, const std::string& valueName, std::string& out);
void changeToInstallDirectory();
