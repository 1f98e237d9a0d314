// The three-way merge of maps, as a version control system's merge driver needs it: two
// designers changed copies of one stage (ours and theirs) that started from a common version
// (base), and what each changed is put together.
//
// Every value is merged on its own: the size, the start position (with whether it is
// specified, as one value: the file stores 2400, 2400 for "not specified", so the position of
// an unspecified start is not the designer's), each of the four stage numbers, the comment,
// and each cell of each layer by column and row. A value only one side changed takes that
// side's; one both changed alike takes it; one they changed differently is a conflict, which
// keeps ours and is recorded.
//
// Sizes. When only one side changed the size, the merged map has that size, and cells merge by
// column and row. A cell outside the base's area is changed on the side that has it: it started
// empty, as a resize makes it, so a chip there is that side's change, and two sides that both
// added the cell conflict only over two different chips. Two different new sizes are a
// conflict of the size, which keeps ours. A new size that would drop cells the other side
// changed is a conflict of the size too (ours kept), so that no change is lost unrecorded:
// every conflict is then a field or a cell inside the merged map.
#pragma once
#include <cstdint>
#include <vector>

#include "map/core/MapDocument.h"

// The values merged besides the cells, in the order they are listed.
enum class MergeField : uint8_t {
    kSize,
    kStart,
    kTargetTime,
    kTimeLimit,
    kBackgroundImage,
    kMusic,
    kComment,
};
constexpr int kMergeFieldCount = 7;

// The field's key in the conflicts file and the JSON form of maps ("size", "start",
// "targetTime", ...).
const char* MergeFieldKey(MergeField field);

// A cell's chip id on one side, or none where that side's map has no such cell.
struct MergeCellValue {
    bool present = false;
    uint32_t id = 0;
};

inline bool operator==(const MergeCellValue& a, const MergeCellValue& b) {
    return a.present == b.present && (!a.present || a.id == b.id);
}

// A cell both sides changed differently. Ours and theirs always hold the cell (a side that
// has no such cell did not change it); the base may not, when both sides added it.
struct CellConflict {
    uint32_t column = 0;
    uint32_t row = 0;
    uint8_t layer = 0;
    MergeCellValue base, ours, theirs;
};

inline bool operator==(const CellConflict& a, const CellConflict& b) {
    return a.column == b.column && a.row == b.row && a.layer == b.layer && a.base == b.base &&
           a.ours == b.ours && a.theirs == b.theirs;
}

// What a merge could not decide, and what a conflicts file holds. The three documents'
// values besides their cells (their layers are left empty) give each conflicting field's three
// values; fields not listed in `fields` mean nothing there.
struct MergeConflicts {
    int32_t mapWidth = 0;   // the merged map's size, which the conflicts belong to
    int32_t mapHeight = 0;
    MapDocument base, ours, theirs;
    std::vector<MergeField> fields;   // in MergeField order
    std::vector<CellConflict> cells;  // layer 2, 1, 0, each row by row

    bool Empty() const { return fields.empty() && cells.empty(); }
};

struct MapMergeResult {
    MapDocument merged;
    MergeConflicts conflicts;
};

// True when the field holds the same value in both documents (the start position as one
// value, the position not counted when unspecified).
bool SameField(const MapDocument& a, const MapDocument& b, MergeField field);
// Gives `to` the field's value of `from`.
void CopyField(const MapDocument& from, MergeField field, MapDocument& to);

MapMergeResult MergeMaps(const MapDocument& base, const MapDocument& ours, const MapDocument& theirs);
