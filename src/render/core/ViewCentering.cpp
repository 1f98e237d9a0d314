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

ViewOffsets CentreViewOn(MapPoint point, MapCellCounts counts) {
    return ViewOffsets{ScrollKeptInMap(CentredOffset(point.x, kViewColumns), counts.cellsX, kViewColumns),
                       ScrollKeptInMap(CentredOffset(point.y, kViewRows), counts.cellsY, kViewRows)};
}
