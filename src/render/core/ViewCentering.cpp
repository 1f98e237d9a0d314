#include "render/core/ViewCentering.h"

#include <algorithm>

namespace {

// floor(a / b) for b > 0, also for a negative a.
int64_t FloorDivide(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The offset that puts `pixel` nearest the middle of `viewCells` cells: round((pixel -
// middle) / 40), halves rounded up.
int64_t CentredOffset(int64_t pixel, int32_t viewCells) {
    const int64_t middle = int64_t{viewCells} * kCellSize / 2;
    return FloorDivide(pixel - middle + kCellSize / 2, kCellSize);
}

}  // namespace

int32_t KeepInsideMap(int64_t scroll, uint32_t cells, int32_t viewCells) {
    const int64_t limit = std::max<int64_t>(int64_t{cells} - viewCells, 0);
    return static_cast<int32_t>(std::clamp<int64_t>(scroll, 0, limit));
}

ViewOffsets CentreViewOn(MapPoint point, MapCellCounts counts) {
    return ViewOffsets{KeepInsideMap(CentredOffset(point.x, kViewColumns), counts.cellsX, kViewColumns),
                       KeepInsideMap(CentredOffset(point.y, kViewRows), counts.cellsY, kViewRows)};
}
