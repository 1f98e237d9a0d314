// The overview's dialog procedure: drawing, hiding on close, clicks and drags that move the
// view, the wheel, dropped maps, and keys to the shortcuts as in the palettes.
#pragma once
#include <windows.h>

INT_PTR CALLBACK OverviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
