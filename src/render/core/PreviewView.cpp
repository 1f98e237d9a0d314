#include "render/core/PreviewView.h"

#include <algorithm>

#include "render/core/MapView.h"
#include "render/core/ViewGeometry.h"

namespace {

// Map cells [first, end) along one axis that the view can draw: its own cells and the one
// before them (a large chip there reaches into the view), within the map.
struct Range {
    int64_t first;
    int64_t end;
};

Range DrawnRange(int32_t scroll, uint32_t cells, int32_t viewCells) {
    return Range{std::clamp<int64_t>(int64_t{scroll} - 1, 0, cells),
                 std::clamp<int64_t>(int64_t{scroll} + viewCells, 0, cells)};
}

}  // namespace

void ComposeMapViewWith(PixelSurface& backBuffer, const PixelSurface& backdrop,
                        const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                        const MapModel& map, int32_t scrollX, int32_t scrollY,
                        const LayerVisibility& shown, const CellWrites& pending, ViewZoom zoom) {
    if (!map.HasLayers()) return;
    const MapCellCounts counts = map.CellCounts();
    const Range columns = DrawnRange(scrollX, counts.cellsX, zoom.Columns());
    const Range rows = DrawnRange(scrollY, counts.cellsY, zoom.Rows());
    MapModel window;
    const auto width = static_cast<int32_t>((columns.end - columns.first) * kCellSize);
    const auto height = static_cast<int32_t>((rows.end - rows.first) * kCellSize);
    if (pending.empty() || width == 0 || height == 0 || !window.MakeEmpty(width, height)) {
        ComposeMapView(backBuffer, backdrop, smallSheet, largeSheet, map, scrollX, scrollY, shown, zoom);
        return;
    }
    const uint32_t windowColumns = window.CellCounts().cellsX;
    for (int layer = 0; layer < 3; ++layer) {
        const MapCell* from = map.Layer(layer);
        MapCell* to = window.Layer(layer);
        for (int64_t row = rows.first; row < rows.end; ++row) {
            const MapCell* source = from + static_cast<size_t>(row) * counts.cellsX + columns.first;
            std::copy(source, source + (columns.end - columns.first),
                      to + static_cast<size_t>(row - rows.first) * windowColumns);
        }
    }
    for (const CellWrite& write : pending) {
        if (write.layer > 2 || write.index >= map.CellCount()) continue;
        const int64_t column = write.index % counts.cellsX;
        const int64_t row = write.index / counts.cellsX;
        if (column < columns.first || column >= columns.end || row < rows.first || row >= rows.end)
            continue;
        window.Layer(write.layer)[static_cast<size_t>(row - rows.first) * windowColumns +
                                  static_cast<size_t>(column - columns.first)] = write.cell;
    }
    ComposeMapView(backBuffer, backdrop, smallSheet, largeSheet, window,
                   static_cast<int32_t>(scrollX - columns.first),
                   static_cast<int32_t>(scrollY - rows.first), shown, zoom);
}
