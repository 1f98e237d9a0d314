// The mouse pointer over the map shows what the left button does there: the pen, the eraser
// (the pen with no chip), the rectangle, the fill, the selection, or a block being pasted.
// Elsewhere, and over the part of the view the map does not reach, it is the arrow.
#pragma once
#include <windows.h>

// The pointer for a point of the main window's client area.
HCURSOR ToolCursorAt(POINT clientPoint);
// WM_SETCURSOR of the main window: true when it set the pointer over the client area.
bool SetToolCursor(HWND window, LPARAM hitTest);
// After the tool, the chip or the paste changed while the pointer stays still: the pointer
// over the main window takes the shape at once.
void ShowToolCursor();
