// What the rectangle and the bucket fill write with the selected chip. Both read the map and
// return the writes, which the stage applies as one undoable step; writes that would change
// nothing are left out, so a fill that changes nothing returns none.
#pragma once
#include "core/ChipEntry.h"
#include "map/core/CellArea.h"
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"

// The rectangle between the drag's first cell and its last, clipped to the map. Small chips go
// into their layer in every cell; large chips on every second column and row counted from
// `start`; the eraser (chip id 0) empties all three layers of every cell.
CellWrites RectangleFillWrites(const MapModel& map, const ChipEntry& chip, CellPoint start,
                               CellPoint end);

// The connected region under `clicked` (FloodFill.h): cells holding the same chip as it in the
// chip's layer, or, for the eraser, the same chips in all three layers. It is then painted as
// a rectangle is, large chips counted from `clicked`. Nothing outside the map.
CellWrites BucketFillWrites(const MapModel& map, const ChipEntry& chip, CellPoint clicked);
