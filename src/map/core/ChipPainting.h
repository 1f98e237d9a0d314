// What the selected chip writes into a cell, shared by the pen, the fills and the stamp:
// which layer it goes to, the cell value it makes, and writes that are left out when they
// would change nothing.
#pragma once
#include <cstdint>

#include "core/ChipEntry.h"
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"

constexpr int kLargeChipLayer = 2;

// What painting with a chip does to a cell.
enum class PaintKind {
    kNothing,  // a chip naming a layer beyond 2: the palettes never hand one out
    kSmall,    // layer 0 or 1
    kLarge,    // layer 2, covering the cell and its right, lower and lower-right neighbours
    kEraser,   // chip id 0, whatever its layer: all three layers of the cell are emptied
};

PaintKind PaintKindOf(const ChipEntry& chip);

// The cell a chip makes: its id and sheet position.
inline MapCell CellOf(const ChipEntry& chip) {
    return MapCell{chip.chipId, static_cast<int32_t>(chip.srcX), static_cast<int32_t>(chip.srcY)};
}

// Appends the write unless the cell already holds that value. Two empty cells count as
// equal whatever sheet positions they keep: nothing draws or saves those.
void AppendIfChanged(const MapModel& map, uint32_t index, int layer, const MapCell& cell,
                     CellWrites& writes);

// Appends the writes that empty all three layers of the cell, those already empty left out.
void AppendErase(const MapModel& map, uint32_t index, CellWrites& writes);
