// The procedure of the window "地形": drawing, hiding on close, a click that puts a set in
// hand, and keys to the shortcuts as in the palettes.
#pragma once
#include <windows.h>

INT_PTR CALLBACK TerrainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
