// What keeping ours or taking theirs writes for one cell conflict (ConflictMarks.h).
#pragma once
#include "core/PaletteModel.h"
#include "map/core/CellWrite.h"
#include "map/core/MapMerge.h"
#include "map/core/MapModel.h"

// The write that takes theirs: its chip into the conflict's layer, drawn from the first palette
// cell that holds it, as an opened map's cells are. False, with no writes, when the cell lies
// outside a map of these cells (one made smaller since).
bool TakeTheirsWrites(const CellConflict& conflict, MapCellCounts counts, const PaletteModel& smallPalette,
                      const PaletteModel& largePalette, CellWrites& writes);
