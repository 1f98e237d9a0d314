#include "map/core/DragPainting.h"

#include "render/core/ViewGeometry.h"

void DragPainting::Begin(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY) {
    active = true;
    inCell = false;
    Enters(x, y, scrollX, scrollY);
}

bool DragPainting::Enters(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY) {
    if (!active) return false;
    if (x < 0 || y < 0 || x >= kViewWidth || y >= kViewHeight) {
        inCell = false;
        return false;
    }
    const int64_t newColumn = int64_t{scrollX} + x / kCellSize;
    const int64_t newRow = int64_t{scrollY} + y / kCellSize;
    if (inCell && newColumn == column && newRow == row) return false;
    inCell = true;
    column = newColumn;
    row = newRow;
    return true;
}
