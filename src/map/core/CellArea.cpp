#include "map/core/CellArea.h"

#include <algorithm>

CellRect RectBetween(CellPoint a, CellPoint b) {
    return CellRect{std::min(a.column, b.column), std::min(a.row, b.row),
                    std::max(a.column, b.column), std::max(a.row, b.row)};
}

CellRect ClipToMap(const CellRect& rect, MapCellCounts counts) {
    if (rect.Empty() || counts.cellsX == 0 || counts.cellsY == 0) return CellRect{};
    // The counts stay below 2^20 (kMaxMapCells), so they fit int32_t.
    const auto lastColumn = static_cast<int32_t>(counts.cellsX - 1);
    const auto lastRow = static_cast<int32_t>(counts.cellsY - 1);
    CellRect clipped{std::max(rect.left, 0), std::max(rect.top, 0),
                     std::min(rect.right, lastColumn), std::min(rect.bottom, lastRow)};
    return clipped.Empty() ? CellRect{} : clipped;
}

bool InMap(CellPoint cell, MapCellCounts counts) {
    return cell.column >= 0 && cell.row >= 0 && static_cast<uint32_t>(cell.column) < counts.cellsX &&
           static_cast<uint32_t>(cell.row) < counts.cellsY;
}
