// Map files dropped on a window of the editor, from Explorer or any other program.
#pragma once
#include <windows.h>

#include <shellapi.h>

// Lets the window take dropped files: it then receives WM_DROPFILES.
void AcceptDroppedMaps(HWND window);

// A window's WM_DROPFILES (its wParam): the first file dropped opens as Open would, after
// the question about unsaved changes; any others are ignored. Frees the drop.
void OpenDroppedMap(HDROP drop);
