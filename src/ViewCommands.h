// Moving over the whole stage and choosing what it shows: the mouse wheel, the overview and
// the layers shown. None of them changes the map.
#pragma once
#include <windows.h>

#include "render/core/ViewCentering.h"

// WM_MOUSEWHEEL (Shift: sideways) and WM_MOUSEHWHEEL: the view moves by the whole cells the
// turn completes at the system's lines a notch, kept inside the map, and is repainted when
// it moved.
void ScrollViewByWheel(UINT message, WPARAM wParam);
// The view's top-left cell becomes the given one, kept inside the map; repainted when it moved.
void MoveView(ViewOffsets offsets);
// F6 and 編集 → 全体図.
void ShowOverview();
// Ctrl+1, 2, 3 and 表示 → レイヤー0, 1, 2: the layer is shown or hidden, its menu item checked
// or not, and the view repainted. The map, its history and its modified state are not touched.
void ToggleLayer(int layer);
// The pointer over the main window's client area, and gone from it, for the overview's caption.
void NotePointerOverView(HWND mainWindowHandle, POINT clientPoint);
void NotePointerLeftView();
// What a newly started editor has: every layer shown, no part of a wheel notch kept, the pen
// with nothing selected or pasted.
void ResetViewState();
