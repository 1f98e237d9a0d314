#include "render/core/ViewCentering.h"

#include "core/IntegerMath.h"
#include "render/core/Scrolling.h"

namespace {

// The offset that puts `pixel` nearest the middle of `viewCells` cells: round((pixel -
// middle) / 40), halves rounded up.
int64_t CentredOffset(int64_t pixel, int32_t viewCells) {
    const int64_t middle = int64_t{viewCells} * kCellSize / 2;
    return FloorDivide(pixel - middle + kCellSize / 2, kCellSize);
}

}  // namespace

ViewOffsets CentreViewOn(MapPoint point, MapCellCounts counts, ViewZoom zoom) {
    return ViewOffsets{ScrollKeptInMap(CentredOffset(point.x, zoom.Columns()), counts.cellsX, zoom.Columns()),
                       ScrollKeptInMap(CentredOffset(point.y, zoom.Rows()), counts.cellsY, zoom.Rows())};
}

ViewOffsets ZoomAroundPoint(int32_t x, int32_t y, ViewOffsets now, ViewZoom from, ViewZoom zoom,
                            MapCellCounts counts) {
    const int64_t column = int64_t{now.scrollX} + FloorDivide(x, from.CellPixels());
    const int64_t row = int64_t{now.scrollY} + FloorDivide(y, from.CellPixels());
    return ViewOffsets{ScrollKeptInMap(column - FloorDivide(x, zoom.CellPixels()), counts.cellsX, zoom.Columns()),
                       ScrollKeptInMap(row - FloorDivide(y, zoom.CellPixels()), counts.cellsY, zoom.Rows())};
}
