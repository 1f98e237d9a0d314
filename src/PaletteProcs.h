// The two palettes' dialog procedures. Both return 0 for every message but F10, so the
// system's default dialog handling follows.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SmallPaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LargePaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
