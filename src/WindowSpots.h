// The screen as the editor's small windows see it: the monitors' work areas, and where such a
// window first appears beside the others (the rules are in core/WindowPlacement.h).
#pragma once
#include <windows.h>

#include <vector>

#include "core/WindowPlacement.h"

ScreenRect ScreenRectOf(const RECT& rect);
// The work area of the monitor nearest the window.
ScreenRect WorkAreaNear(HWND window);
// The work areas of all monitors.
std::vector<ScreenRect> AllWorkAreas();

// The top-left corner for a window of the given outer size the first time it is shown: at
// `preferred` when there it covers neither its owner (the main window) nor any other shown
// window of its owner's (the palettes, the other small windows, a dialog left open), else where
// it covers least of them on the work area given (PlaceClearOf).
ScreenPoint FirstPlaceOf(HWND window, ScreenPoint preferred, SIZE outer, const ScreenRect& workArea);
// Moves a small window shown for the first time to its first place (FirstPlaceOf), preferring
// the point that `corner` picks of `anchor`'s rectangle, on the work area nearest `anchor`.
void MoveToFirstPlaceBy(HWND window, HWND anchor, ScreenPoint (*corner)(const RECT& anchorRect));
