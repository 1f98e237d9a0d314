// The map view: composed in the back buffer, then copied to the window in one piece.
#include "Globals.h"
#include "MainWindow.h"
#include "OverviewWindow.h"
#include "PaletteWindow.h"
#include "map/MapTools.h"
#include "render/ShownStage.h"
#include "render/core/MapView.h"
#include "render/core/PreviewView.h"
#include "render/core/ToolOutline.h"
#include "render/core/ViewOverlay.h"
#include "render/core/ViewGeometry.h"
#include "render/core/ViewMarks.h"

namespace {

// The view's pixels outside the map get the window's own light grey on the screen too: the
// back buffer's 16-bit grey comes out a shade off once GDI widens it.
void PaintOutsideMapArea(HDC windowDC, MapArea area) {
    HBRUSH grey = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    const RECT right{area.right, 0, kViewWidth, kViewHeight};
    const RECT below{0, area.bottom, area.right, kViewHeight};
    if (right.left < right.right) FillRect(windowDC, &right, grey);
    if (below.top < below.bottom && below.left < below.right) FillRect(windowDC, &below, grey);
}

// The cells and the block being pasted over them where a click would stamp it, as the stamp
// would write them (hidden layers left out).
void ComposeCells(MainWindow& window) {
    const ToolState& tools = Tools();
    if (!tools.Pasting() || tools.PasteCells(window.CellCounts()).Empty()) {
        ComposeMapView(*window.backBuffer, *window.backdrop, *window.smallSheet, *window.largeSheet,
                       window.map, scrollX, scrollY, shownLayers);
        return;
    }
    // Only the cells the view draws: a large block costs no more than a small one.
    const CellRect drawn{scrollX - 1, scrollY - 1, scrollX + kViewColumns - 1, scrollY + kViewRows - 1};
    CellWrites stamp = StampWrites(window.map, tools.PasteBlock(), tools.Pointer(), smallPalette->model,
                                   largePalette->model, drawn);
    DropHiddenLayerWrites(stamp, shownLayers);
    ComposeMapViewWith(*window.backBuffer, *window.backdrop, *window.smallSheet, *window.largeSheet,
                       window.map, scrollX, scrollY, shownLayers, stamp);
}

void Stroke(Texture& texture, const LineSegment& s) {
    DrawLine(texture, s.x1, s.y1, s.x2, s.y2, s.penWidth, s.red, s.green, s.blue);
}

}  // namespace

void MainWindow::Paint() {
    // Every change of the map or the view ends here, so the overview follows them all.
    if (PaintView() && overviewWindow != nullptr) overviewWindow->Refresh();
}

bool MainWindow::PaintView() {
    if (largePalette == nullptr || smallPalette == nullptr) return false;
    if (!map.HasLayers()) return false;
    if (backBuffer == nullptr || !backBuffer->HasSurface()) return false;

    if (redrawTrace != nullptr) redrawTrace("view");
    KeepToolsUnderPointer();
    GdiFlush();  // no GDI drawing may still be pending on the pixels composed below
    ComposeCells(*this);
    const ViewOverlay overlay = ComposeViewOverlay(CellCounts(), scrollX, scrollY);
    for (size_t i = 0; i < overlay.count; ++i) Stroke(*backBuffer, overlay.segments[i]);
    int32_t startX = 0, startY = 0;
    if (ShownStartPosition(startX, startY))
        DrawStartMarker(*backBuffer, ViewStartMarker(startX, startY, scrollX, scrollY));
    // What a tool is about to act on, over everything else.
    for (const CellRect& cells : Tools().Outlines(CellCounts())) {
        const ToolOutline outline = ToolOutlineSegments(cells, scrollX, scrollY);
        for (size_t i = 0; i < outline.count; ++i) Stroke(*backBuffer, outline.segments[i]);
    }
    // Last, so that no chip, line end or marker half reaches past the map's edges.
    FillOutsideMapArea(*backBuffer, overlay.area);

    // The whole view every time: a smaller copy would leave the pixels of an earlier,
    // larger map on the screen.
    HDC windowDC = GetDC(handle);
    BitBlt(windowDC, 0, 0, kViewWidth, kViewHeight, backBuffer->memoryDC, 0, 0, SRCCOPY);
    PaintOutsideMapArea(windowDC, overlay.area);
    ReleaseDC(handle, windowDC);
    return true;
}
