// The four settings dialogs' procedures. They share one body: the boxes are filled when the
// dialog is made; OK applies and hides, the cancel button and a close request only hide; key
// presses go to the program's shortcuts (F10 arrives as a system key). Each returns 0 for
// every message but F10, so the system's default dialog handling follows.
#pragma once
#include <windows.h>

INT_PTR CALLBACK ResizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CursorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
