// The map view: composed in the back buffer, then copied to the window in one piece.
#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "OverviewWindow.h"
#include "PaletteWindow.h"
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

// What a click would write, shown where it would land without being written: the block being
// pasted at the pointer, else what the tool in hand previews (a line being dragged).
CellWrites PendingWrites(const MainWindow& window, const ToolState& tools) {
    if (tools.Pasting()) {
        if (tools.PasteCells(window.CellCounts()).Empty()) return {};
        // Only the cells the view draws: a large block costs no more than a small one.
        const ViewZoom zoom = editor->zoom;
        const CellRect drawn{scrollX - 1, scrollY - 1, scrollX + zoom.Columns() - 1, scrollY + zoom.Rows() - 1};
        return StampWrites(window.map, tools.PasteBlock(), tools.Pointer(), smallPalette->model,
                           largePalette->model, drawn);
    }
    if (!tools.Dragging()) return {};
    CellWrites preview = tools.Tool().Preview(window.map, editor->hand.ChipToLay(CurrentChip),
                                              ViewCells(scrollX, scrollY, editor->zoom));
    ResolveRandomChips(window.map, editor->hand, preview);
    return preview;
}

// The cells, with what a click would write over them as the stage would write it (hidden and
// locked layers left out).
void ComposeCells(MainWindow& window) {
    const LayerVisibility& shown = editor->shownLayers;
    CellWrites pending = PendingWrites(window, editor->tools);
    DropUnwritableLayerWrites(pending, shown);
    const ViewZoom zoom = editor->zoom;
    const PixelSurface* backdrop = window.backdrop;
    const PixelSurface* small = window.smallSheet;
    const PixelSurface* large = window.largeSheet;
    // Zoomed out, from the pictures scaled once to the zoom's cell size.
    if (zoom.factor > 1) {
        OverviewSheets& sheets = editor->zoomedSheets;
        if (!sheets.Prepare(*window.smallSheet, *window.largeSheet, *window.backdrop, zoom.CellPixels())) return;
        backdrop = &sheets.Backdrop();
        small = &sheets.Small();
        large = &sheets.Large();
    }
    if (pending.empty()) {
        ComposeMapView(*window.backBuffer, *backdrop, *small, *large, window.map, scrollX, scrollY, shown, zoom);
        return;
    }
    ComposeMapViewWith(*window.backBuffer, *backdrop, *small, *large, window.map, scrollX, scrollY, shown, pending,
                       zoom);
}

void Stroke(Texture& texture, const LineSegment& s) {
    DrawLine(texture, s.x1, s.y1, s.x2, s.y2, s.penWidth, s.red, s.green, s.blue);
}

}  // namespace

void MainWindow::Paint() {
    // Every change of the map or the view ends here, so the overview follows them all.
    if (PaintView() && editor->overview != nullptr) editor->overview->Refresh(stage);
}

bool MainWindow::PaintView() {
    if (largePalette == nullptr || smallPalette == nullptr || editor == nullptr) return false;
    if (!map.HasLayers()) return false;
    if (backBuffer == nullptr || !backBuffer->HasSurface()) return false;

    if (editor->redrawTrace != nullptr) editor->redrawTrace("view");
    GdiFlush();  // no GDI drawing may still be pending on the pixels composed below
    ComposeCells(*this);
    const ViewZoom zoom = editor->zoom;
    const ViewOverlay overlay = ComposeViewOverlay(CellCounts(), scrollX, scrollY, zoom);
    for (size_t i = 0; i < overlay.count; ++i) Stroke(*backBuffer, overlay.segments[i]);
    const StageSettings& settings = stage.Settings();
    if (!settings.startUnspecified)
        DrawStartMarker(*backBuffer, ViewStartMarker(settings.startX, settings.startY, scrollX, scrollY, zoom));
    // The cells a merge left in conflict, under what a tool is about to act on.
    const ConflictMarks& conflicts = stage.Conflicts();
    if (conflicts.OpenCount() > 0)
        DrawViewConflictMarks(*backBuffer,
                              conflicts.OpenCellsIn(CellRect{scrollX, scrollY, scrollX + zoom.Columns() - 1,
                                                             scrollY + zoom.Rows() - 1},
                                                    CellCounts()),
                              scrollX, scrollY, zoom);
    // What a tool is about to act on, over everything else.
    for (const CellRect& cells : editor->tools.Outlines(CellCounts())) {
        const ToolOutline outline = ToolOutlineSegments(cells, scrollX, scrollY, zoom);
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
