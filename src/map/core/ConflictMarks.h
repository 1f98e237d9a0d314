// The cell conflicts a merge left in a map, as the editor marks them: each stays open until
// the designer keeps ours or takes theirs, and 次の競合 visits the open ones in reading order.
// The stage keeps them (StageContent), so that undoing a choice opens its conflict again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/core/CellArea.h"
#include "map/core/MapMerge.h"
#include "map/core/MapModel.h"

class ConflictMarks {
public:
    static constexpr size_t kNone = SIZE_MAX;

    ConflictMarks() = default;
    // Every conflict open, in reading order: row by row, left to right, and in one cell the
    // layers from the top (2, 1, 0), as the designer sees them.
    explicit ConflictMarks(std::vector<CellConflict> cells);

    bool Empty() const { return conflicts.empty(); }
    size_t Count() const { return conflicts.size(); }
    size_t OpenCount() const { return openCount; }
    const CellConflict& At(size_t index) const { return conflicts[index]; }
    bool IsOpen(size_t index) const { return index < open.size() && open[index] != 0; }
    // Opens or closes one conflict; an index beyond the last does nothing.
    void SetOpen(size_t index, bool isOpen);

    // The first open conflict after `index` in reading order, going round to the first after
    // the last one; from the first when index is kNone. kNone when none is open.
    size_t NextOpen(size_t index) const;
    // The cells holding an open conflict that lie inside the map, each once, in reading order.
    std::vector<CellPoint> OpenCells(MapCellCounts counts) const;
    // The same, only those within `area` (the view's cells): found by row in the reading order,
    // so that drawing the view costs what it shows, however many conflicts the map has.
    std::vector<CellPoint> OpenCellsIn(const CellRect& area, MapCellCounts counts) const;
    // The open conflicts in the order a conflicts file lists them (layer 2, 1, 0, each row by
    // row), so that a map saved with some resolved keeps a file of those still open.
    std::vector<CellConflict> OpenInFileOrder() const;

private:
    std::vector<CellConflict> conflicts;
    std::vector<uint8_t> open;  // 1 while the conflict at the same index is open
    size_t openCount = 0;
};
