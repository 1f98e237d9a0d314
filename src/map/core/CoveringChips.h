// What the designer sees in a cell. A large chip is stored in one cell but drawn over that
// cell and the cells to its right, below and below-right, so a cell can show a large chip
// stored in its left, upper or upper-left neighbour. These rules find the chip drawn last
// over a cell, in the view's order, for the right-click pick and for the eraser.
#pragma once
#include <cstdint>

#include "map/core/CellArea.h"
#include "map/core/CellEditing.h"
#include "map/core/CellWrite.h"
#include "map/core/LayerVisibility.h"
#include "map/core/MapModel.h"

// A chip as stored: the cell holding it and its layer.
struct StoredChip {
    uint32_t index = 0;
    int layer = 0;
};

// The chip drawn on top in the cell. The view draws cells in row-major order, each cell's
// layers 2, 1, 0, so the order from the top is: the cell's own layers 0, 1, 2, then the large
// chips of the left, upper and upper-left neighbours. False when the cell shows no chip or
// lies outside the map. `pending` are writes not yet applied, read as if they were. A layer
// that `shown` hides is not drawn, so its chips are passed over.
bool TopmostDrawnChip(const MapModel& map, CellPoint cell, StoredChip& found,
                      const CellWrites& pending = {}, const LayerVisibility& shown = {});

// The large chip of a neighbour that is drawn on top over the cell: left, upper, then
// upper-left. False when none covers it, or when `shown` hides the large chips' layer.
bool CoveringLargeChip(const MapModel& map, CellPoint cell, StoredChip& found,
                       const CellWrites& pending = {}, const LayerVisibility& shown = {});

// Right click: the chip drawn on top in the cell under view point (x, y), a large chip that
// covers the cell from a neighbour included; the eraser when the cell shows none. Chips of
// the layers `shown` hides are not seen.
PickResult PickDrawnChip(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x,
                         int32_t y, const LayerVisibility& shown = {});

// The eraser on one cell: its three layers emptied, and the large chip that covers it from a
// neighbour (the one a right click would pick once the cell's own layers are empty) removed.
// `pending` are writes not yet applied, read as if they were, as in a stroke.
CellWrites EraseCellWrites(const MapModel& map, CellPoint cell, const CellWrites& pending = {});

// How many of the chips the writes lay down will be drawn under a chip of an upper layer in at
// least one cell once they are written: a small chip of layer 1 under a chip of layer 0 in its
// cell, a large chip under a small chip of layer 0 or 1 in any of the four cells it covers. The
// map is read as the writes leave it, the last write of a cell counting; a write that empties
// a cell, or lies outside the map, counts for nothing. Nothing is refused for it: the layers
// panel only says so.
uint32_t CoveredChipWrites(const MapModel& map, const CellWrites& writes);

// The cells of each layer that hold a chip, layer 0 first.
struct LayerChipCounts {
    uint64_t cells[3] = {0, 0, 0};
};
LayerChipCounts CountLayerChips(const MapModel& map);
// The counts of `map` made those of the map the writes leave, from the written cells alone: what
// a click costs does not grow with the map.
void CountWrittenChips(const MapModel& map, const CellWrites& writes, LayerChipCounts& counts);
