#include "map/core/MapMerge.h"

namespace {

constexpr MergeField kFieldsAfterSize[] = {MergeField::kStart,           MergeField::kTargetTime,
                                           MergeField::kTimeLimit,       MergeField::kBackgroundImage,
                                           MergeField::kMusic,           MergeField::kComment};

std::vector<uint32_t>& IdsOfLayer(MapDocument& doc, int layer) {
    return layer == 2 ? doc.layer2Ids : layer == 1 ? doc.layer1Ids : doc.layer0Ids;
}
const std::vector<uint32_t>& IdsOfLayer(const MapDocument& doc, int layer) {
    return IdsOfLayer(const_cast<MapDocument&>(doc), layer);
}

// One side's layer as the merge reads it: a cell outside the side's map is none.
class SideLayer {
public:
    SideLayer(const MapDocument& doc, int layer)
        : ids_(IdsOfLayer(doc, layer)), columns_(doc.CellsX()), rows_(doc.CellsY()) {}
    MergeCellValue At(uint32_t column, uint32_t row) const {
        if (column >= columns_ || row >= rows_) return {};
        const size_t index = size_t{row} * columns_ + column;
        // A layer shorter than the size (never from the readers) reads as empty, as the writer
        // writes it.
        return MergeCellValue{true, index < ids_.size() ? ids_[index] : 0};
    }

private:
    const std::vector<uint32_t>& ids_;
    uint32_t columns_, rows_;
};

// True when `side`, of the base's size, changed a cell of the base that a map of `columns` x
// `rows` cells would not hold.
bool ChangesCellsBeyond(const MapDocument& base, const MapDocument& side, uint32_t columns,
                        uint32_t rows) {
    for (int layer = 0; layer < 3; ++layer) {
        const SideLayer was(base, layer), now(side, layer);
        for (uint32_t row = 0; row < base.CellsY(); ++row) {
            for (uint32_t column = row < rows ? columns : 0; column < base.CellsX(); ++column) {
                if (!(was.At(column, row) == now.At(column, row))) return true;
            }
        }
    }
    return false;
}

bool CellsBeyond(const MapDocument& base, const MapDocument& side, const MapDocument& sized) {
    return ChangesCellsBeyond(base, side, sized.CellsX(), sized.CellsY());
}

// Which side's size the merged map takes, recording a conflict of the size.
const MapDocument& MergedSize(const MapDocument& base, const MapDocument& ours,
                              const MapDocument& theirs, MergeConflicts& conflicts) {
    const bool oursChanged = !SameField(base, ours, MergeField::kSize);
    const bool theirsChanged = !SameField(base, theirs, MergeField::kSize);
    const bool alike = SameField(ours, theirs, MergeField::kSize);
    if (alike || (!oursChanged && !CellsBeyond(base, ours, theirs))) return alike ? ours : theirs;
    if (!theirsChanged && !CellsBeyond(base, theirs, ours)) return ours;
    conflicts.fields.push_back(MergeField::kSize);
    return ours;
}

bool SameCells(const MapDocument& a, const MapDocument& b) {
    return a.CellsX() == b.CellsX() && a.CellsY() == b.CellsY();
}

// The layer when all three maps have the merged map's cells, as they mostly have: a side
// that left the layer as it was gives the other's whole, else one pass over the three arrays.
bool MergeLayerOfOneSize(const MapDocument& base, const MapDocument& ours, const MapDocument& theirs,
                         int layer, MapDocument& merged, MergeConflicts& conflicts) {
    const std::vector<uint32_t>& b = IdsOfLayer(base, layer);
    const std::vector<uint32_t>& o = IdsOfLayer(ours, layer);
    const std::vector<uint32_t>& t = IdsOfLayer(theirs, layer);
    const size_t cells = merged.CellCount();
    if (!SameCells(base, merged) || !SameCells(ours, merged) || !SameCells(theirs, merged) ||
        b.size() != cells || o.size() != cells || t.size() != cells)
        return false;
    std::vector<uint32_t>& ids = IdsOfLayer(merged, layer);
    if (o == b || t == b) {
        ids = o == b ? t : o;
        return true;
    }
    ids.resize(cells);
    const uint32_t columns = merged.CellsX();
    for (size_t i = 0; i < cells; ++i) {
        const uint32_t was = b[i], one = o[i], other = t[i];
        ids[i] = one != was ? one : other;
        if (one != was && other != was && other != one) {
            conflicts.cells.push_back(CellConflict{static_cast<uint32_t>(i % columns),
                                                   static_cast<uint32_t>(i / columns),
                                                   static_cast<uint8_t>(layer), {true, was},
                                                   {true, one}, {true, other}});
        }
    }
    return true;
}

void MergeLayer(const MapDocument& base, const MapDocument& ours, const MapDocument& theirs,
                int layer, MapDocument& merged, MergeConflicts& conflicts) {
    if (MergeLayerOfOneSize(base, ours, theirs, layer, merged, conflicts)) return;
    const SideLayer b(base, layer), o(ours, layer), t(theirs, layer);
    std::vector<uint32_t>& ids = IdsOfLayer(merged, layer);
    const uint32_t columns = merged.CellsX();
    ids.assign(merged.CellCount(), 0);
    for (uint32_t row = 0; row < merged.CellsY(); ++row) {
        for (uint32_t column = 0; column < columns; ++column) {
            const MergeCellValue was = b.At(column, row), one = o.At(column, row),
                                 other = t.At(column, row);
            // A side changed the cell when it holds another chip than the base; where the base
            // has no such cell, the cell started empty, as a resize makes it.
            const bool oursChanged = one.present && one.id != was.id;
            const bool theirsChanged = other.present && other.id != was.id;
            uint32_t id = was.id;
            if (oursChanged) {
                id = one.id;
                if (theirsChanged && other.id != one.id) {
                    conflicts.cells.push_back(CellConflict{column, row, static_cast<uint8_t>(layer),
                                                           was, one, other});
                }
            } else if (theirsChanged) {
                id = other.id;
            }
            ids[size_t{row} * columns + column] = id;
        }
    }
}

MapDocument WithoutCells(const MapDocument& doc) {
    MapDocument fields;
    for (int layer = 0; layer < 3; ++layer) IdsOfLayer(fields, layer).clear();
    CopyField(doc, MergeField::kSize, fields);
    for (MergeField field : kFieldsAfterSize) CopyField(doc, field, fields);
    return fields;
}

}  // namespace

const char* MergeFieldKey(MergeField field) {
    static const char* const kKeys[kMergeFieldCount] = {
        "size", "start", "targetTime", "timeLimit", "backgroundImage", "music", "comment"};
    return kKeys[static_cast<int>(field)];
}

bool SameField(const MapDocument& a, const MapDocument& b, MergeField field) {
    switch (field) {
        case MergeField::kSize: return a.mapWidth == b.mapWidth && a.mapHeight == b.mapHeight;
        case MergeField::kStart:
            return a.startUnspecified == b.startUnspecified &&
                   (a.startUnspecified || (a.startX == b.startX && a.startY == b.startY));
        case MergeField::kTargetTime: return a.targetTime == b.targetTime;
        case MergeField::kTimeLimit: return a.timeLimit == b.timeLimit;
        case MergeField::kBackgroundImage: return a.backgroundImage == b.backgroundImage;
        case MergeField::kMusic: return a.music == b.music;
        case MergeField::kComment: return a.comment == b.comment;
    }
    return true;
}

void CopyField(const MapDocument& from, MergeField field, MapDocument& to) {
    switch (field) {
        case MergeField::kSize:
            to.mapWidth = from.mapWidth;
            to.mapHeight = from.mapHeight;
            break;
        case MergeField::kStart:
            to.startX = from.startX;
            to.startY = from.startY;
            to.startUnspecified = from.startUnspecified;
            break;
        case MergeField::kTargetTime: to.targetTime = from.targetTime; break;
        case MergeField::kTimeLimit: to.timeLimit = from.timeLimit; break;
        case MergeField::kBackgroundImage: to.backgroundImage = from.backgroundImage; break;
        case MergeField::kMusic: to.music = from.music; break;
        case MergeField::kComment: to.comment = from.comment; break;
    }
}

MapMergeResult MergeMaps(const MapDocument& base, const MapDocument& ours, const MapDocument& theirs) {
    MapMergeResult result;
    MergeConflicts& conflicts = result.conflicts;
    MapDocument& merged = result.merged;
    CopyField(MergedSize(base, ours, theirs, conflicts), MergeField::kSize, merged);
    for (MergeField field : kFieldsAfterSize) {
        const bool oursChanged = !SameField(base, ours, field);
        CopyField(oursChanged ? ours : theirs, field, merged);
        if (oursChanged && !SameField(base, theirs, field) && !SameField(ours, theirs, field))
            conflicts.fields.push_back(field);
    }
    for (int layer = 2; layer >= 0; --layer) MergeLayer(base, ours, theirs, layer, merged, conflicts);
    conflicts.mapWidth = merged.mapWidth;
    conflicts.mapHeight = merged.mapHeight;
    conflicts.base = WithoutCells(base);
    conflicts.ours = WithoutCells(ours);
    conflicts.theirs = WithoutCells(theirs);
    return result;
}
