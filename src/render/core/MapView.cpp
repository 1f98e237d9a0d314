#include "render/core/MapView.h"

#include <algorithm>

#include "render/core/Blit.h"
#include "render/core/ViewGeometry.h"

namespace {

constexpr int32_t kLargeChipSize = 2 * kCellSize;

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

void DrawChip(PixelSurface& backBuffer, int32_t x, int32_t y, const PixelSurface& sheet,
              const MapCell& cell, int32_t size) {
    if (cell.chipId == 0) return;
    // 64-bit sums, narrowed by ClipBlit's own rules: a damaged sheet position near the
    // 32-bit limit must not wrap into a rectangle elsewhere on the sheet.
    const int32_t right = static_cast<int32_t>(std::min<int64_t>(int64_t{cell.srcX} + size, INT32_MAX));
    const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{cell.srcY} + size, INT32_MAX));
    BlitKeyed(backBuffer, x, y, sheet, cell.srcX, cell.srcY, right, bottom);
}

}  // namespace

void ComposeMapView(PixelSurface& backBuffer, const PixelSurface& backdrop,
                    const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                    const MapModel& map, int32_t scrollX, int32_t scrollY,
                    const LayerVisibility& shown) {
    if (!map.HasLayers()) return;
    ClearThenBlitKeyed(backBuffer, backdrop, kViewWidth, kViewHeight);

    const MapCellCounts counts = map.CellCounts();
    const Span columns = VisibleSpan(scrollX, counts.cellsX, kViewColumns);
    const Span rows = VisibleSpan(scrollY, counts.cellsY, kViewRows);
    const MapCell* layer2 = ShownLayerCells(map, shown, 2);
    const MapCell* layer1 = ShownLayerCells(map, shown, 1);
    const MapCell* layer0 = ShownLayerCells(map, shown, 0);
    // Row-major like a walk over the whole map, which keeps the overlap order.
    for (int64_t row = rows.first; row <= rows.last; ++row) {
        // Within [-40, 440]: the spans keep every cell within a cell of the view.
        const auto y = static_cast<int32_t>((row - scrollY) * kCellSize);
        for (int64_t column = columns.first; column <= columns.last; ++column) {
            const auto x = static_cast<int32_t>((column - scrollX) * kCellSize);
            const size_t index = static_cast<size_t>(row) * counts.cellsX + static_cast<size_t>(column);
            if (layer2 != nullptr) DrawChip(backBuffer, x, y, largeSheet, layer2[index], kLargeChipSize);
            if (layer1 != nullptr) DrawChip(backBuffer, x, y, smallSheet, layer1[index], kCellSize);
            if (layer0 != nullptr) DrawChip(backBuffer, x, y, smallSheet, layer0[index], kCellSize);
        }
    }
}
