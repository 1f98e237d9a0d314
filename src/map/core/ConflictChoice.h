// What taking theirs writes for one cell conflict, or sets for one conflict of a value
// (ConflictMarks.h); keeping ours writes nothing.
#pragma once
#include "core/PaletteModel.h"
#include "map/core/CellWrite.h"
#include "map/core/MapMerge.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"
#include "map/core/StageSettings.h"

// The write that takes theirs: its chip into the conflict's layer, drawn from the first palette
// cell that holds it, as an opened map's cells are. False, with no writes, when the cell lies
// outside a map of these cells (one made smaller since).
bool TakeTheirsWrites(const CellConflict& conflict, MapCellCounts counts, const PaletteModel& smallPalette,
                      const PaletteModel& largePalette, CellWrites& writes);
// The settings with theirs' value of `field`, everything else as in `settings`: the start
// position with its flag as one value, a stage number, or the comment (its bytes before a
// zero). False, leaving `taken`, for the size, which is no setting: taking it would resize
// the map, so a size conflict can only keep ours.
bool SettingsTakingTheirs(const StageSettings& settings, const MapDocument& theirs, MergeField field,
                          StageSettings& taken);
