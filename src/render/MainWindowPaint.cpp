// The map view: composed in the back buffer, then copied to the window in one piece.
#include "Globals.h"
#include "MainWindow.h"
#include "render/MapView.h"
#include "render/Scrolling.h"

namespace {

void DrawGrid(Texture& buffer, const MapModel& map) {
    const MapCellCounts counts = map.CellCounts();
    // Lines beyond the 640 x 480 buffer are clipped by GDI; drawing more of them than can
    // show would only cost time on large maps.
    const uint32_t columns = counts.cellsX < kViewColumns ? counts.cellsX : kViewColumns;
    const uint32_t rows = counts.cellsY < kViewRows ? counts.cellsY : kViewRows;
    for (uint32_t k = 0; k <= columns; ++k) {
        const int32_t x = static_cast<int32_t>(k) * kCellSize;
        DrawLine(buffer, x, 0, x, map.mapHeight, 2, 0, 255, 0);
    }
    for (uint32_t k = 0; k <= rows; ++k) {
        const int32_t y = static_cast<int32_t>(k) * kCellSize;
        DrawLine(buffer, 0, y, map.mapWidth, y, 2, 0, 255, 0);
    }
}

void DrawEdgeMarkers(Texture& buffer, const MapCellCounts& counts) {
    if (TouchesLeft(scrollX)) DrawLine(buffer, 0, 0, 0, kViewHeight, 4, 255, 0, 0);
    if (TouchesTop(scrollY)) DrawLine(buffer, 0, 0, kViewWidth, 0, 4, 255, 0, 0);
    if (TouchesRight(scrollX, counts.cellsX))
        DrawLine(buffer, kViewWidth, 0, kViewWidth, kViewHeight, 4, 255, 0, 0);
    if (TouchesBottom(scrollY, counts.cellsY))
        DrawLine(buffer, 0, kViewHeight, kViewWidth, kViewHeight, 4, 255, 0, 0);
}

}  // namespace

void MainWindow::Paint() {
    if (largePalette == nullptr || smallPalette == nullptr) return;
    if (!map.HasLayers()) return;
    if (backBuffer == nullptr || !backBuffer->HasSurface()) return;

    if (redrawTrace != nullptr) redrawTrace("view");
    GdiFlush();  // no GDI drawing may still be pending on the pixels composed below
    ComposeMapView(*backBuffer, *backdrop, *smallSheet, *largeSheet, map, scrollX, scrollY);
    DrawGrid(*backBuffer, map);
    DrawEdgeMarkers(*backBuffer, mainWindow->CellCounts());

    HDC windowDC = GetDC(handle);
    BitBlt(windowDC, 0, 0, map.mapWidth, map.mapHeight, backBuffer->memoryDC, 0, 0, SRCCOPY);
    ReleaseDC(handle, windowDC);
}
