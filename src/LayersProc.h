// The procedure of the layers panel: drawing, hiding on close, a click on a layer's eye or
// lock, and keys to the shortcuts as in the palettes.
#pragma once
#include <windows.h>

INT_PTR CALLBACK LayersProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
