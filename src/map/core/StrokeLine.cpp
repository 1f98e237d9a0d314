#include "map/core/StrokeLine.h"

#include <cstdlib>

#include "map/core/ChipPainting.h"
#include "map/core/CoveringChips.h"

std::vector<CellPoint> CellsOnLine(CellPoint from, CellPoint to) {
    const int64_t dx = int64_t{to.column} - from.column;
    const int64_t dy = int64_t{to.row} - from.row;
    const int64_t nx = std::llabs(dx);
    const int64_t ny = std::llabs(dy);
    const int32_t stepX = dx < 0 ? -1 : 1;
    const int32_t stepY = dy < 0 ? -1 : 1;
    std::vector<CellPoint> cells;
    cells.reserve(static_cast<size_t>(nx + ny + 1));
    CellPoint cell = from;
    cells.push_back(cell);
    // After ix column steps and iy row steps, the segment next crosses a cell side at the
    // fraction (ix + 1/2) / nx of its length vertically and (iy + 1/2) / ny horizontally; the
    // earlier crossing is the next step. Compared as (1 + 2 ix) ny against (1 + 2 iy) nx, in
    // integers, so no rounding decides a step; a tie is the corner, where the column goes first.
    for (int64_t ix = 0, iy = 0; ix < nx || iy < ny;) {
        const int64_t columnCrossing = (1 + 2 * ix) * ny;
        const int64_t rowCrossing = (1 + 2 * iy) * nx;
        if (ix < nx && columnCrossing <= rowCrossing) {
            cell.column += stepX;
            ++ix;
        } else {
            cell.row += stepY;
            ++iy;
        }
        cells.push_back(cell);
    }
    return cells;
}

CellWrites PenCellWrites(const MapModel& map, const ChipEntry& chip, CellPoint strokeStart,
                         CellPoint cell, const CellWrites& pending) {
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(cell, counts)) return {};
    const PaintKind kind = PaintKindOf(chip);
    if (kind == PaintKind::kEraser) return EraseCellWrites(map, cell, pending);
    if (kind == PaintKind::kNothing) return {};
    if (kind == PaintKind::kLarge && !OnLargeChipStride(strokeStart, cell)) return {};
    CellWrites writes;
    AppendIfChanged(map, IndexOf(cell, counts), static_cast<int>(chip.layer), CellOf(chip), writes);
    return writes;
}

namespace {

// The pen's writes on the cells of the line from `first` on, each cell seeing those before it.
CellWrites LineCellWrites(const MapModel& map, const ChipEntry& chip, CellPoint strokeStart,
                          const std::vector<CellPoint>& cells, size_t first, const CellRect& paintable) {
    CellWrites writes;
    for (size_t i = first; i < cells.size(); ++i) {
        if (!Contains(paintable, cells[i])) continue;
        const CellWrites cellWrites = PenCellWrites(map, chip, strokeStart, cells[i], writes);
        writes.insert(writes.end(), cellWrites.begin(), cellWrites.end());
    }
    return writes;
}

}  // namespace

CellWrites StrokeSegmentWrites(const MapModel& map, const ChipEntry& chip, CellPoint strokeStart,
                               CellPoint from, CellPoint to, const CellRect& paintable) {
    return LineCellWrites(map, chip, strokeStart, CellsOnLine(from, to), 1, paintable);
}

CellWrites LineWrites(const MapModel& map, const ChipEntry& chip, CellPoint from, CellPoint to,
                      const CellRect& paintable) {
    return LineCellWrites(map, chip, from, CellsOnLine(from, to), 0, paintable);
}

bool LastCellLaidDown(const MapModel& map, const ChipEntry& chip, CellPoint strokeStart,
                      CellPoint from, CellPoint to, const CellRect& paintable, CellPoint& cell) {
    const PaintKind kind = PaintKindOf(chip);
    if (kind == PaintKind::kNothing) return false;
    const std::vector<CellPoint> cells = CellsOnLine(from, to);
    for (size_t i = cells.size(); i-- > 0;) {
        const CellPoint c = cells[i];
        if (!Contains(paintable, c) || !InMap(c, map.CellCounts())) continue;
        if (kind == PaintKind::kLarge && !OnLargeChipStride(strokeStart, c)) continue;
        cell = c;
        return true;
    }
    return false;
}
