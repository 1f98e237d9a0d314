#include "map/core/ConflictChoice.h"

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
