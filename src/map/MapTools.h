// The editing tools on the map view: the pen, the rectangle, the bucket fill and the selection
// (ツール menu, B, P, F, R), the right button's pick in every tool, and a block being pasted,
// which takes the left button while it follows the pointer. The mouse messages of the main
// window come here; what each tool writes comes from the core's rules through the stage.
#pragma once
#include <windows.h>

#include "map/core/ToolState.h"

// The tools' state, for the selection's commands, the view's painting and the pointer's shape.
ToolState& Tools();

// The pointer position in a window's client area when the message is handled, not the one
// the message carries.
POINT CursorInClient(HWND window);
// True for a client point of the main window inside the 640 x 480 view.
bool IsViewPoint(POINT point);
// The cell of the map under a client point of the view, at the present scroll offsets.
CellPoint CellUnder(POINT point);

// A tool chosen by its key or menu item: a paste, a drag and the selection end, the menu's
// radio mark moves, and the view and the pointer show it.
void SelectTool(EditingTool tool);
// The ツール menu's radio mark on the active tool.
void ShowToolMenu();

void OnMapLeftButtonDown(HWND window);
void OnMapPointerMove(POINT point);
void OnMapLeftButtonUp(HWND window);
// The mouse taken away before the release: a stroke keeps what it painted; a rectangle or a
// selection being dragged is dropped.
void OnMapCaptureLost();
void OnMapRightButtonDown(HWND window);
void OnMapPointerLeft();

// Escape: a paste, a rectangle or selection being dragged, or the selection, cleared and shown.
// False when there was none, so that Escape goes on to close the program.
bool ClearToolMarks();
// A new or opened map: no paste, drag or selection stays.
void ForgetToolMarks();
// The map changed size as a whole (undo, redo, the edit area): the selection keeps its part in it.
void KeepToolMarksInMap();
// The view scrolled (keys, wheel, overview) under a pointer that stayed still: the pasted block
// and the end of a rectangle or selection being dragged go to the cell now under it. The view's
// painting asks this first.
void KeepToolsUnderPointer();
// Back to the pen with nothing marked, as a newly started editor.
void ResetTools();
