#include "render/core/MapView.h"

#include <algorithm>

#include "render/core/Blit.h"
#include "render/core/ViewGeometry.h"

namespace {

// Map cells [first, last] along one axis that can show: the view's cells and the one
// before them, within the map. Empty when last < first.
struct Span {
    int64_t first;
    int64_t last;
};

Span VisibleSpan(int32_t scroll, uint32_t cells, int32_t viewCells) {
    return Span{std::max<int64_t>(int64_t{scroll} - 1, 0),
                std::min<int64_t>(int64_t{scroll} + viewCells - 1, int64_t{cells} - 1)};
}

// A chip's picture from a sheet scaled down by `factor` (1: the sheet itself), `size` pixels
// a side there.
void DrawChip(PixelSurface& backBuffer, int32_t x, int32_t y, const PixelSurface& sheet,
              const MapCell& cell, int32_t factor, int32_t size) {
    if (cell.chipId == 0) return;
    const int32_t left = cell.srcX / factor;
    const int32_t top = cell.srcY / factor;
    if (x >= 0 && y >= 0 && x <= backBuffer.width - size && y <= backBuffer.height - size && left >= 0 &&
        top >= 0 && left <= sheet.width - size && top <= sheet.height - size && backBuffer.HasSurface() &&
        sheet.HasSurface()) {
        BlitKeyedInside(backBuffer, x, y, sheet, left, top, size, size);
        return;
    }
    // 64-bit sums, narrowed by ClipBlit's own rules: a damaged sheet position near the
    // 32-bit limit must not wrap into a rectangle elsewhere on the sheet.
    const int32_t right = static_cast<int32_t>(std::min<int64_t>(int64_t{left} + size, INT32_MAX));
    const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{top} + size, INT32_MAX));
    BlitKeyed(backBuffer, x, y, sheet, left, top, right, bottom);
}

}  // namespace

void ComposeMapView(PixelSurface& backBuffer, const PixelSurface& backdrop,
                    const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                    const MapModel& map, int32_t scrollX, int32_t scrollY,
                    const LayerVisibility& shown, ViewZoom zoom) {
    if (!map.HasLayers()) return;
    const int32_t cell = zoom.CellPixels();
    const int32_t tileWidth = kViewWidth / zoom.factor;
    const int32_t tileHeight = kViewHeight / zoom.factor;
    ClearThenBlitKeyed(backBuffer, backdrop, tileWidth, tileHeight);
    for (int32_t ty = 0; ty < zoom.factor; ++ty) {
        for (int32_t tx = 0; tx < zoom.factor; ++tx) {
            if (tx != 0 || ty != 0)
                BlitKeyed(backBuffer, tx * tileWidth, ty * tileHeight, backdrop, 0, 0, tileWidth, tileHeight);
        }
    }

    const MapCellCounts counts = map.CellCounts();
    const Span columns = VisibleSpan(scrollX, counts.cellsX, zoom.Columns());
    const Span rows = VisibleSpan(scrollY, counts.cellsY, zoom.Rows());
    const MapCell* layer2 = ShownLayerCells(map, shown, 2);
    const MapCell* layer1 = ShownLayerCells(map, shown, 1);
    const MapCell* layer0 = ShownLayerCells(map, shown, 0);
    // Row-major like a walk over the whole map, which keeps the overlap order.
    for (int64_t row = rows.first; row <= rows.last; ++row) {
        // Within [-40, 440]: the spans keep every cell within a cell of the view.
        const auto y = static_cast<int32_t>((row - scrollY) * cell);
        for (int64_t column = columns.first; column <= columns.last; ++column) {
            const auto x = static_cast<int32_t>((column - scrollX) * cell);
            const size_t index = static_cast<size_t>(row) * counts.cellsX + static_cast<size_t>(column);
            if (layer2 != nullptr) DrawChip(backBuffer, x, y, largeSheet, layer2[index], zoom.factor, 2 * cell);
            if (layer1 != nullptr) DrawChip(backBuffer, x, y, smallSheet, layer1[index], zoom.factor, cell);
            if (layer0 != nullptr) DrawChip(backBuffer, x, y, smallSheet, layer0[index], zoom.factor, cell);
        }
    }
}
