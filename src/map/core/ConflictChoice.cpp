#include "map/core/ConflictChoice.h"

#include <utility>

#include "map/core/DocumentCells.h"

bool TakeTheirsWrites(const CellConflict& conflict, MapCellCounts counts, const PaletteModel& smallPalette,
                      const PaletteModel& largePalette, CellWrites& writes) {
    writes.clear();
    if (conflict.column >= counts.cellsX || conflict.row >= counts.cellsY || conflict.layer > 2) return false;
    const int32_t layer = conflict.layer;
    const PaletteModel& palette = layer == 2 ? largePalette : smallPalette;
    const uint32_t id = conflict.theirs.present ? conflict.theirs.id : 0;
    writes.push_back(CellWrite{conflict.row * counts.cellsX + conflict.column, conflict.layer,
                               id == 0 ? MapCell{} : CellFromChipId(id, layer, palette)});
    return true;
}

bool SettingsTakingTheirs(const StageSettings& settings, const MapDocument& theirs, MergeField field,
                          StageSettings& taken) {
    if (field == MergeField::kSize) return false;
    // The settings as a document's values, given theirs' one by the merge's own copy.
    MapDocument values;
    values.startX = settings.startX;
    values.startY = settings.startY;
    values.startUnspecified = settings.startUnspecified;
    values.SetStage(settings.numbers);
    values.comment.assign(settings.comment.begin(), settings.comment.end());
    CopyField(theirs, field, values);
    StageSettings result;
    if (!CommentFromBytes(reinterpret_cast<const char*>(values.comment.data()),
                          static_cast<int32_t>(values.comment.size()), result.comment))
        return false;
    result.startX = values.startX;
    result.startY = values.startY;
    result.startUnspecified = values.startUnspecified;
    result.numbers = values.Stage();
    taken = std::move(result);
    return true;
}
