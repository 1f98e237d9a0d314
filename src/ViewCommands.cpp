#include "ViewCommands.h"

#include <windowsx.h>

#include "Editor.h"
#include "Globals.h"
#include "LayersWindow.h"
#include "MainWindow.h"
#include "OverviewWindow.h"
#include "render/core/Scrolling.h"
#include "render/core/ViewGeometry.h"
#include "render/core/WheelScrolling.h"

namespace {

uint32_t SystemWheelLines() {
    UINT lines = 3;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
    return lines;
}

}  // namespace

void ScrollView(uint32_t virtualKey) {
    if (mainWindow == nullptr || editor == nullptr) return;
    const MapCellCounts counts = mainWindow->CellCounts();
    switch (virtualKey) {
    case VK_LEFT: SetViewOffsets(ScrollLeft(scrollX), scrollY); break;
    case VK_UP: SetViewOffsets(scrollX, ScrollUp(scrollY)); break;
    case VK_RIGHT: SetViewOffsets(ScrollRight(scrollX, counts.cellsX, editor->zoom.Columns()), scrollY); break;
    case VK_DOWN: SetViewOffsets(scrollX, ScrollDown(scrollY, counts.cellsY, editor->zoom.Rows())); break;
    default: break;
    }
}

void MoveView(ViewOffsets offsets) {
    if (mainWindow == nullptr || editor == nullptr) return;
    const MapCellCounts counts = mainWindow->CellCounts();
    const ViewOffsets kept{ScrollKeptInMap(offsets.scrollX, counts.cellsX, editor->zoom.Columns()),
                           ScrollKeptInMap(offsets.scrollY, counts.cellsY, editor->zoom.Rows())};
    if (kept == ViewOffsets{scrollX, scrollY}) return;
    SetViewOffsets(kept.scrollX, kept.scrollY);
}

POINT ViewMiddle() { return POINT{kViewWidth / 2, kViewHeight / 2}; }

void ZoomView(ViewZoom zoom, POINT anchor) {
    if (mainWindow == nullptr || editor == nullptr || zoom == editor->zoom) return;
    const ViewOffsets offsets = ZoomAroundPoint(anchor.x, anchor.y, ViewOffsets{scrollX, scrollY}, editor->zoom,
                                                zoom, mainWindow->CellCounts());
    editor->zoom = zoom;
    SetViewOffsets(offsets.scrollX, offsets.scrollY);
    NoteChanges(kChangedView | kChangedMarks);
}

void ScrollViewByWheel(UINT message, WPARAM wParam, LPARAM lParam) {
    if (mainWindow == nullptr || editor == nullptr) return;
    if (message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
        // The wheel's point is on the screen; a pointer beyond the view zooms around its middle.
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(mainWindow->handle, &point);
        if (point.x < 0 || point.y < 0 || point.x >= kViewWidth || point.y >= kViewHeight) point = ViewMiddle();
        editor->zoomWheel += GET_WHEEL_DELTA_WPARAM(wParam);
        for (; editor->zoomWheel >= WHEEL_DELTA; editor->zoomWheel -= WHEEL_DELTA) ZoomView(ZoomedIn(editor->zoom), point);
        for (; editor->zoomWheel <= -WHEEL_DELTA; editor->zoomWheel += WHEEL_DELTA) ZoomView(ZoomedOut(editor->zoom), point);
        return;
    }
    const WheelSource source = message == WM_MOUSEHWHEEL ? WheelSource::kTilt : WheelSource::kWheel;
    const bool shift = (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0;
    const WheelMove move = WheelDirection(source, shift, GET_WHEEL_DELTA_WPARAM(wParam));
    const uint32_t lines = SystemWheelLines();
    if (move.horizontal) {
        const int32_t cells = editor->horizontalWheel.Add(move.forward, CellsPerNotch(lines, kViewColumns));
        if (cells != 0) MoveView(ViewOffsets{static_cast<int32_t>(int64_t{scrollX} + cells), scrollY});
    } else {
        const int32_t cells = editor->verticalWheel.Add(move.forward, CellsPerNotch(lines, kViewRows));
        if (cells != 0) MoveView(ViewOffsets{scrollX, static_cast<int32_t>(int64_t{scrollY} + cells)});
    }
}

void ShowOverview() {
    if (editor != nullptr && editor->overview != nullptr && mainWindow != nullptr)
        editor->overview->Show(mainWindow->stage);
}

void ToggleLayer(int layer) {
    if (editor == nullptr || layer < 0 || layer > 2) return;
    editor->shownLayers.Toggle(layer);
    NoteChanges(kChangedLayers);
}

void ToggleLayerLock(int layer) {
    if (editor == nullptr || layer < 0 || layer > 2) return;
    editor->shownLayers.ToggleLock(layer);
    NoteChanges(kChangedLayers);
}

void ShowLayersWindow() {
    if (editor != nullptr && editor->layersWindow != nullptr && mainWindow != nullptr)
        editor->layersWindow->Show(mainWindow->stage);
}

void ToggleLayersWindow() {
    if (editor == nullptr || editor->layersWindow == nullptr) return;
    if (editor->layersWindow->Shown()) {
        ShowWindow(editor->layersWindow->handle, SW_HIDE);
    } else {
        ShowLayersWindow();
    }
}
