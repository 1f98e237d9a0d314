// The conflicts a merge left in a map, as the editor marks them: those of its cells, which
// 次の競合 visits in reading order, and those of its values besides the cells (値の競合). Each
// stays open until the designer keeps ours or takes theirs. The stage keeps them
// (StageContent), so that undoing a choice opens its conflict again.
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
    // The values in conflict, each open too, in the order given (MergeField order).
    explicit ConflictMarks(std::vector<CellConflict> cells, const std::vector<MergeField>& fieldsInConflict = {});

    bool Empty() const { return conflicts.empty() && fields.empty(); }
    // No conflict open, of a cell or of a value: the conflicts file has done its work.
    bool NoneOpen() const { return openCount == 0 && OpenFieldCount() == 0; }
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

    // ---- The values in conflict, by their index in the order given.
    size_t FieldCount() const { return fields.size(); }
    MergeField FieldAt(size_t index) const { return fields[index].field; }
    bool IsFieldOpen(size_t index) const { return index < fields.size() && fields[index].open; }
    // Opens or closes one; an index beyond the last does nothing.
    void SetFieldOpen(size_t index, bool isOpen) {
        if (index < fields.size()) fields[index].open = isOpen;
    }
    size_t OpenFieldCount() const;
    // The fields still open, in MergeField order, as a conflicts file lists them.
    std::vector<MergeField> OpenFields() const;

private:
    struct FieldMark {
        MergeField field;
        bool open;
    };
    std::vector<FieldMark> fields;
    std::vector<CellConflict> conflicts;
    std::vector<uint8_t> open;  // 1 while the conflict at the same index is open
    size_t openCount = 0;
};
