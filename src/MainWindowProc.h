// The main window's procedure: routes each message to the code that acts on it.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
