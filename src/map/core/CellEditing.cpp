#include "map/core/CellEditing.h"

bool CellAt(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x, int32_t y,
            uint32_t& index) {
    // 64 bits: offsets and points far outside the view must not wrap into the map.
    const int64_t column = int64_t{scrollX} + x / kCellSize;
    const int64_t row = int64_t{scrollY} + y / kCellSize;
    const MapCellCounts counts = map.CellCounts();
    // A column past the right edge would otherwise name a cell of the next row, and a
    // negative one a cell of the previous row or none at all.
    if (column < 0 || column >= counts.cellsX || row < 0 || row >= counts.cellsY) return false;
    index = static_cast<uint32_t>(row * counts.cellsX + column);
    return true;
}
