#include "map/core/ConflictMarks.h"

#include <algorithm>
#include <utility>

ConflictMarks::ConflictMarks(std::vector<CellConflict> cells, const std::vector<MergeField>& fieldsInConflict)
    : conflicts(std::move(cells)) {
    for (MergeField field : fieldsInConflict) fields.push_back(FieldMark{field, true});
    std::stable_sort(conflicts.begin(), conflicts.end(), [](const CellConflict& a, const CellConflict& b) {
        if (a.row != b.row) return a.row < b.row;
        if (a.column != b.column) return a.column < b.column;
        return a.layer > b.layer;
    });
    open.assign(conflicts.size(), 1);
    openCount = conflicts.size();
}

void ConflictMarks::SetOpen(size_t index, bool isOpen) {
    if (index >= open.size() || (open[index] != 0) == isOpen) return;
    open[index] = isOpen ? 1 : 0;
    openCount = isOpen ? openCount + 1 : openCount - 1;
}

size_t ConflictMarks::NextOpen(size_t index) const {
    const size_t count = conflicts.size();
    if (openCount == 0) return kNone;
    const size_t first = index >= count ? 0 : index + 1;
    for (size_t k = 0; k < count; ++k) {
        const size_t candidate = (first + k) % count;
        if (open[candidate] != 0) return candidate;
    }
    return kNone;
}

std::vector<CellPoint> ConflictMarks::OpenCells(MapCellCounts counts) const {
    std::vector<CellPoint> cells;
    for (size_t i = 0; i < conflicts.size(); ++i) {
        const CellConflict& c = conflicts[i];
        if (open[i] == 0 || c.column >= counts.cellsX || c.row >= counts.cellsY) continue;
        const CellPoint cell{static_cast<int32_t>(c.column), static_cast<int32_t>(c.row)};
        if (cells.empty() || !(cells.back() == cell)) cells.push_back(cell);  // a cell's layers follow one another
    }
    return cells;
}

std::vector<CellPoint> ConflictMarks::OpenCellsIn(const CellRect& area, MapCellCounts counts) const {
    std::vector<CellPoint> cells;
    if (area.Empty() || area.right < 0 || area.bottom < 0 || counts.cellsX == 0 || counts.cellsY == 0) return cells;
    const auto left = static_cast<uint32_t>(std::max(area.left, 0));
    const uint32_t right = std::min(static_cast<uint32_t>(area.right), counts.cellsX - 1);
    const uint32_t bottom = std::min(static_cast<uint32_t>(area.bottom), counts.cellsY - 1);
    for (auto row = static_cast<uint32_t>(std::max(area.top, 0)); row <= bottom; ++row) {
        auto at = std::lower_bound(conflicts.begin(), conflicts.end(), std::make_pair(row, left),
                                   [](const CellConflict& c, const std::pair<uint32_t, uint32_t>& place) {
                                       return c.row != place.first ? c.row < place.first : c.column < place.second;
                                   });
        for (; at != conflicts.end() && at->row == row && at->column <= right; ++at) {
            if (open[static_cast<size_t>(at - conflicts.begin())] == 0) continue;
            const CellPoint cell{static_cast<int32_t>(at->column), static_cast<int32_t>(row)};
            if (cells.empty() || !(cells.back() == cell)) cells.push_back(cell);
        }
    }
    return cells;
}

std::vector<CellConflict> ConflictMarks::OpenInFileOrder() const {
    std::vector<CellConflict> cells;
    for (size_t i = 0; i < conflicts.size(); ++i)
        if (open[i] != 0) cells.push_back(conflicts[i]);
    std::stable_sort(cells.begin(), cells.end(), [](const CellConflict& a, const CellConflict& b) {
        if (a.layer != b.layer) return a.layer > b.layer;
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    return cells;
}

size_t ConflictMarks::OpenFieldCount() const {
    size_t count = 0;
    for (const FieldMark& mark : fields) count += mark.open ? 1 : 0;
    return count;
}

std::vector<MergeField> ConflictMarks::OpenFields() const {
    std::vector<MergeField> open;
    for (const FieldMark& mark : fields)
        if (mark.open) open.push_back(mark.field);
    return open;
}
