#include "ViewCommands.h"

#include "Globals.h"
#include "MainWindow.h"
#include "OverviewWindow.h"
#include "map/MapTools.h"
#include "render/core/Scrolling.h"
#include "render/core/ViewGeometry.h"
#include "render/core/WheelScrolling.h"
#include "resource.h"

namespace {

// What the wheel has turned beyond the last whole cell, along each axis.
WheelAccumulator verticalWheel;
WheelAccumulator horizontalWheel;

uint32_t SystemWheelLines() {
    UINT lines = 3;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
    return lines;
}

}  // namespace

void MoveView(ViewOffsets offsets) {
    if (mainWindow == nullptr) return;
    const MapCellCounts counts = mainWindow->CellCounts();
    const ViewOffsets kept{ScrollKeptInMap(offsets.scrollX, counts.cellsX, kViewColumns),
                           ScrollKeptInMap(offsets.scrollY, counts.cellsY, kViewRows)};
    if (kept == ViewOffsets{scrollX, scrollY}) return;
    scrollX = kept.scrollX;
    scrollY = kept.scrollY;
    mainWindow->Paint();
}

void ScrollViewByWheel(UINT message, WPARAM wParam) {
    if (mainWindow == nullptr) return;
    const WheelSource source = message == WM_MOUSEHWHEEL ? WheelSource::kTilt : WheelSource::kWheel;
    const bool shift = (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0;
    const WheelMove move = WheelDirection(source, shift, GET_WHEEL_DELTA_WPARAM(wParam));
    const uint32_t lines = SystemWheelLines();
    if (move.horizontal) {
        const int32_t cells = horizontalWheel.Add(move.forward, CellsPerNotch(lines, kViewColumns));
        if (cells != 0) MoveView(ViewOffsets{static_cast<int32_t>(int64_t{scrollX} + cells), scrollY});
    } else {
        const int32_t cells = verticalWheel.Add(move.forward, CellsPerNotch(lines, kViewRows));
        if (cells != 0) MoveView(ViewOffsets{scrollX, static_cast<int32_t>(int64_t{scrollY} + cells)});
    }
}

void ShowOverview() {
    if (overviewWindow != nullptr) overviewWindow->Show();
}

void ToggleLayer(int layer) {
    if (mainWindow == nullptr || layer < 0 || layer > 2) return;
    shownLayers.Toggle(layer);
    CheckMenuItem(GetMenu(mainWindow->handle), static_cast<UINT>(ID_VIEW_LAYER0 + layer),
                  MF_BYCOMMAND | (shownLayers.Shows(layer) ? MF_CHECKED : MF_UNCHECKED));
    mainWindow->Paint();
}

void NotePointerOverView(HWND mainWindowHandle, POINT clientPoint) {
    // Asked again at every move: the system ends the request with each WM_MOUSELEAVE.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, mainWindowHandle, 0};
    TrackMouseEvent(&track);
    if (overviewWindow != nullptr) overviewWindow->PointerOverView(clientPoint);
}

void NotePointerLeftView() {
    if (overviewWindow != nullptr) overviewWindow->PointerLeftView();
}

void ResetViewState() {
    shownLayers = LayerVisibility{};
    ResetTools();
    verticalWheel.Reset();
    horizontalWheel.Reset();
}
