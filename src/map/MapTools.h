// The mouse on the map view: the left button with the tool in hand (the ツール menu, whose tools
// come from ToolTable.h), the right button's pick in every tool, and a block being pasted,
// which takes the left button while it follows the pointer. Each handler takes its point from
// the message and notes what changed; the main window's procedure then shows it.
#pragma once
#include <windows.h>

#include <cstddef>

#include "map/core/ToolState.h"

// The pointer position in a window's client area now, for what no message carries (the
// pointer's shape, a paste begun by a key).
POINT CursorInClient(HWND window);
// The client point a mouse message carries in its lParam.
POINT PointOfMessage(LPARAM lParam);
// True for a client point of the main window inside the 640 x 480 view.
bool IsViewPoint(POINT point);
// The cell of the map under a client point of the view, at the present scroll offsets.
CellPoint CellUnder(POINT point);

// A tool chosen by its key or menu item (its row of the tool table): a paste, a drag and the
// selection end, and the menu's radio mark, the view and the pointer show it.
void SelectTool(size_t tool);

void OnMapLeftButtonDown(HWND window, POINT point, bool shift);
void OnMapPointerMove(HWND window, POINT point);
void OnMapLeftButtonUp(HWND window);
// The mouse taken away before the release: a stroke keeps what it painted; a rectangle or a
// selection being dragged is dropped.
void OnMapCaptureLost();
void OnMapRightButtonDown(POINT point);
void OnMapPointerLeft();

// The main window's timer that moves the view a cell at a time while a rectangle, a selection
// or a line is dragged with the pointer beyond the view's edge (WM_TIMER with this id).
constexpr UINT_PTR kEdgeScrollTimer = 0x45444745;
void OnEdgeScrollTimer(HWND window);

// Escape: a paste, a rectangle or selection being dragged, or the selection, cleared.
// False when there was none, so that Escape goes on to close the program.
bool ClearToolMarks();
// A new or opened map: no paste, drag or selection stays, and no tool remembers the last map.
void ForgetToolMarks();
