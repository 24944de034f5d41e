// The program entry: window, engine start-up, the frame loop and the end.
#pragma once

#include <string>

#include "platform/win32/win32.h"

// The address opened in the player's browser when the game ends.
extern const char* const purchasePageAddress;
// The product name: window class, window title and the title of error boxes.
extern const char* const productName;

int WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);

void onEngineInit();
void onEngineRun();
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool readRegistryString(const std::string& keyPath, const std::string& valueName, std::string& out);
void changeToInstallDirectory();
