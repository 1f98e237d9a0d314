// The procedure of the window "ステージ一覧": the list's clicks, double-clicks and header
// clicks, the filter box, the folder button, 開く (which Enter presses), hiding on close and
// Escape, the controls laid out anew when the window is resized, and the folder's changes.
#pragma once
#include <windows.h>

INT_PTR CALLBACK StageListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
