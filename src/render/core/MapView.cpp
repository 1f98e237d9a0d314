#include "render/core/MapView.h"

#include <algorithm>
#include <type_traits>

#include "render/core/Blit.h"
#include "render/core/KeyedPixels.h"
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

// A chip's picture from a sheet scaled down by `factor` (1: the sheet itself), kSize pixels
// a side there. The size is the compiler's to know: at 25 % the view draws thousands of
// chips 10 and 20 pixels wide, where a loop's or a clip's own cost would show.
template <int32_t kSize, int32_t kFactor>
void DrawChip(PixelSurface& backBuffer, int32_t x, int32_t y, const PixelSurface& sheet, const MapCell& cell) {
    if (cell.chipId == 0) return;
    // A division by a constant: a division by a number known only when running would cost
    // more than the copy of a small chip's rows.
    const int32_t left = cell.srcX / kFactor;
    const int32_t top = cell.srcY / kFactor;
    if (x >= 0 && y >= 0 && x <= backBuffer.width - kSize && y <= backBuffer.height - kSize && left >= 0 &&
        top >= 0 && left <= sheet.width - kSize && top <= sheet.height - kSize && backBuffer.HasSurface() &&
        sheet.HasSurface()) {
        KeyedRowsOfWidth<kSize>(reinterpret_cast<uint8_t*>(backBuffer.Row(y) + x), backBuffer.pitch,
                                reinterpret_cast<const uint8_t*>(sheet.Row(top) + left), sheet.pitch, kSize,
                                sheet.colorKey);
        return;
    }
    // 64-bit sums, narrowed by ClipBlit's own rules: a damaged sheet position near the
    // 32-bit limit must not wrap into a rectangle elsewhere on the sheet.
    const int32_t right = static_cast<int32_t>(std::min<int64_t>(int64_t{left} + kSize, INT32_MAX));
    const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{top} + kSize, INT32_MAX));
    BlitKeyed(backBuffer, x, y, sheet, left, top, right, bottom);
}

struct ShownCells {
    const MapCell* layer2;
    const MapCell* layer1;
    const MapCell* layer0;
};

// The cells of `columns` x `rows`, kCell pixels each, row-major like a walk over the whole
// map, which keeps the overlap order.
template <int32_t kCell>
void DrawCells(PixelSurface& backBuffer, const PixelSurface& smallSheet, const PixelSurface& largeSheet,
               const ShownCells& layers, uint32_t cellsX, Span columns, Span rows, int32_t scrollX,
               int32_t scrollY) {
    constexpr int32_t kFactor = kCellSize / kCell;
    for (int64_t row = rows.first; row <= rows.last; ++row) {
        // Within a cell of the view: the spans keep every cell there.
        const auto y = static_cast<int32_t>((row - scrollY) * kCell);
        for (int64_t column = columns.first; column <= columns.last; ++column) {
            const auto x = static_cast<int32_t>((column - scrollX) * kCell);
            const size_t index = static_cast<size_t>(row) * cellsX + static_cast<size_t>(column);
            if (layers.layer2 != nullptr)
                DrawChip<2 * kCell, kFactor>(backBuffer, x, y, largeSheet, layers.layer2[index]);
            if (layers.layer1 != nullptr) DrawChip<kCell, kFactor>(backBuffer, x, y, smallSheet, layers.layer1[index]);
            if (layers.layer0 != nullptr) DrawChip<kCell, kFactor>(backBuffer, x, y, smallSheet, layers.layer0[index]);
        }
    }
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
    const ShownCells layers{ShownLayerCells(map, shown, 2), ShownLayerCells(map, shown, 1),
                            ShownLayerCells(map, shown, 0)};
    const auto draw = [&](auto cellPixels) {
        DrawCells<decltype(cellPixels)::value>(backBuffer, smallSheet, largeSheet, layers, counts.cellsX, columns,
                                               rows, scrollX, scrollY);
    };
    switch (cell) {
    case kCellSize: draw(std::integral_constant<int32_t, kCellSize>{}); break;
    case kCellSize / 2: draw(std::integral_constant<int32_t, kCellSize / 2>{}); break;
    case kCellSize / 4: draw(std::integral_constant<int32_t, kCellSize / 4>{}); break;
    default: break;  // the zoom steps are 100 %, 50 % and 25 % only
    }
}
