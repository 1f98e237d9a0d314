// Moving over the whole stage and choosing what it shows: the arrow keys, the mouse wheel,
// the overview and the layers shown. None of them changes the map.
#pragma once
#include <windows.h>

#include <cstdint>

#include "render/core/ViewCentering.h"

// One arrow key: the view moves one cell, kept inside the map, and is drawn again even when
// the offset did not change.
void ScrollView(uint32_t virtualKey);
// WM_MOUSEWHEEL (Shift: sideways) and WM_MOUSEHWHEEL: the view moves by the whole cells the
// turn completes at the system's lines a notch, kept inside the map. With Ctrl the wheel
// zooms instead, a step a notch, around the cell under the pointer when it is over the view.
void ScrollViewByWheel(UINT message, WPARAM wParam, LPARAM lParam);
// 拡大, 縮小 and 100 %: the view at another zoom, the cell under the view point `anchor`
// staying under it; the window keeps its size.
void ZoomView(ViewZoom zoom, POINT anchor);
// The view's middle, the anchor of the menu's and the keys' zoom.
POINT ViewMiddle();
// The view's top-left cell becomes the given one, kept inside the map; drawn again when it moved.
void MoveView(ViewOffsets offsets);
// F6 and 編集 → 全体図.
void ShowOverview();
// Ctrl+1, 2, 3 and 表示 → レイヤー0, 1, 2: the layer is shown or hidden, its menu item checked
// or not, and the view drawn again. The map, its history and its modified state are not touched.
void ToggleLayer(int layer);
// A layer's lock in the layers panel: locked, it is drawn as ever but no tool, paste, cut or
// delete writes to it. The map is not touched.
void ToggleLayerLock(int layer);
// F5 and 表示 → レイヤー: the layers panel shown, or hidden when it is shown.
void ToggleLayersWindow();
// The layers panel shown (the layout puts it back so).
void ShowLayersWindow();
